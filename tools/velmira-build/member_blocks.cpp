#include "member_blocks.h"

namespace velmira::build {

MemberBlocks::MemberBlocks(QString noun, int membersPerBlock, bool withHeading)
    : m_noun(std::move(noun))
    , m_members(membersPerBlock)
    , m_withHeading(withHeading)
{
}

void MemberBlocks::addBlock(const QByteArray &heading)
{
    m_blocks.push_back({heading, QList<QByteArray>(m_members), QList<bool>(m_members, false)});
}

void MemberBlocks::append(int block, int first, int last, const QByteArray &line, const RecordReader &at)
{
    Block &b = m_blocks[block - 1];
    for (int slot = first; slot <= last; ++slot) {
        if (!b.used[slot - 1]) {
            b.members[slot - 1] = line;
            b.used[slot - 1] = true;
            return;
        }
    }
    throw at.error(QStringLiteral("at most %1 %2 lines fit").arg(last - first + 1).arg(m_noun));
}

QList<QByteArray> MemberBlocks::lines() const
{
    QList<QByteArray> out;
    for (const Block &b : m_blocks) {
        if (m_withHeading)
            out << b.heading;
        out += b.members;
    }
    return out;
}

} // namespace velmira::build
