#pragma once
// The regions and provinces of `comunida` as the map windows read them.
// Entries 1-19 are the regions: characters 1-2 hold the code of the region's
// first province, the name starts at character 3. The later entries are the
// provinces: characters 1-2 hold their region, the name starts at character
// 3. The provinces of a region follow the order of their codes, so its k-th
// province has the code first + k - 1.

#include <QByteArray>

#include <vector>

namespace velmira {

// Where a province's places are filed: the place list `lu1`-`lu4` (and its
// place-title table) and the key character that starts their lines.
struct ProvinceKey
{
    int list = 0; // 1-4; 0 for a code outside 1-64
    char key = 0;
    // The provinces whose place lines are read whole: their locality names
    // are 35 characters wide instead of 17.
    bool longNames = false;

    bool isValid() const { return list >= 1 && list <= 4; }
    int localityWidth() const { return longNames ? 35 : 17; }
};

// The key of a province code, from the province key table.
ProvinceKey provinceKeyOf(int code);

// Characters 3-47 of the region's entry, trailing blanks removed: the name
// the map shows under the pointer.
QByteArray regionName(int region);
// The code of the region's first province (characters 1-2); 0 when unreadable.
int firstProvinceCode(int region);

struct RegionProvinces
{
    int region = 0;
    int firstCode = 0;
    QByteArray regionName;           // from character 3, trailing blanks removed
    std::vector<QByteArray> entries; // each province's entry from character 3

    int count() const { return static_cast<int>(entries.size()); }
    // The code of province k (from 1).
    int code(int k) const { return firstCode + k - 1; }
    QByteArray listName(int k) const;  // 55 characters, as the province list shows it
    QByteArray printName(int k) const; // 35 characters, as listing headers show it
};

// The provinces of region r in `comunida` order; a region without any is its
// own single province.
RegionProvinces provincesOfRegion(int region);

} // namespace velmira
