#pragma once
// Shared fixtures of the itineraries-diagram tests: interface texts that name
// their own number, and small line tables written entry by entry.

#include "data/interface_texts.h"
#include "data/line_table.h"

#include <QByteArray>

#include <initializer_list>

namespace diagramtest {

// Every interface text becomes "T<k>" (cut to its slot), so that a list line
// tells which text it is.
inline void setNumberedTexts()
{
    velmira::LineTable &texts = velmira::interfaceTextTable();
    texts.clear();
    for (int k = 1; k <= velmira::kHighestTextSlot; ++k)
        texts.set(k, "T" + QByteArray::number(k));
    velmira::AssignInterfaceTexts();
}

inline void setText(int line, const QByteArray &text)
{
    velmira::interfaceTextTable().set(line, text);
    velmira::AssignInterfaceTexts();
}

// Lines 1..n of a table, count n.
inline void fill(velmira::LineTable &table, std::initializer_list<QByteArray> lines)
{
    table.clear();
    int i = 0;
    for (const QByteArray &line : lines)
        table.set(++i, line);
    table.setCount(i);
}

} // namespace diagramtest
