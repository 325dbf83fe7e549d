#include "centre_listings.h"

#include "content_tables.h"
#include "encoding.h"
#include "text_bytes.h"

namespace velmira {

namespace {

constexpr int kRowWidth = 60;
constexpr int kCentreWidth = 43;
constexpr int kHeadingBlanks = 7;

const PlaceList &placeList(ProvinceKey key) { return content().placeLists[key.list - 1]; }

bool filedUnder(const PlaceList &list, int place, char key) { return list.columnA.at(place).startsWith(key); }

int titleCount(const PlaceTitleTable &titles, int place) { return titles.at(place, 0); }

// The place lists are stored as read, in Latin-1: their columns are cut by
// character, then brought into the display's encoding like every other text.
QByteArray placeText(const QByteArray &latin1) { return utfMode() ? latin1ToUtf8(latin1) : latin1; }

// Column A from character 2 (43 characters) followed by column B, cut to `width`.
QByteArray centreText(const PlaceList &list, int place, int width = -1)
{
    const QByteArray text = list.columnA.at(place).mid(1, kCentreWidth) + list.columnB.at(place);
    return placeText(width >= 0 ? text.left(width) : text);
}

ListingRow separatorRow() { return {QByteArray(kRowWidth, ' '), {}, 0}; }

} // namespace

ProvincePlaces placesOfProvince(const PlaceTitleTables &tables, ProvinceKey key)
{
    ProvincePlaces province;
    province.key = key;
    if (!key.isValid())
        return province;
    const PlaceList &list = placeList(key);
    const PlaceTitleTable &titles = tables[key.list - 1];
    QByteArray previous;
    for (int p = 1; p <= list.count(); ++p) {
        if (!filedUnder(list, p, key.key) || titleCount(titles, p) < 1)
            continue;
        const QByteArray name = list.columnA.at(p).mid(1, key.localityWidth());
        if (province.places.empty() || name != previous)
            province.localities.push_back({placeText(name), p});
        province.places.push_back(p);
        previous = name;
    }
    return province;
}

ProvinceGrid gridOfProvince(const PlaceTitleTables &tables, const ProvincePlaces &province,
                            int chosenLocality, const TitleNames &titleName)
{
    ProvinceGrid grid;
    if (!province.key.isValid())
        return grid;
    const PlaceList &list = placeList(province.key);
    const PlaceTitleTable &titles = tables[province.key.list - 1];
    const int chosenPlace = chosenLocality >= 1 && chosenLocality <= int(province.localities.size())
        ? province.localities[chosenLocality - 1].firstPlace
        : 0;
    for (int p : province.places) {
        if (p == chosenPlace)
            grid.targetRow = static_cast<int>(grid.rows.size());
        grid.rows.push_back({"-" + centreText(list, p, kRowWidth - 1), placeText(list.columnC.at(p)), 0});
        const int n = titleCount(titles, p);
        for (int k = 1; k <= n && k < titles.intsPerRow(); ++k) {
            const int title = titles.at(p, k);
            grid.rows.push_back({titleName(title).left(kRowWidth), {}, title});
        }
        grid.rows.push_back(separatorRow());
    }
    return grid;
}

std::vector<ListingRow> centresTeachingInRegion(const PlaceTitleTables &tables,
                                                const RegionProvinces &provinces, int title)
{
    std::vector<ListingRow> rows;
    const ProvinceKey first = provinceKeyOf(provinces.firstCode);
    if (!first.isValid())
        return rows;
    const PlaceList &list = placeList(first);
    const PlaceTitleTable &titles = tables[first.list - 1];
    for (int k = 1; k <= provinces.count(); ++k) {
        const char key = provinceKeyOf(provinces.code(k)).key;
        const size_t start = rows.size();
        if (provinces.count() > 1)
            rows.push_back({"- " + provinces.printName(k) + QByteArray(kHeadingBlanks, ' '), {}, 0});
        const size_t firstCentre = rows.size();
        for (int p = 1; p <= list.count(); ++p)
            if (filedUnder(list, p, key) && titles.teaches(p, title))
                rows.push_back({centreText(list, p), placeText(list.columnC.at(p)), 0});
        if (rows.size() == firstCentre)
            rows.resize(start);
        else
            rows.push_back(separatorRow());
    }
    return rows;
}

std::array<bool, kRegionCount + 1> regionsTeaching(const PlaceTitleTables &tables, int title)
{
    std::array<bool, kRegionCount + 1> teaching{};
    for (int r = 1; r <= kRegionCount; ++r) {
        const int first = firstProvinceCode(r);
        const int last = r < kRegionCount ? firstProvinceCode(r + 1) - 1 : first;
        for (int code = first; code <= last && !teaching[r]; ++code) {
            const ProvinceKey key = provinceKeyOf(code);
            if (!key.isValid())
                continue;
            const PlaceList &list = placeList(key);
            for (int p = 1; p <= list.count() && !teaching[r]; ++p)
                teaching[r] = filedUnder(list, p, key.key) && tables[key.list - 1].teaches(p, title);
        }
    }
    return teaching;
}

} // namespace velmira
