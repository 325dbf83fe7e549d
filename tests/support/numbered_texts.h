#pragma once
// Fresh tables for tests of lists built from small tables of their own:
// empty global tables, the province keys, the foundation as before start-up
// (Castilian, Latin-1), and interface text k reading "T<k>".

#include "data/content_tables.h"
#include "data/foundation_state.h"
#include "data/interface_texts.h"
#include "data/map_geometry.h"

namespace testsupport {

inline void freshTablesWithNumberedTexts()
{
    velmira::allocateGlobalTables();
    velmira::resetFoundationState();
    velmira::FillProvinceKeys();
    for (int k = 1; k <= velmira::kHighestTextSlot; ++k)
        velmira::interfaceTextTable().set(k, "T" + QByteArray::number(k));
    velmira::AssignInterfaceTexts();
}

} // namespace testsupport
