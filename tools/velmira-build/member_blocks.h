#pragma once
// Files of fixed-size blocks ("asignafp", "asignagm", "asignaot",
// "ipmodulos"): block b belongs to line b of a catalogue and holds an
// optional heading line and a fixed number of member lines.

#include "record_reader.h"

#include <QList>

namespace velmira::build {

class MemberBlocks
{
public:
    MemberBlocks(QString noun, int membersPerBlock, bool withHeading);

    void addBlock(const QByteArray &heading = {});
    // The next free member of block `block` (from 1) within slots first..last;
    // refuses a block whose slots are all taken.
    void append(int block, int first, int last, const QByteArray &line, const RecordReader &at);
    int blockCount() const { return int(m_blocks.size()); }
    QList<QByteArray> lines() const;

private:
    struct Block
    {
        QByteArray heading;
        QList<QByteArray> members;
        QList<bool> used;
    };
    QString m_noun;
    int m_members;
    bool m_withHeading;
    QList<Block> m_blocks;
};

} // namespace velmira::build
