#pragma once
// Small university tables built in a test: fresh global tables, interface
// texts that name their own number, padded tables and degree names.

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/foundation_state.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/text_bytes.h"
#include "data/university_tables.h"
#include "support/numbered_texts.h"

#include <QByteArray>

#include <vector>

namespace unitest {

// Empty tables, Castilian in Latin-1, and interface text k reading "T<k>".
inline void freshTables()
{
    testsupport::freshTablesWithNumberedTexts();
    velmira::universityData() = velmira::UniversityData{};
}

// Lines 1..n of a padded table, as the loader stores them.
inline void fillPadded(velmira::LineTable &table, const std::vector<QByteArray> &lines, int width)
{
    for (size_t i = 0; i < lines.size(); ++i)
        table.set(static_cast<int>(i) + 1, velmira::padTo(lines[i], width));
    table.setCount(static_cast<int>(lines.size()));
}

inline void setDegreeNames(const std::vector<QByteArray> &names)
{
    fillPadded(velmira::content().carreran, names, velmira::kWidthA);
}

} // namespace unitest
