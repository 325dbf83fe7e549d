#include "vocational_titles.h"

#include "catalogue_line.h"
#include "member_blocks.h"
#include "record_reader.h"

#include "data/record_files.h"

namespace velmira::build {
namespace {

constexpr int kMaxHigherLines = 170; // "asignafp" holds 170 groups
constexpr int kMaxMiddleLines = 199; // "datfpm" holds 200 rows, one kept for the end line
constexpr int kNoFamily = -1;        // family number of a row that is no title
// Titles belong to any of the thirteen ESO itinerary groups; the thirteenth,
// the building and installation trades, has titles and no degrees.
constexpr int kTitleItineraries = 13;

const QString kKey = QStringLiteral("key");
const QString kName = QStringLiteral("name");
const QString kFamily = QStringLiteral("family");
const QString kProfessions = QStringLiteral("professions");
const QString kTitle = QStringLiteral("title");

// A heading's key may be empty; a title needs one. Headings and titles are
// indexed apart, so that only titles can be taught at a place.
void indexLine(const RecordReader &reader, int line, int family, KeyIndex &titles,
               CatalogueHeadings &headings)
{
    if (!isHeadingName(reader.value(kName))) {
        if (reader.isEmpty(kKey))
            throw reader.error(QStringLiteral("a title needs a key"));
        titles.add(reader.value(kKey), line, reader);
        return;
    }
    headings.families << family;
    if (!reader.isEmpty(kKey))
        headings.keys.add(reader.value(kKey), int(headings.families.size()), reader);
}

// Job positions fill slots 1-5 of a title's block and modules the slots from
// firstModule on.
void appendJobOrModule(MemberBlocks &blocks, int line, int firstModule, const RecordReader &reader)
{
    const QString kind = reader.value(QStringLiteral("kind"));
    const QByteArray text = reader.text(QStringLiteral("text"), 60);
    if (kind == QLatin1String("job"))
        blocks.append(line, 1, 5, text, reader);
    else if (kind == QLatin1String("subject"))
        blocks.append(line, firstModule, 25, text, reader);
    else
        throw reader.error(
            QStringLiteral("field 'kind' must be \"job\" or \"subject\", not \"%1\"").arg(kind));
}

void setProfessions(IntRows &rows, int row, int first, int count, StudyLevel level,
                    const RecordReader &reader, const Professions &professions)
{
    for (const QString &key : reader.list(kProfessions, count))
        rows.set(row, first++, professionOfLevel(professions, key, level, reader, kProfessions));
}

QList<QByteArray> compileRequirements(const SourceSet &sources, KeyIndex &index)
{
    const SourceTable table =
        sources.table(QStringLiteral("higher-requirements.txt"), {kKey, QStringLiteral("text")});
    QList<QByteArray> lines;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        lines << reader.text(QStringLiteral("text"), 45);
        if (!reader.isEmpty(kKey))
            index.add(reader.value(kKey), int(lines.size()), reader);
    }
    return lines;
}

} // namespace

HigherTitles compileHigherTitles(const SourceSet &sources, const Professions &professions,
                                 const Families &families)
{
    HigherTitles out;
    KeyIndex requirements(QStringLiteral("requirement"));
    out.reqfp = compileRequirements(sources, requirements);

    const SourceTable table = sources.table(
        QStringLiteral("higher-titles.txt"),
        {kKey, kName, kFamily, QStringLiteral("itineraries"), QStringLiteral("requirements"), kProfessions});
    velmira::HigherTitleRows rows;
    MemberBlocks subjects(QStringLiteral("subject"), 25, true);
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int line = int(out.fp.size()) + 1;
        if (line > kMaxHigherLines)
            throw reader.error(QStringLiteral("more than %1 lines").arg(kMaxHigherLines));
        const int family = familyNumber(families, reader, kFamily);
        indexLine(reader, line, family, out.titles, out.headings);
        out.fp << reader.text(kName, 60);
        subjects.addBlock(out.fp.last());

        int k = 0;
        for (const QString &itinerary : reader.list(QStringLiteral("itineraries"), 4)) {
            bool ok = false;
            const int n = itinerary.toInt(&ok);
            if (!ok || n < 1 || n > kTitleItineraries)
                throw reader.error(QStringLiteral("field 'itineraries': \"%1\" is not an itinerary 1-%2")
                                       .arg(itinerary)
                                       .arg(kTitleItineraries));
            rows.set(line, k++, n);
        }
        k = 4;
        for (const QString &key : reader.list(QStringLiteral("requirements"), 13))
            rows.set(line, k++, requirements.find(key, reader, QStringLiteral("requirements")));
        setProfessions(rows, line, 17, 6, HigherGradeLevel, reader, professions);
        rows.set(line, 23, family);
    }
    out.datfps = rows.toBytes();

    // Slot 6 stays blank: the subjects listing puts an empty line before slot 7,
    // between the job positions and the modules.
    const SourceTable subjectTable = sources.table(QStringLiteral("higher-subjects.txt"),
                                                   {kTitle, QStringLiteral("kind"), QStringLiteral("text")});
    for (const SourceRecord &record : subjectTable.records) {
        const RecordReader reader(subjectTable, record);
        appendJobOrModule(subjects, out.titles.find(reader.value(kTitle), reader, kTitle), 7, reader);
    }
    out.asignafp = subjects.lines();
    return out;
}

MiddleTitles compileMiddleTitles(const SourceSet &sources, const Professions &professions,
                                 const Families &families)
{
    MiddleTitles out;
    const SourceTable table =
        sources.table(QStringLiteral("middle-titles.txt"), {kKey, kName, kFamily, kProfessions});
    velmira::MiddleTitleRows rows;
    MemberBlocks modules(QStringLiteral("module"), 25, true);
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int line = int(out.fp2.size()) + 1;
        if (line > kMaxMiddleLines)
            throw reader.error(QStringLiteral("more than %1 lines").arg(kMaxMiddleLines));
        const int family = familyNumber(families, reader, kFamily);
        indexLine(reader, line, family, out.titles, out.headings);
        out.fp2 << reader.text(kName, 60);
        modules.addBlock(out.fp2.last());
        setProfessions(rows, line, 0, 3, MiddleGradeLevel, reader, professions);
        rows.set(line, 3, family);
    }
    // The explorer closes the last family with the line number "fp2 count + 1"
    // written over the last heading's, so an empty heading ends the file and
    // the last family keeps its titles. It belongs to no family.
    out.fp2 << QByteArray("-");
    modules.addBlock(out.fp2.last());
    rows.set(int(out.fp2.size()), 3, kNoFamily);
    out.datfpm = rows.toBytes();

    // Lines 1-5 of a title's block are its job positions, lines 6-25 its subjects.
    const SourceTable moduleTable = sources.table(QStringLiteral("middle-modules.txt"),
                                                  {kTitle, QStringLiteral("kind"), QStringLiteral("text")});
    for (const SourceRecord &record : moduleTable.records) {
        const RecordReader reader(moduleTable, record);
        appendJobOrModule(modules, out.titles.find(reader.value(kTitle), reader, kTitle), 6, reader);
    }
    out.asignagm = modules.lines();
    return out;
}

} // namespace velmira::build
