#include "regions.h"

#include "fixed_line.h"
#include "province_codes.h"
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
        {QStringLiteral("region"), QStringLiteral("name"), QStringLiteral("web")}, Translation::None);
    QList<RegionSource> regions;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int region = reader.number(QStringLiteral("region"), 1, velmira::kRegionCount);
        if (region != regions.size() + 1)
            throw reader.error(QStringLiteral("regions must be listed 1 to %1 in order; expected %2")
                                   .arg(velmira::kRegionCount)
                                   .arg(regions.size() + 1));
        regions.push_back(
            {reader.text(QStringLiteral("name"), kNameWidth), reader.text(QStringLiteral("web"), 100)});
    }
    if (regions.size() != velmira::kRegionCount)
        throw SourceError{table.file, 0,
                          QStringLiteral("all %1 regions must be listed").arg(velmira::kRegionCount)};
    return regions;
}

} // namespace

Regions compileRegions(const SourceSet &sources)
{
    Regions out;
    const QList<RegionSource> regions = readRegions(sources);

    const SourceTable provinces =
        sources.table(QStringLiteral("provinces.txt"), {QStringLiteral("region"), QStringLiteral("name")},
                      Translation::None);
    // The provinces of each region, in file order.
    struct Province
    {
        QString key;     // the name as other sources give it
        QByteArray name; // as written in "comunida"
    };
    QList<QList<Province>> names(velmira::kRegionCount + 1);
    int previousRegion = 1;
    for (const SourceRecord &record : provinces.records) {
        const RecordReader reader(provinces, record);
        const int region = reader.number(QStringLiteral("region"), 1, velmira::kRegionCount);
        if (region < previousRegion)
            throw reader.error(QStringLiteral("provinces must be grouped by region in increasing order"));
        previousRegion = region;
        if (out.provinceCodes.contains(reader.value(QStringLiteral("name"))))
            throw reader.error(
                QStringLiteral("province '%1' is given twice").arg(reader.value(QStringLiteral("name"))));
        out.provinceCodes.insert(reader.value(QStringLiteral("name")), 0); // coded below
        names[region] << Province{reader.value(QStringLiteral("name")),
                                  reader.text(QStringLiteral("name"), kNameWidth)};
    }
    QList<QByteArray> provinceLines;
    QList<int> counts;
    for (int r = 1; r <= velmira::kRegionCount; ++r) {
        if (names[r].isEmpty())
            throw SourceError{provinces.file, 0, QStringLiteral("region %1 has no province").arg(r)};
        counts << int(names[r].size());
    }
    const QList<int> firsts = chooseFirstProvinceCodes(counts);
    if (firsts.isEmpty())
        throw SourceError{provinces.file, 0,
                          QStringLiteral("the provinces do not fit in the province codes")};
    for (int r = 1; r <= velmira::kRegionCount; ++r) {
        for (int k = 0; k < names[r].size(); ++k) {
            out.provinceCodes[names[r][k].key] = firsts[r - 1] + k;
            provinceLines << FixedLine().putZeroPadded(1, 2, r).put(3, names[r][k].name).bytes();
        }
    }
    for (int r = 1; r <= velmira::kRegionCount; ++r) {
        const RegionSource &region = regions[r - 1];
        out.comunida << FixedLine().putZeroPadded(1, 2, firsts[r - 1]).put(3, region.name).bytes();
        out.comuint << FixedLine().putZeroPadded(1, 2, r).put(15, region.web).bytes();
    }
    out.comunida += provinceLines;

    const SourceTable universities = sources.table(
        QStringLiteral("universities.txt"),
        {QStringLiteral("key"), QStringLiteral("region"), QStringLiteral("name"), QStringLiteral("web")},
        Translation::None);
    for (const SourceRecord &record : universities.records) {
        const RecordReader reader(universities, record);
        const int region = reader.number(QStringLiteral("region"), 1, velmira::kRegionCount);
        const QByteArray name = reader.text(QStringLiteral("name"), 35);
        out.universities.add(reader.value(QStringLiteral("key")), int(out.lugar.size()) + 1, reader);
        out.lugar << FixedLine()
                         .putZeroPadded(1, 2, region)
                         .put(3, name)
                         .put(38, reader.text(QStringLiteral("web"), 100))
                         .bytes();
        out.universityNames << name;
        out.universityRegions << region;
    }
    return out;
}

} // namespace velmira::build
