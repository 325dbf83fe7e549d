#include "middle_questionnaire.h"

#include "fixed_line.h"
#include "record_reader.h"

namespace velmira::build {
namespace {

constexpr int kAreas = 11;
constexpr int kMaxItems = 100;
constexpr int kLastFamily = 30; // "A" to "U" stand for families 10 to 30

const QString kFamily = QStringLiteral("family");
const QString kTitle = QStringLiteral("title");

char familyCharacter(int family) { return family < 10 ? char('0' + family) : char('A' + family - 10); }

// "*" every title of the family, "1-2" its first two, or the key of one of
// its first nine titles.
char titleCharacter(const RecordReader &reader, int family, const QList<int> &headingLines,
                    const MiddleTitles &middle)
{
    const QString title = reader.value(kTitle);
    if (title == QLatin1String("*"))
        return 'T';
    if (title == QLatin1String("1-2"))
        return 'Z';
    const int line = middle.titles.find(title, reader, kTitle);
    const int heading = headingLines[family - 1];
    const int next = family < headingLines.size() ? headingLines[family] : int(middle.fp2.size()) + 1;
    if (line < heading || line >= next)
        throw reader.error(QStringLiteral("field 'title': \"%1\" is not a title of family \"%2\"")
                               .arg(title, reader.value(kFamily)));
    if (line - heading > 9)
        throw reader.error(
            QStringLiteral("field 'title': \"%1\" is title %2 of its family; only the first nine "
                           "can be named one by one")
                .arg(title)
                .arg(line - heading));
    return char('0' + line - heading);
}

} // namespace

QList<QByteArray> compileMiddleQuestionnaire(const SourceSet &sources, const MiddleTitles &middle)
{
    QList<QByteArray> lines;
    const SourceTable areas = sources.table(QStringLiteral("middle-questionnaire-areas.txt"),
                                            {QStringLiteral("text")}, Translation::ByPosition);
    if (areas.records.size() != kAreas)
        throw SourceError{areas.file, 0, QStringLiteral("there must be exactly %1 areas").arg(kAreas)};
    for (const SourceRecord &record : areas.records)
        lines << RecordReader(areas, record).text(QStringLiteral("text"), 75);

    QList<int> headingLines;
    for (int line = 1; line <= middle.fp2.size(); ++line)
        if (middle.fp2[line - 1].startsWith('-'))
            headingLines << line;

    const SourceTable items = sources.table(
        QStringLiteral("middle-questionnaire.txt"),
        {kFamily, kTitle, QStringLiteral("area1"), QStringLiteral("area2"), QStringLiteral("text")},
        Translation::ByPosition);
    for (const SourceRecord &record : items.records) {
        const RecordReader reader(items, record);
        if (lines.size() == kAreas + kMaxItems)
            throw reader.error(QStringLiteral("more than %1 items").arg(kMaxItems));
        const int family = middle.headings.keys.find(reader.value(kFamily), reader, kFamily);
        if (family > kLastFamily)
            throw reader.error(
                QStringLiteral("field 'family': only families 1-%1 can be named").arg(kLastFamily));
        // Area 10 is written 0; a second area of 0 means none.
        const int first = reader.number(QStringLiteral("area1"), 1, 10) % 10;
        const int second =
            reader.isEmpty(QStringLiteral("area2")) ? 0 : reader.number(QStringLiteral("area2"), 1, 9);
        QByteArray code;
        code += familyCharacter(family);
        code += titleCharacter(reader, family, headingLines, middle);
        code += char('0' + first);
        code += char('0' + second);
        lines << FixedLine().put(1, code).put(5, reader.text(QStringLiteral("text"), 70)).bytes();
    }
    return lines;
}

} // namespace velmira::build
