#include "table_dump.h"

#include "data/content_tables.h"
#include "data/degree_centres.h"
#include "data/encoding.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/loaders.h"
#include "data/messages.h"
#include "data/profession_records.h"
#include "data/record_files.h"
#include "data/settings.h"

#include <QDir>

#include <functional>
#include <map>

namespace velmira {

namespace {

QByteArray entryLine(const QByteArray &index, const QByteArray &bytes) { return index + '\t' + bytes + '\n'; }

QByteArray dumpEntries(const LineTable &table, int first, int last)
{
    QByteArray out;
    for (int i = first; i <= last; ++i)
        out += entryLine(QByteArray::number(i), table.at(i));
    return out;
}

QByteArray dumpCounted(const LineTable &table) { return dumpEntries(table, 0, table.count()); }

QByteArray intRow(const std::function<int(int)> &value, int first, int last)
{
    QByteArray out;
    for (int k = first; k <= last; ++k) {
        if (k > first)
            out += ' ';
        out += QByteArray::number(value(k));
    }
    return out + '\n';
}

QByteArray dumpRows(const IntRows &rows)
{
    QByteArray out;
    for (int r = 1; r <= rows.rows(); ++r)
        out += intRow([&](int k) { return rows.at(r, k); }, 0, rows.intsPerRow() - 1);
    return out;
}

QByteArray padded(const QByteArray &name, int width, int capacity = 60)
{
    LineTable table(1101, capacity);
    LoadPaddedLines(name, table, width);
    return dumpCounted(table);
}

QByteArray groups(const QByteArray &name, int groupCount, int members, bool fifty)
{
    GroupedTable table(groupCount, members, 60);
    fifty ? LoadOtherSubjectGroups(name, table) : LoadSubjectGroups(name, table);
    QByteArray out;
    for (int g = 1; g <= groupCount; ++g)
        for (int m = 1; m <= members; ++m)
            if (!table.at(g, m).isEmpty())
                out += entryLine(QByteArray::number(g) + '.' + QByteArray::number(m), table.at(g, m));
    return out;
}

QByteArray placeRecords(const QByteArray &name)
{
    std::array<PlaceTitleTable, 4> tables;
    LoadPlaceRecords(name, tables[0], tables[1], tables[2], tables[3]);
    QByteArray out;
    for (const PlaceTitleTable &table : tables)
        out += dumpRows(table);
    return out;
}

QByteArray doubleDegrees(const QByteArray &name)
{
    LineTable degrees(1101, 60);
    DegreeRows rows;
    LoadPaddedLines("carreran", degrees, kWidthA);
    LoadDegreeRows("datgrados", rows);
    DoubleDegrees doubles;
    LoadDoubleDegrees(name, doubles, rows, degrees.count());
    QByteArray out = entryLine("0", doubles.names.at(0));
    for (int g = 1; g <= doubles.groupCount; ++g) {
        out += entryLine(QByteArray::number(g),
                         QByteArray::number(doubles.code[g]) + '\t' + doubles.names.at(g));
        for (int m = 1; m <= doubles.memberCount[g]; ++m) {
            const DoubleDegreeMember &member = doubles.member(g, m);
            out += entryLine(QByteArray::number(g) + '.' + QByteArray::number(m),
                             QByteArray::number(member.firstDegree) + '\t'
                                 + QByteArray::number(member.secondDegree) + '\t' + member.tag);
        }
    }
    return out;
}

QByteArray recordLines(const QByteArray &name, int maxLines,
                       const std::function<QByteArray(const QByteArray &)> &fields)
{
    QByteArray out;
    int i = 0;
    for (const QByteArray &line : readRecordLines(name, maxLines))
        out += entryLine(QByteArray::number(++i), fields(line));
    return out;
}

using Dumper = std::function<QByteArray(const QByteArray &)>;

const std::map<QByteArray, Dumper> &dumpers()
{
    static const std::map<QByteArray, Dumper> table = {
        {"carreran", [](auto &n) { return padded(n, kWidthA); }},
        {"carreranb", [](auto &n) { return padded(n, kWidthA); }},
        {"otros", [](auto &n) { return padded(n, kWidthB); }},
        {"cualidad", [](auto &n) { return padded(n, kWidthD); }},
        {"interes", [](auto &n) { return padded(n, kWidthD); }},
        {"itinerar", [](auto &n) { return padded(n, kWidthA); }},
        {"fp", [](auto &n) { return padded(n, kWidthD); }},
        {"reqfp", [](auto &n) { return padded(n, kWidthB); }},
        {"comunida", [](auto &n) { return padded(n, kWidthB); }},
        {"materias", [](auto &n) { return padded(n, kWidthA); }},
        {"informa", [](auto &n) { return padded(n, kWidthA); }},
        {"fps", [](auto &n) { return padded(n, kWidthEsoQuestions); }},
        {"cuestion", [](auto &n) { return padded(n, kWidthEsoQuestions); }},
        {"cuesgm", [](auto &n) { return padded(n, kWidthMiddleQuestions, 75); }},
        {"fp2", [](auto &n) { return padded(n, kWidthD); }},
        {"fpip", [](auto &n) { return padded(n, kWidthD); }},
        {"ipmodulos", [](auto &n) { return padded(n, kWidthD); }},
        {"certifica", [](auto &n) { return padded(n, kWidthD); }},
        {"artesplas", [](auto &n) { return padded(n, kWidthE); }},
        {"musica", [](auto &n) { return padded(n, kWidthE); }},
        {"danza", [](auto &n) { return padded(n, kWidthE); }},
        {"dramatico", [](auto &n) { return padded(n, kWidthE); }},
        {"activida",
         [](auto &n) {
             LineTable t(1101, 60);
             LoadTrimmedLines(n, t);
             return dumpCounted(t);
         }},
        {"familias",
         [](auto &n) {
             LineTable t(1101, 60);
             LoadTrimmedLines(n, t);
             return dumpCounted(t);
         }},
        {"certificah",
         [](auto &n) {
             LineTable t(251, 90);
             LoadLongLines(n, t);
             return dumpCounted(t);
         }},
        {"materiasp",
         [](auto &n) {
             LineTable t(101, 70);
             LoadPlainLines(n, t);
             return dumpEntries(t, 1, t.count());
         }},
        {"comuint",
         [](auto &n) {
             LineTable t(1101, 60);
             LoadRegionTexts(n, t);
             return dumpEntries(t, 1, t.count());
         }},
        {"textos",
         [](auto &n) {
             LineTable t(kTextLines + 1, kTextCapacity);
             LoadInterfaceTexts(n, t);
             int last = kTextLines;
             while (last > 0 && t.at(last).isEmpty())
                 --last;
             return dumpEntries(t, 0, last);
         }},
        {"asignafp", [](auto &n) { return groups(n, 170, 25, false); }},
        {"asignagm", [](auto &n) { return groups(n, 1100, 25, false); }},
        {"asignaot", [](auto &n) { return groups(n, 50, 50, true); }},
        {"lugar",
         [](auto &n) {
             Places places;
             LoadPlaces(n, places);
             QByteArray out = entryLine("0", places.names.at(0));
             for (int i = 1; i <= places.names.count(); ++i)
                 out += entryLine(QByteArray::number(i),
                                  QByteArray::number(places.region[i]) + '\t' + places.names.at(i) + '\t'
                                      + places.second.at(i));
             return out;
         }},
        {"lu",
         [](auto &n) {
             PlaceList list;
             LoadPlaceList(n, list);
             QByteArray out = entryLine("0", list.columnA.at(0));
             for (int i = 1; i <= list.count(); ++i)
                 out += entryLine(QByteArray::number(i),
                                  list.columnA.at(i) + '\t' + list.columnB.at(i) + '\t' + list.columnC.at(i));
             return out;
         }},
        {"dobles", doubleDegrees},
        {"datluggs", placeRecords},
        {"datluggm", placeRecords},
        {"datlugip", placeRecords},
        {"datfps",
         [](auto &n) {
             HigherTitleRows r;
             LoadTitleRows(n, r);
             return dumpRows(r);
         }},
        {"datfpm",
         [](auto &n) {
             MiddleTitleRows r;
             LoadTitleRows(n, r);
             return dumpRows(r);
         }},
        {"datgrados",
         [](auto &n) {
             DegreeRows r;
             LoadDegreeRows(n, r);
             return dumpRows(r);
         }},
        {"datgrub",
         [](auto &n) {
             ItemGroups g;
             LoadGroupArrays(n, g);
             QByteArray out;
             for (const ItemGroupRecord *record : {&g.first, &g.second, &g.third})
                 for (int group = 1; group <= ItemGroupRecord::kGroups; ++group)
                     out += intRow(
                         [&](int k) { return k == 0 ? record->itemCount(group) : record->item(group, k); }, 0,
                         record->itemCount(group));
             return out;
         }},
        {"datcarn",
         [](auto &n) {
             DegreeCentres centres;
             LoadDegreeCentres(n, centres);
             QByteArray out;
             for (int d = 1; d <= DegreeCentres::kDegrees; ++d) {
                 const int count = centres.centreCount(d);
                 out += intRow([&](int k) { return k == 0 ? count : centres.centre(d, k); }, 0, count);
                 out += intRow([&](int k) { return k == 0 ? count : centres.mark(d, k); }, 0, count);
             }
             return out;
         }},
        {"profesio",
         [](auto &n) {
             return recordLines(n, 250, [](const QByteArray &line) {
                 const Profession p = parseProfession(line);
                 return p.firstActivity + '\t' + p.secondActivity + '\t' + storedLine(p.name) + '\t'
                     + QByteArray::number(p.firstStatement) + '\t' + QByteArray::number(p.secondStatement);
             });
         }},
        {"fracortas",
         [](auto &n) {
             return recordLines(n, 120, [](const QByteArray &line) {
                 const ShortStatement s = parseShortStatement(line);
                 return s.firstActivity + '\t' + s.secondActivity + '\t' + storedLine(s.text);
             });
         }},
        {"fralargas",
         [](auto &n) {
             return recordLines(n, 20, [](const QByteArray &line) {
                 const LongStatement s = parseLongStatement(line);
                 return storedLine(s.text) + '\t' + s.activities[0] + '\t' + s.activities[1] + '\t'
                     + s.activities[2] + '\t' + s.activities[3];
             });
         }},
    };
    return table;
}

} // namespace

std::optional<QByteArray> dumpTable(const QString &directory, const QByteArray &name, QString *error)
{
    const QByteArray base = name.mid(name.lastIndexOf('/') + 1);
    const QByteArray key = placeListKind(base) ? QByteArray("lu") : base;
    const auto found = dumpers().find(key);
    if (found == dumpers().end()) {
        *error = QStringLiteral("%1: not a file the program loads").arg(QString::fromLocal8Bit(name));
        return std::nullopt;
    }
    const QString previous = QDir::currentPath();
    if (!QDir::setCurrent(directory)) {
        *error = QStringLiteral("%1: not a directory").arg(directory);
        return std::nullopt;
    }
    QString failure;
    const MessageHandler previousHandler = setMessageHandler([&](const QString &text) { failure = text; });
    applyFontSettings("fuente");
    decideEncoding(encodingSetting());
    failure.clear();
    std::optional<QByteArray> out;
    try {
        out = found->second(name);
    } catch (const FileError &fileError) {
        failure = fileError.message();
    }
    setMessageHandler(previousHandler);
    QDir::setCurrent(previous);
    if (!failure.isEmpty()) {
        *error = failure;
        return std::nullopt;
    }
    return out;
}

} // namespace velmira
