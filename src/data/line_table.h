#pragma once
// A table of fixed-capacity byte texts, filled once from a data file.
// Entry i holds line i; entry 0 usually the name the file was opened with.

#include <QByteArray>
#include <QByteArrayView>

#include "zeroed_array.h"

#include <cstdint>

namespace velmira {

class LineTable
{
public:
    LineTable() = default;
    LineTable(int entries, int capacity);

    int size() const { return m_entries; }      // entries allocated, entry 0 included
    int capacity() const { return m_capacity; } // bytes per entry
    int count() const { return m_count; }       // lines read
    void setCount(int count) { m_count = count; }

    // An empty text for indexes outside the table.
    QByteArray at(int i) const;
    // Cut to the capacity; writes outside the table are ignored.
    void set(int i, QByteArrayView text);
    bool contains(int i) const { return i >= 0 && i < m_entries; }
    void clear();

private:
    int m_entries = 0;
    int m_capacity = 0;
    int m_count = 0;
    ZeroedArray<char> m_bytes;
    ZeroedArray<std::uint8_t> m_lengths;
};

// Groups of members, both numbered from 1 (subject groups, for instance).
class GroupedTable
{
public:
    GroupedTable(int groups, int members, int capacity);

    int groups() const { return m_groups; }
    int members() const { return m_members; }
    QByteArray at(int group, int member) const;
    void set(int group, int member, QByteArrayView text);

private:
    int index(int group, int member) const;
    int m_groups;
    int m_members;
    LineTable m_table;
};

} // namespace velmira
