#pragma once
// The centres of the place lists `lu1`-`lu4` as the map windows list them:
// the localities of a province, the grid of a province's centres with the
// titles each teaches, the centres of a region that teach one title, and the
// regions that teach it. Each window passes its own place-title tables (one
// per place list) and the names of its titles.
//
// A place line's column A holds the key character, then the locality (17
// characters, or 35 for the provinces whose lines are read whole) and the
// start of the centre; column B the rest of the centre; column C its
// telephone.

#include "listing_rows.h"
#include "map_geometry.h"
#include "record_files.h"
#include "region_provinces.h"

#include <QByteArray>

#include <array>
#include <functional>
#include <vector>

namespace velmira {

using PlaceTitleTables = std::array<PlaceTitleTable, 4>;
using TitleNames = std::function<QByteArray(int title)>;

struct Locality
{
    QByteArray name;
    int firstPlace = 0;
};

struct ProvincePlaces
{
    ProvinceKey key;
    std::vector<int> places;          // the places that teach anything, in list order
    std::vector<Locality> localities; // runs of equal locality names
};

// The places filed under the key that teach at least one title, and their
// localities: a place whose name differs from the previous place's starts a
// new one, so a name that comes back after another locality is listed again.
ProvincePlaces placesOfProvince(const PlaceTitleTables &tables, ProvinceKey key);

struct ProvinceGrid
{
    std::vector<ListingRow> rows;
    int targetRow = 0; // the row of the chosen locality's first centre
};

// Every centre of the province, each followed by the names of the titles it
// teaches and a separator of 60 blanks; `chosenLocality` (from 1) decides the
// target row.
ProvinceGrid gridOfProvince(const PlaceTitleTables &tables, const ProvincePlaces &province,
                            int chosenLocality, const TitleNames &titleName);

// The centres of the region that teach the title. All its provinces are
// looked up in the place list of its first province; with more than one,
// each province that has such centres is headed "- " + its name, and every
// province that has any ends with a separator of 60 blanks.
std::vector<ListingRow> centresTeachingInRegion(const PlaceTitleTables &tables,
                                                const RegionProvinces &provinces, int title);

// For each region (1-19; element 0 unused), whether one of its provinces
// teaches the title. A region's provinces run from its first code to the code
// before the next region's first code; region 19 has its first code only.
std::array<bool, kRegionCount + 1> regionsTeaching(const PlaceTitleTables &tables, int title);

} // namespace velmira
