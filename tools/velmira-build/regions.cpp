#include "regions.h"

#include "fixed_line.h"
#include "record_reader.h"

#include "data/map_geometry.h"

namespace velmira::build {
namespace {

constexpr int kNameWidth = 43; // "comunida" is read 45 wide, name from character 3

struct RegionSource
{
    QByteArray name;
    QByteArray web;
};

QList<RegionSource> readRegions(const SourceSet &sources)
{
    const SourceTable table = sources.table(
        QStringLiteral("regions.txt"),
        {QStringLiteral("region"), QStringLiteral("name"), QStringLiteral("web")});
    QList<RegionSource> regions;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int region = reader.number(QStringLiteral("region"), 1, velmira::kRegionCount);
        if (region != regions.size() + 1)
            throw reader.error(QStringLiteral("regions must be listed 1 to %1 in order; expected %2")
                                   .arg(velmira::kRegionCount).arg(regions.size() + 1));
        regions.push_back({reader.text(QStringLiteral("name"), kNameWidth),
                           reader.text(QStringLiteral("web"), 100)});
    }
    if (regions.size() != velmira::kRegionCount)
        throw SourceError{table.file, 0, QStringLiteral("all %1 regions must be listed").arg(velmira::kRegionCount)};
    return regions;
}

} // namespace

Regions compileRegions(const SourceSet &sources)
{
    Regions out;
    const QList<RegionSource> regions = readRegions(sources);

    const SourceTable provinces = sources.table(QStringLiteral("provinces.txt"),
                                                {QStringLiteral("region"), QStringLiteral("name")});
    QList<int> firstCode(velmira::kRegionCount + 1, 0);
    QList<QByteArray> provinceLines;
    int previousRegion = 1;
    for (const SourceRecord &record : provinces.records) {
        const RecordReader reader(provinces, record);
        const int region = reader.number(QStringLiteral("region"), 1, velmira::kRegionCount);
        if (region < previousRegion)
            throw reader.error(QStringLiteral("provinces must be grouped by region in increasing order"));
        const int code = int(provinceLines.size()) + 1;
        if (code > velmira::kProvinceCount)
            throw reader.error(QStringLiteral("more than %1 provinces").arg(velmira::kProvinceCount));
        if (firstCode[region] == 0)
            firstCode[region] = code;
        previousRegion = region;
        const QByteArray name = reader.text(QStringLiteral("name"), kNameWidth);
        if (out.provinceCodes.contains(reader.value(QStringLiteral("name"))))
            throw reader.error(QStringLiteral("province '%1' is given twice").arg(reader.value(QStringLiteral("name"))));
        out.provinceCodes.insert(reader.value(QStringLiteral("name")), code);
        provinceLines << FixedLine().putZeroPadded(1, 2, region).put(3, name).bytes();
    }
    for (int r = 1; r <= velmira::kRegionCount; ++r) {
        if (firstCode[r] == 0)
            throw SourceError{provinces.file, 0, QStringLiteral("region %1 has no province").arg(r)};
        const RegionSource &region = regions[r - 1];
        out.comunida << FixedLine().putZeroPadded(1, 2, firstCode[r]).put(3, region.name).bytes();
        out.comuint << FixedLine().putZeroPadded(1, 2, r).put(15, region.web).bytes();
    }
    out.comunida += provinceLines;

    const SourceTable universities = sources.table(
        QStringLiteral("universities.txt"),
        {QStringLiteral("key"), QStringLiteral("region"), QStringLiteral("name"), QStringLiteral("web")});
    for (const SourceRecord &record : universities.records) {
        const RecordReader reader(universities, record);
        const int region = reader.number(QStringLiteral("region"), 1, velmira::kRegionCount);
        const QByteArray name = reader.text(QStringLiteral("name"), 35);
        out.universities.add(reader.value(QStringLiteral("key")), int(out.lugar.size()) + 1, reader);
        out.lugar << FixedLine().putZeroPadded(1, 2, region).put(3, name)
                         .put(38, reader.text(QStringLiteral("web"), 100)).bytes();
        out.universityNames << name;
        out.universityRegions << region;
    }
    return out;
}

} // namespace velmira::build
