#include "places.h"

#include "fixed_line.h"
#include "record_reader.h"

#include "data/loaders.h"
#include "data/map_geometry.h"
#include "data/record_files.h"

#include <array>

namespace velmira::build {
namespace {

constexpr int kMaxPlaces = 1100;
constexpr int kMaxTitlesPerPlace = 25;

void fillRow(velmira::PlaceTitleTable &table, int place, const RecordReader &reader, const QString &field,
             const KeyIndex &titles)
{
    const QStringList keys = reader.list(field, kMaxTitlesPerPlace);
    table.set(place, 0, int(keys.size()));
    int k = 1;
    for (const QString &key : keys)
        table.set(place, k++, titles.find(key, reader, field));
}

QByteArray recordFile(const std::array<velmira::PlaceTitleTable, 4> &tables)
{
    QByteArray bytes;
    for (const velmira::PlaceTitleTable &table : tables)
        bytes += table.toBytes();
    return bytes;
}

} // namespace

Places compilePlaces(const SourceSet &sources, const Regions &regions, const HigherTitles &higher,
                     const MiddleTitles &middle, const InitialProgrammes &initial)
{
    velmira::FillProvinceKeys();
    const SourceTable table =
        sources.table(QStringLiteral("places.txt"),
                      {QStringLiteral("province"), QStringLiteral("locality"), QStringLiteral("centre"),
                       QStringLiteral("telephone"), QStringLiteral("higher"), QStringLiteral("middle"),
                       QStringLiteral("initial")},
                      Translation::None);
    Places out;
    std::array<velmira::PlaceTitleTable, 4> higherRows, middleRows, initialRows;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const QString province = reader.value(QStringLiteral("province"));
        const auto code = regions.provinceCodes.constFind(province);
        if (code == regions.provinceCodes.constEnd())
            throw reader.error(QStringLiteral("field 'province': unknown province '%1'").arg(province));
        const QByteArray key = velmira::provinceKey(code.value());
        const int kind = key[0] - '0';
        QList<QByteArray> &list = out.lists[kind - 1];
        if (list.size() == kMaxPlaces)
            throw reader.error(QStringLiteral("more than %1 places in list lu%2").arg(kMaxPlaces).arg(kind));

        // Lines whose key is a heading character of their list are read whole
        // (44 characters) and their localities compared on 35 characters:
        // such a line holds "locality - centre", so each centre lists apart
        // and keeps its whole name.
        const bool wholeLine = velmira::isPlaceListHeading(kind, key[1]);
        FixedLine line;
        line.put(1, key.mid(1, 1));
        if (wholeLine) {
            const QByteArray text = reader.text(QStringLiteral("locality"), 43) + " - "
                + reader.text(QStringLiteral("centre"), 43);
            if (text.size() > 43)
                throw reader.error(
                    QStringLiteral("\"locality - centre\" has %1 characters; in %2 at most 43 fit")
                        .arg(text.size())
                        .arg(province));
            line.put(2, text);
        } else {
            line.put(2, reader.text(QStringLiteral("locality"), 17))
                .put(19, reader.text(QStringLiteral("centre"), 26));
        }
        line.put(46, reader.text(QStringLiteral("telephone"), 9));
        list << line.bytes();

        const int place = int(list.size());
        fillRow(higherRows[kind - 1], place, reader, QStringLiteral("higher"), higher.titles);
        fillRow(middleRows[kind - 1], place, reader, QStringLiteral("middle"), middle.titles);
        fillRow(initialRows[kind - 1], place, reader, QStringLiteral("initial"), initial.programmes);
    }
    out.datluggs = recordFile(higherRows);
    out.datluggm = recordFile(middleRows);
    out.datlugip = recordFile(initialRows);
    return out;
}

} // namespace velmira::build
