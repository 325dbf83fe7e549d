#include "key_index.h"

namespace velmira::build {

void KeyIndex::add(const QString &key, int number, const RecordReader &at)
{
    if (m_numbers.contains(key))
        throw at.error(QStringLiteral("%1 '%2' is given twice").arg(m_noun, key));
    m_numbers.insert(key, number);
}

int KeyIndex::find(const QString &key, const RecordReader &at, const QString &field) const
{
    const auto it = m_numbers.constFind(key);
    if (it == m_numbers.constEnd())
        throw at.error(QStringLiteral("field '%1': unknown %2 '%3'").arg(field, m_noun, key));
    return it.value();
}

} // namespace velmira::build
