#include "line_table.h"

#include <algorithm>
#include <cstring>

namespace velmira {

LineTable::LineTable(int entries, int capacity)
    : m_entries(std::max(entries, 0))
    , m_capacity(std::clamp(capacity, 0, 255))
    , m_bytes(static_cast<size_t>(m_entries) * m_capacity)
    , m_lengths(m_entries)
{
}

QByteArray LineTable::at(int i) const
{
    if (!contains(i))
        return {};
    return QByteArray(m_bytes.data() + static_cast<size_t>(i) * m_capacity, m_lengths[i]);
}

void LineTable::set(int i, QByteArrayView text)
{
    if (!contains(i))
        return;
    const auto length = static_cast<std::uint8_t>(std::min<qsizetype>(text.size(), m_capacity));
    if (length > 0)
        std::memcpy(m_bytes.data() + static_cast<size_t>(i) * m_capacity, text.data(), length);
    m_lengths[i] = length;
}

void LineTable::clear()
{
    std::fill_n(m_lengths.data(), m_lengths.size(), 0);
    m_count = 0;
}

GroupedTable::GroupedTable(int groups, int members, int capacity)
    : m_groups(groups)
    , m_members(members)
    , m_table((groups + 1) * (members + 1), capacity)
{
}

int GroupedTable::index(int group, int member) const
{
    if (group < 1 || group > m_groups || member < 1 || member > m_members)
        return -1;
    return group * (m_members + 1) + member;
}

QByteArray GroupedTable::at(int group, int member) const { return m_table.at(index(group, member)); }

void GroupedTable::set(int group, int member, QByteArrayView text)
{
    m_table.set(index(group, member), text);
}

} // namespace velmira
