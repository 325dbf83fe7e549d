#include "interface_texts_source.h"

#include "record_reader.h"

#include "data/interface_texts.h"

#include <map>

namespace velmira::build {

const QStringList &interfaceTextFields()
{
    static const QStringList fields = {QStringLiteral("line"), QStringLiteral("text")};
    return fields;
}

QList<QByteArray> compileInterfaceTexts(const SourceTable &table)
{
    std::map<int, QByteArray> texts;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int line = reader.number(QStringLiteral("line"), 1, velmira::kTextLines);
        const int slot = velmira::textSlotCapacity(line);
        const QByteArray text = reader.text(QStringLiteral("text"), slot > 0 ? slot : velmira::kTextCapacity);
        if (!texts.emplace(line, text).second)
            throw reader.error(QStringLiteral("line %1 is given twice").arg(line));
    }
    QList<QByteArray> lines;
    for (const auto &[line, text] : texts) {
        while (lines.size() < line - 1)
            lines << QByteArray();
        lines << text;
    }
    return lines;
}

} // namespace velmira::build
