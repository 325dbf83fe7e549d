#include "region_provinces.h"

#include "content_tables.h"
#include "map_geometry.h"
#include "text_bytes.h"

#include <algorithm>

namespace velmira {

namespace {

constexpr int kFirstProvinceEntry = kRegionCount + 1;
constexpr int kListNameWidth = 55;
constexpr int kPrintNameWidth = 35;
constexpr int kHoverNameLast = 47;

// Characters 1-2 of an entry as a number; 0 when they are not one.
int leadingNumber(const QByteArray &entry)
{
    int value = 0;
    return parseFieldNumber(entry.left(2).trimmed(), value) ? value : 0;
}

bool isLongNameKey(const QByteArray &key)
{
    static const char *const kLongNameKeys[] = {"1J", "2H", "2G", "3G", "3E", "41", "45", "4A"};
    return std::any_of(std::begin(kLongNameKeys), std::end(kLongNameKeys),
                       [&](const char *k) { return key == k; });
}

} // namespace

ProvinceKey provinceKeyOf(int code)
{
    const QByteArray key = provinceKey(code);
    if (key.size() != 2)
        return {};
    return {key[0] - '0', key[1], isLongNameKey(key)};
}

QByteArray regionName(int region)
{
    return trimTrailingBlanks(columns(content().comunida.at(region), 3, kHoverNameLast));
}

int firstProvinceCode(int region) { return leadingNumber(content().comunida.at(region)); }

QByteArray RegionProvinces::listName(int k) const { return padTo(entries.at(k - 1), kListNameWidth); }

QByteArray RegionProvinces::printName(int k) const { return padTo(entries.at(k - 1), kPrintNameWidth); }

RegionProvinces provincesOfRegion(int region)
{
    const LineTable &comunida = content().comunida;
    RegionProvinces provinces;
    provinces.region = region;
    provinces.firstCode = firstProvinceCode(region);
    provinces.regionName = trimTrailingBlanks(comunida.at(region).mid(2));
    for (int i = kFirstProvinceEntry; i <= comunida.count(); ++i)
        if (leadingNumber(comunida.at(i)) == region)
            provinces.entries.push_back(comunida.at(i).mid(2));
    if (provinces.entries.empty())
        provinces.entries.push_back(comunida.at(region).mid(2));
    return provinces;
}

} // namespace velmira
