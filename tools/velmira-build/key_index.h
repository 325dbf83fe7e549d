#pragma once
// Keys of one source mapped to the numbers the builder derives for them
// (usually their line in the compiled file), so that other sources can name
// a record by key instead of by number.

#include "record_reader.h"

#include <QHash>
#include <QString>

namespace velmira::build {

class KeyIndex
{
public:
    explicit KeyIndex(QString noun)
        : m_noun(std::move(noun))
    {
    }

    // Refuses a key given twice.
    void add(const QString &key, int number, const RecordReader &at);
    // Refuses a key that was never added.
    int find(const QString &key, const RecordReader &at, const QString &field) const;

private:
    QString m_noun;
    QHash<QString, int> m_numbers;
};

} // namespace velmira::build
