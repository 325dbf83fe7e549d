#pragma once
// The content tables the data foundation owns and the module windows fill at
// their creation, and the work tables and print buffers the windows fill at
// run time. Allocated once at start, kept until the program ends.

#include "line_table.h"
#include "loaders.h"
#include "middle_questionnaire.h"
#include "record_files.h"

#include <array>
#include <memory>
#include <vector>

namespace velmira {

struct ContentTables
{
    LineTable carreran{1101, 60};
    LineTable carreranb{1101, 60};
    LineTable fp{1101, 60};
    LineTable otros{1101, 60};
    GroupedTable asignafp{170, 25, 60};
    GroupedTable asignagm{1100, 25, 60};
    GroupedTable asignaot{50, 50, 60};
    LineTable comunida{1101, 60};
    LineTable informa{1101, 60};
    LineTable reqfp{1101, 60};
    ItemGroups datgrub;
    LineTable activida{1101, 60};
    Places lugar;
    LineTable comuint{1101, 60};
    std::array<PlaceList, 4> placeLists; // lu1 .. lu4
    LineTable fp2{1101, 60};
    LineTable cuesgm{1101, 75};              // the items, once prepared
    MiddleQuestionnaire middleQuestionnaire; // its areas and the items' areas
    LineTable fpip{1101, 60};                // the programme lines, once the groups are set apart
    LineTable certifica{1101, 60};           // the certificate lines, once the groups are set apart
    LineTable ipmodulos{1101, 60};
    LineTable fpTitles{1101, 60}; // title lines of "fp"
    std::vector<int> fpTitleLines = std::vector<int>(1101, 0);
    LineTable fp2Titles{1101, 60}; // title lines of "fp2"
    std::vector<int> fp2TitleLines = std::vector<int>(1101, 0);
    LineTable certificah{251, 90};             // line n describes certificate line n
    LineTable fpipGroups{10, 60};              // the nine groups that open "fpip"
    LineTable certificaGroups{10, 60};         // the nine groups that open "certifica"
    LineTable certificateRequirements{10, 90}; // the nine labels that open "certificah"
    LineTable familias{1101, 60};
    LineTable materiasp{101, 70}; // entries 1..100, no entry 0
    DoubleDegrees dobles;

    // Place-title tables, one per place list.
    std::array<PlaceTitleTable, 4> datluggs;
    std::array<PlaceTitleTable, 4> datluggm;
    std::array<PlaceTitleTable, 4> datlugip;
    HigherTitleRows datfps;
    MiddleTitleRows datfpm;
    DegreeRows datgrados;

    // The artistic studies share work table B; each file keeps its own count.
    int artesplasCount = 0;
    int musicaCount = 0;
    int danzaCount = 0;
    int dramaticoCount = 0;
};

struct WorkTables
{
    LineTable workA{1101, 60};
    LineTable workB{1101, 60};
    LineTable print1{1501, 60};
    LineTable print2{1501, 60};
    LineTable print3{1501, 60};
    LineTable wide{1101, 75};
};

// Allocates fresh tables (at start, or anew in tests).
void allocateGlobalTables();
ContentTables &content();
WorkTables &work();

} // namespace velmira
