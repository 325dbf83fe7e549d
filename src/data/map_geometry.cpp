#include "map_geometry.h"

#include <array>

namespace velmira {

namespace {

constexpr RegionRect kRegionRects[kRegionCount] = {
    {69, 218, 131, 236},  {153, 139, 164, 170}, {71, 122, 99, 132},   {204, 177, 233, 202},
    {167, 233, 236, 258}, {106, 125, 120, 136}, {106, 185, 144, 202}, {80, 137, 110, 164},
    {179, 134, 202, 165}, {63, 180, 86, 208},   {41, 120, 67, 149},   {125, 142, 142, 155},
    {106, 168, 122, 180}, {139, 209, 157, 226}, {143, 130, 149, 151}, {158, 180, 174, 212},
    {126, 126, 134, 140}, {78, 251, 91, 260},   {130, 251, 144, 262},
};

constexpr QPoint kRegionCentres[kRegionCount] = {
    {102, 141}, {156, 73},  {82, 41},  {221, 100}, {204, 162}, {111, 42}, {128, 108},
    {100, 68},  {188, 64},  {77, 111}, {58, 49},   {131, 60},  {114, 89}, {148, 133},
    {143, 52},  {160, 107}, {130, 47}, {83, 171},  {136, 174},
};

constexpr const char *kProvinceKeys[kProvinceCount] = {
    "37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J", "1K", "11", "2E",
    "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13", "17", "1A", "1D", "1E", "1F", "1G",
    "1H", "45", "4A", "46", "47", "48", "49", "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H",
    "29", "2A", "2B", "2C", "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32",
};

std::array<QByteArray, kProvinceCount + 1> g_provinceKeys;

} // namespace

RegionRect regionRect(int region)
{
    if (region < 1 || region > kRegionCount)
        return {0, 0, 0, 0};
    return kRegionRects[region - 1];
}

int RegionAt(int x, int y)
{
    for (int r = 0; r < kRegionCount; ++r) {
        const RegionRect &rect = kRegionRects[r];
        if (x >= rect.left && x < rect.right && y >= rect.top - 1 && y < rect.bottom)
            return r + 1;
    }
    return 0;
}

int hoveredRegion(int x, int y, int previous)
{
    const int region = RegionAt(x + 5, y + 90);
    return region != 0 ? region : previous;
}

QPoint regionCentre(int region)
{
    if (region < 1 || region > kRegionCount)
        return {};
    return kRegionCentres[region - 1];
}

void FillProvinceKeys()
{
    for (int code = 1; code <= kProvinceCount; ++code)
        g_provinceKeys[code] = kProvinceKeys[code - 1];
}

QByteArray provinceKey(int provinceCode)
{
    if (provinceCode < 1 || provinceCode > kProvinceCount)
        return {};
    return g_provinceKeys[provinceCode];
}

} // namespace velmira
