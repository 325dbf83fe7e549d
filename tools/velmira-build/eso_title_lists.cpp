#include "eso_title_lists.h"

#include "fixed_line.h"
#include "record_reader.h"

#include "data/text_bytes.h"

namespace velmira::build {
namespace {

constexpr int kLists = 7;      // characters 1-7: digit k for list k
constexpr int kTextWidth = 43; // characters 8-50

const QString kListsField = QStringLiteral("lists");
const QString kTitle = QStringLiteral("title");
const QString kText = QStringLiteral("text");

// "1, 3" as "1 3": character k is the digit k when k is listed.
QByteArray listDigits(const RecordReader &reader)
{
    QByteArray out(kLists, ' ');
    for (const QString &item : reader.list(kListsField, kLists)) {
        bool ok = false;
        const int digit = item.toInt(&ok);
        if (!ok || digit < 1 || digit > kLists)
            throw reader.error(
                QStringLiteral("field 'lists': \"%1\" is not a list number 1-%2").arg(item).arg(kLists));
        out[digit - 1] = char('0' + digit);
    }
    return out;
}

} // namespace

QList<QByteArray> compileEsoTitleLists(const SourceSet &sources, const HigherTitles &higher)
{
    const SourceTable table =
        sources.table(QStringLiteral("eso-degree-lists.txt"), {kTitle, kListsField, kText});
    QList<QByteArray> lines;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int line = higher.titles.find(reader.value(kTitle), reader, kTitle);
        QByteArray text = reader.text(kText, kTextWidth);
        if (text.isEmpty()) {
            // Measured as UTF mode stores it, so that the name is never cut.
            text = higher.fp[line - 1];
            if (const qsizetype bytes = velmira::latin1ToUtf8(text).size(); bytes > kTextWidth)
                throw reader.error(
                    QStringLiteral("the title's name%1 takes %2 bytes in UTF mode; give a text "
                                   "that fits %3")
                        .arg(sources.language.isEmpty() ? QString()
                                                        : QStringLiteral(" in ") + sources.language)
                        .arg(bytes)
                        .arg(kTextWidth));
        }
        lines << FixedLine().put(1, listDigits(reader)).put(kLists + 1, text).bytes();
    }
    return lines;
}

} // namespace velmira::build
