#include "degrees.h"

#include "fixed_line.h"
#include "record_reader.h"

#include "data/record_files.h"
#include "data/spanish_order.h"

#include <QHash>
#include <QMap>

#include <algorithm>

namespace velmira::build {
namespace {

constexpr int kMaxDegrees = 300;
constexpr int kMaxSubjects = 49; // subject 50 means "any subject"
constexpr int kAnySubject = 50;
constexpr int kDegreeBlockBytes = 101;
constexpr int kMaxCentres = 100;
constexpr int kNoMark = 10; // stored instead of a cut-off mark
constexpr int kMaxDoubleDegreeGroups = 200;
constexpr int kMaxDoubleDegreesPerGroup = 25;

const QString kKey = QStringLiteral("key");
const QString kName = QStringLiteral("name");

KeyIndex compileKeyedNames(const SourceTable &table, const QString &noun, int width, int maxLines,
                           QList<QByteArray> &lines)
{
    KeyIndex index(noun);
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        if (lines.size() == maxLines)
            throw reader.error(QStringLiteral("more than %1 lines").arg(maxLines));
        index.add(reader.value(kKey), int(lines.size()) + 1, reader);
        lines << reader.text(kName, width);
    }
    return index;
}

// "6,5" (or "6.5") as 65 tenths; "-" as the no-mark value.
int markInTenths(const RecordReader &reader)
{
    const QString text = reader.value(QStringLiteral("mark"));
    if (text == QLatin1String("-"))
        return kNoMark;
    bool ok = false;
    const double mark = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    const int tenths = qRound(mark * 10);
    if (!ok || tenths < 11 || tenths > 140 || qAbs(mark * 10 - tenths) > 1e-6)
        throw reader.error(
            QStringLiteral("field 'mark': \"%1\" is not a mark from 1,1 to 14,0 in tenths, nor \"-\"")
                .arg(text));
    return tenths;
}

const QStringList kDegreeFields = {kKey,
                                   kName,
                                   QStringLiteral("branch"),
                                   QStringLiteral("years"),
                                   QStringLiteral("group"),
                                   QStringLiteral("itineraries"),
                                   QStringLiteral("professions"),
                                   QStringLiteral("family"),
                                   QStringLiteral("subjects")};

// The degrees in the Spanish alphabetical order of their Castilian names, in
// every language: the catalogue's alphabetical arrangement shows the table
// in its own order, and degree numbers are the same in every language.
SourceTable alphabeticalDegrees(const SourceSet &sources)
{
    SourceSet castilian = sources;
    castilian.language.clear();
    QHash<QString, QByteArray> names;
    for (const SourceRecord &record : castilian.table(QStringLiteral("degrees.txt"), kDegreeFields).records)
        names.insert(record.values[0], record.values[1].toLatin1());
    SourceTable table = sources.table(QStringLiteral("degrees.txt"), kDegreeFields);
    std::stable_sort(table.records.begin(), table.records.end(),
                     [&](const SourceRecord &a, const SourceRecord &b) {
                         return velmira::spanishLess(names.value(a.values[0]), names.value(b.values[0]));
                     });
    return table;
}

void compileDegreeRows(const SourceSet &sources, const Professions &professions, const Families &families,
                       const KeyIndex &groups, const KeyIndex &subjects, KeyIndex &degrees, Degrees &out)
{
    const SourceTable table = alphabeticalDegrees(sources);
    velmira::DegreeRows rows;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int degree = int(out.carreran.size()) + 1;
        if (degree > kMaxDegrees)
            throw reader.error(QStringLiteral("more than %1 degrees").arg(kMaxDegrees));
        degrees.add(reader.value(kKey), degree, reader);
        out.carreran << reader.text(kName, 60);

        using namespace velmira::DegreeField;
        DegreeFacts &facts = out.facts.emplace_back();
        facts.branch = reader.number(QStringLiteral("branch"), 1, 5);
        facts.years = reader.number(QStringLiteral("years"), 3, 6);
        rows.set(degree, Branch, facts.branch);
        if (!reader.isEmpty(QStringLiteral("group")))
            rows.set(degree, Group,
                     groups.find(reader.value(QStringLiteral("group")), reader, QStringLiteral("group")));
        int k = FirstItinerary;
        for (const QString &itinerary : reader.list(QStringLiteral("itineraries"), 2)) {
            bool ok = false;
            const int n = itinerary.toInt(&ok);
            if (!ok || n < 1 || n > 12)
                throw reader.error(
                    QStringLiteral("field 'itineraries': \"%1\" is not an itinerary 1-12").arg(itinerary));
            rows.set(degree, k++, n);
        }
        k = FirstProfession;
        for (const QString &key : reader.list(QStringLiteral("professions"), 4)) {
            facts.professions << professionOfLevel(professions, key, DegreeLevel, reader,
                                                   QStringLiteral("professions"));
            rows.set(degree, k++, facts.professions.last());
        }
        rows.set(degree, Family, familyNumber(families, reader, QStringLiteral("family")));
        rows.set(degree, OutletCode, degree);
        k = FirstSubject;
        for (const QString &key : reader.list(QStringLiteral("subjects"), 4)) {
            rows.set(degree, k++,
                     key == QLatin1String("*") ? kAnySubject
                                               : subjects.find(key, reader, QStringLiteral("subjects")));
        }
    }
    out.datgrados = rows.toBytes();
}

void compileCentres(const SourceSet &sources, const Regions &regions, const KeyIndex &degrees, Degrees &out)
{
    const SourceTable table = sources.table(
        QStringLiteral("degree-centres.txt"),
        {QStringLiteral("degree"), QStringLiteral("university"), QStringLiteral("mark")}, Translation::None);
    // Five blocks; the program uses the first (centres) and the third (marks).
    const int blockBytes = kMaxDegrees * kDegreeBlockBytes;
    QByteArray blocks(5 * blockBytes, '\0');
    char *centres = blocks.data();
    char *marks = blocks.data() + 2 * blockBytes;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int degree =
            degrees.find(reader.value(QStringLiteral("degree")), reader, QStringLiteral("degree"));
        const int centre = regions.universities.find(reader.value(QStringLiteral("university")), reader,
                                                     QStringLiteral("university"));
        if (centre > 255)
            throw reader.error(
                QStringLiteral("centre %1 lies beyond line 255 of the universities").arg(centre));
        const int at = (degree - 1) * kDegreeBlockBytes;
        const int n = static_cast<unsigned char>(centres[at]) + 1;
        if (n > kMaxCentres)
            throw reader.error(QStringLiteral("a degree has at most %1 centres").arg(kMaxCentres));
        centres[at] = char(n);
        out.facts[degree - 1].centres = n;
        centres[at + n] = char(centre);
        marks[at] = char(n);
        marks[at + n] = char(markInTenths(reader));
    }
    out.datcarn = blocks;
}

// Group c belongs to centre c of "lugar": the program shows group c with the
// centre's degrees, and lists a region's groups by their code, the centre's
// region. So the centres that offer double degrees must be the first lines of
// universities.txt, each with at least one double degree.
void compileDoubleDegrees(const SourceSet &sources, const Regions &regions, const KeyIndex &degrees,
                          Degrees &out)
{
    const SourceTable table = sources.table(QStringLiteral("double-degrees.txt"),
                                            {QStringLiteral("university"), QStringLiteral("first"),
                                             QStringLiteral("second"), QStringLiteral("tag")},
                                            Translation::None);
    QMap<int, QList<QByteArray>> members; // centre -> member lines
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int centre = regions.universities.find(reader.value(QStringLiteral("university")), reader,
                                                     QStringLiteral("university"));
        if (centre > kMaxDoubleDegreeGroups)
            throw reader.error(
                QStringLiteral(
                    "centre %1 lies beyond line %2 of the universities, the last that can have a group")
                    .arg(centre)
                    .arg(kMaxDoubleDegreeGroups));
        QList<QByteArray> &lines = members[centre];
        if (lines.size() == kMaxDoubleDegreesPerGroup)
            throw reader.error(
                QStringLiteral("a centre has at most %1 double degrees").arg(kMaxDoubleDegreesPerGroup));
        lines << FixedLine()
                     .putZeroPadded(
                         5, 3,
                         degrees.find(reader.value(QStringLiteral("first")), reader, QStringLiteral("first")))
                     .putZeroPadded(8, 3,
                                    degrees.find(reader.value(QStringLiteral("second")), reader,
                                                 QStringLiteral("second")))
                     .put(11, reader.text(QStringLiteral("tag"), 4))
                     .bytes();
    }
    const int groups = members.isEmpty() ? 0 : members.lastKey();
    for (int centre = 1; centre <= groups; ++centre) {
        if (!members.contains(centre))
            throw SourceError{
                table.file, 0,
                QStringLiteral("line %1 of the universities offers no double degree but a later line does: "
                               "the centres that offer double degrees must come first")
                    .arg(centre)};
        out.dobles << FixedLine()
                          .putZeroPadded(1, 2, regions.universityRegions[centre - 1])
                          .put(3, regions.universityNames[centre - 1])
                          .bytes();
        out.dobles += members.value(centre);
    }
}

} // namespace

Degrees compileDegrees(const SourceSet &sources, const Regions &regions, const Professions &professions,
                       const Families &families)
{
    Degrees out;
    const KeyIndex groups =
        compileKeyedNames(sources.table(QStringLiteral("degree-groups.txt"), {kKey, kName}),
                          QStringLiteral("degree group"), 60, 1100, out.carreranb);
    const KeyIndex subjects =
        compileKeyedNames(sources.table(QStringLiteral("bachillerato-subjects.txt"), {kKey, kName}),
                          QStringLiteral("subject"), 70, kMaxSubjects, out.materiasp);
    compileDegreeRows(sources, professions, families, groups, subjects, out.keys, out);
    compileCentres(sources, regions, out.keys, out);
    compileDoubleDegrees(sources, regions, out.keys, out);
    return out;
}

} // namespace velmira::build
