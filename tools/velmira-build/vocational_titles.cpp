#include "vocational_titles.h"

#include "catalogue_line.h"
#include "member_blocks.h"
#include "record_reader.h"

#include "data/record_files.h"

namespace velmira::build {
namespace {

constexpr int kMaxHigherLines = 170; // "asignafp" holds 170 groups
constexpr int kMaxMiddleLines = 200;

const QString kKey = QStringLiteral("key");
const QString kName = QStringLiteral("name");
const QString kFamily = QStringLiteral("family");
const QString kProfessions = QStringLiteral("professions");
const QString kTitle = QStringLiteral("title");

// A heading's key may be empty; a title needs one.
void requireKey(const RecordReader &reader)
{
    if (reader.isEmpty(kKey) && !isHeadingName(reader.value(kName)))
        throw reader.error(QStringLiteral("a title needs a key"));
}

void setProfessions(IntRows &rows, int row, int first, int count, const RecordReader &reader,
                    const Professions &professions)
{
    for (const QString &key : reader.list(kProfessions, count))
        rows.set(row, first++, professions.professions.find(key, reader, kProfessions));
}

QList<QByteArray> compileRequirements(const SourceSet &sources, KeyIndex &index)
{
    const SourceTable table = sources.table(QStringLiteral("higher-requirements.txt"),
                                            {kKey, QStringLiteral("text")});
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
        requireKey(reader);
        const int line = int(out.fp.size()) + 1;
        if (line > kMaxHigherLines)
            throw reader.error(QStringLiteral("more than %1 lines").arg(kMaxHigherLines));
        if (!reader.isEmpty(kKey))
            out.titles.add(reader.value(kKey), line, reader);
        out.fp << reader.text(kName, 60);
        subjects.addBlock(out.fp.last());

        int k = 0;
        for (const QString &itinerary : reader.list(QStringLiteral("itineraries"), 4)) {
            bool ok = false;
            const int n = itinerary.toInt(&ok);
            if (!ok || n < 1 || n > 12)
                throw reader.error(QStringLiteral("field 'itineraries': \"%1\" is not an itinerary 1-12").arg(itinerary));
            rows.set(line, k++, n);
        }
        k = 4;
        for (const QString &key : reader.list(QStringLiteral("requirements"), 13))
            rows.set(line, k++, requirements.find(key, reader, QStringLiteral("requirements")));
        setProfessions(rows, line, 17, 6, reader, professions);
        rows.set(line, 23, familyNumber(families, reader, kFamily));
    }
    out.datfps = rows.toBytes();

    const SourceTable subjectTable = sources.table(QStringLiteral("higher-subjects.txt"),
                                                   {kTitle, QStringLiteral("subject")});
    for (const SourceRecord &record : subjectTable.records) {
        const RecordReader reader(subjectTable, record);
        const int line = out.titles.find(reader.value(kTitle), reader, kTitle);
        subjects.append(line, 1, 25, reader.text(QStringLiteral("subject"), 60), reader);
    }
    out.asignafp = subjects.lines();
    return out;
}

MiddleTitles compileMiddleTitles(const SourceSet &sources, const Professions &professions,
                                 const Families &families)
{
    MiddleTitles out;
    const SourceTable table = sources.table(QStringLiteral("middle-titles.txt"),
                                            {kKey, kName, kFamily, kProfessions});
    velmira::MiddleTitleRows rows;
    MemberBlocks modules(QStringLiteral("module"), 25, true);
    int headings = 0;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        requireKey(reader);
        const int line = int(out.fp2.size()) + 1;
        if (line > kMaxMiddleLines)
            throw reader.error(QStringLiteral("more than %1 lines").arg(kMaxMiddleLines));
        if (isHeadingName(reader.value(kName))) {
            ++headings;
            if (!reader.isEmpty(kKey))
                out.families.add(reader.value(kKey), headings, reader);
        } else {
            out.titles.add(reader.value(kKey), line, reader);
        }
        out.fp2 << reader.text(kName, 60);
        modules.addBlock(out.fp2.last());
        setProfessions(rows, line, 0, 3, reader, professions);
        rows.set(line, 3, familyNumber(families, reader, kFamily));
    }
    out.datfpm = rows.toBytes();

    // Lines 1-5 of a title's block are its job positions, lines 6-25 its subjects.
    const SourceTable moduleTable = sources.table(QStringLiteral("middle-modules.txt"),
                                                  {kTitle, QStringLiteral("kind"), QStringLiteral("text")});
    for (const SourceRecord &record : moduleTable.records) {
        const RecordReader reader(moduleTable, record);
        const int line = out.titles.find(reader.value(kTitle), reader, kTitle);
        const QString kind = reader.value(QStringLiteral("kind"));
        const QByteArray text = reader.text(QStringLiteral("text"), 60);
        if (kind == QLatin1String("job"))
            modules.append(line, 1, 5, text, reader);
        else if (kind == QLatin1String("subject"))
            modules.append(line, 6, 25, text, reader);
        else
            throw reader.error(QStringLiteral("field 'kind' must be \"job\" or \"subject\", not \"%1\"").arg(kind));
    }
    out.asignagm = modules.lines();
    return out;
}

} // namespace velmira::build
