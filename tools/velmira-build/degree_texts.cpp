#include "degree_texts.h"

#include "fixed_line.h"
#include "record_reader.h"

#include <QMap>

namespace velmira::build {
namespace {

constexpr int kTextWidth = 75;
const QByteArray kKeyMark = "<<"; // starts a block; the program never shows such a line

QByteArray textLine(const RecordReader &reader)
{
    const QByteArray line = reader.text(QStringLiteral("text"), kTextWidth);
    if (line.contains(kKeyMark))
        throw reader.error(QStringLiteral("field 'text': \"<<\" would start a new block"));
    return line;
}

} // namespace

QByteArray compileDegreeTexts(const SourceSet &sources, const Degrees &degrees)
{
    const SourceTable table =
        sources.table(QStringLiteral("degree-texts.txt"), {QStringLiteral("degree"), QStringLiteral("text")});
    QMap<int, QList<QByteArray>> texts; // degree number -> its lines
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        texts[degrees.keys.find(reader.value(QStringLiteral("degree")), reader, QStringLiteral("degree"))]
            << textLine(reader);
    }
    QList<QByteArray> lines;
    for (int degree = 1; degree <= degrees.carreran.size(); ++degree) {
        if (!texts.contains(degree))
            throw SourceError{table.file, 0,
                              QStringLiteral("degree %1 (%2) has no text")
                                  .arg(degree)
                                  .arg(QString::fromLatin1(degrees.carreran[degree - 1]))};
        // The key line, then two lines the program skips: the name and a rule.
        const QByteArray &name = degrees.carreran[degree - 1];
        lines << FixedLine().put(1, kKeyMark).putNumber(3, 3, degree).put(7, name).bytes();
        lines << name;
        lines << QByteArray(name.size(), '=');
        lines += texts.value(degree);
    }
    lines << kKeyMark; // the last block ends at a key mark too
    return textFile(lines);
}

QByteArray compileMasterText(const SourceSet &sources)
{
    const SourceTable table = sources.table(QStringLiteral("master-text.txt"), {QStringLiteral("text")});
    QList<QByteArray> lines;
    for (const SourceRecord &record : table.records)
        lines << RecordReader(table, record).text(QStringLiteral("text"), kTextWidth);
    return textFile(lines);
}

} // namespace velmira::build
