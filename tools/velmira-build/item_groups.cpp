#include "item_groups.h"

#include "record_reader.h"

#include "data/record_files.h"

namespace velmira::build {

QByteArray compileItemGroups(const SourceSet &sources, const ItemCounts &counts)
{
    using Record = velmira::ItemGroupRecord;
    const SourceTable table = sources.table(
        QStringLiteral("item-groups.txt"),
        {QStringLiteral("record"), QStringLiteral("group"), QStringLiteral("items")}, Translation::None);
    const QStringList records = {QStringLiteral("qualities"), QStringLiteral("interests"),
                                 QStringLiteral("questions")};
    const int limits[3] = {counts.qualities, counts.interests, qMin(counts.questions, 255)};

    QByteArray bytes(3 * Record::kRecordBytes, '\0');
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int r = int(records.indexOf(reader.value(QStringLiteral("record"))));
        if (r < 0)
            throw reader.error(
                QStringLiteral("field 'record' must be one of: %1").arg(records.join(QStringLiteral(", "))));
        const int group = reader.number(QStringLiteral("group"), 1, Record::kGroups);
        char *at = bytes.data() + r * Record::kRecordBytes + (group - 1) * Record::kGroupBytes;
        if (at[0] != 0)
            throw reader.error(QStringLiteral("group %1 of %2 is given twice").arg(group).arg(records[r]));
        const QStringList items = reader.list(QStringLiteral("items"), Record::kGroupBytes - 1);
        at[0] = char(items.size());
        int k = 1;
        for (const QString &item : items) {
            bool ok = false;
            const int n = item.toInt(&ok);
            if (!ok || n < 1 || n > limits[r])
                throw reader.error(QStringLiteral("field 'items': \"%1\" is not one of the %2 1-%3")
                                       .arg(item, records[r])
                                       .arg(limits[r]));
            at[k++] = char(n);
        }
    }
    return bytes;
}

} // namespace velmira::build
