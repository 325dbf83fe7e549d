#include "list_layouts.h"

#include "fixed_line.h"
#include "record_reader.h"

#include <map>

namespace velmira::build {
namespace {

const QString kLine = QStringLiteral("line");

QByteArray compileLine(const RecordReader &reader, const QList<Column> &columns)
{
    FixedLine line;
    for (const Column &column : columns) {
        switch (column.kind) {
        case Column::Text: line.put(column.column, reader.text(column.field, column.width)); break;
        case Column::Number:
            line.putNumber(column.column, column.width, reader.number(column.field, column.min, column.max));
            break;
        }
    }
    return line.bytes();
}

} // namespace

QStringList layoutFields(const ListLayout &layout)
{
    QStringList fields;
    if (layout.numbered)
        fields << kLine;
    for (const Column &column : layout.columns)
        fields << column.field;
    return fields;
}

QList<QByteArray> compileList(const SourceTable &table, const ListLayout &layout)
{
    std::map<int, QByteArray> numbered;
    QList<QByteArray> lines;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const QByteArray line = compileLine(reader, layout.columns);
        if (!layout.numbered) {
            if (lines.size() == layout.maxLines)
                throw reader.error(QStringLiteral("more than %1 lines").arg(layout.maxLines));
            lines << line;
            continue;
        }
        const int n = reader.number(kLine, 1, layout.maxLines);
        if (!numbered.emplace(n, line).second)
            throw reader.error(QStringLiteral("line %1 is given twice").arg(n));
    }
    for (const auto &[n, line] : numbered) {
        while (lines.size() < n - 1)
            lines << QByteArray();
        lines << line;
    }
    return lines;
}

const QList<ListLayout> &listLayouts()
{
    using C = Column;
    static const QList<ListLayout> layouts = {
        {QStringLiteral("itineraries.txt"),
         QStringLiteral("itinerar"),
         Translation::ByKey,
         {{QStringLiteral("text"), 1, 60}},
         true},
        {QStringLiteral("qualities.txt"),
         QStringLiteral("cualidad"),
         Translation::ByPosition,
         {{QStringLiteral("text"), 1, 60}}},
        {QStringLiteral("interests.txt"),
         QStringLiteral("interes"),
         Translation::ByPosition,
         {{QStringLiteral("text"), 1, 60}}},
        {QStringLiteral("eso-subjects.txt"),
         QStringLiteral("materias"),
         Translation::ByPosition,
         {{QStringLiteral("group"), 1, 1, C::Number, 0, 9},
          {QStringLiteral("kind"), 2, 1, C::Number, 0, 9},
          {QStringLiteral("name"), 3, 58}}},
        {QStringLiteral("information.txt"),
         QStringLiteral("informa"),
         Translation::ByKey,
         {{QStringLiteral("code"), 1, 2, C::Number, 1, 99}, {QStringLiteral("text"), 3, 58}}},
        {QStringLiteral("eso-questions.txt"),
         QStringLiteral("cuestion"),
         Translation::ByPosition,
         {{QStringLiteral("weight"), 1, 1, C::Number, 0, 9},
          {QStringLiteral("scale"), 2, 1, C::Number, 0, 9},
          {QStringLiteral("text"), 3, 48}},
         false,
         255},
        {QStringLiteral("artistic/artes-plasticas.txt"),
         QStringLiteral("artesplas"),
         Translation::WholeFile,
         {{QStringLiteral("text"), 1, 90}}},
        {QStringLiteral("artistic/musica.txt"),
         QStringLiteral("musica"),
         Translation::WholeFile,
         {{QStringLiteral("text"), 1, 90}}},
        {QStringLiteral("artistic/danza.txt"),
         QStringLiteral("danza"),
         Translation::WholeFile,
         {{QStringLiteral("text"), 1, 90}}},
        {QStringLiteral("artistic/arte-dramatico.txt"),
         QStringLiteral("dramatico"),
         Translation::WholeFile,
         {{QStringLiteral("text"), 1, 90}}},
    };
    return layouts;
}

} // namespace velmira::build
