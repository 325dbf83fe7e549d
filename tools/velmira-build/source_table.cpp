#include "source_table.h"

#include "source_error.h"

#include <QStringDecoder>

#include <algorithm>
#include <functional>

namespace velmira::build {
namespace {

const QString kHeader = QStringLiteral("#fields:");

QString cleanValue(const QString &raw)
{
    const QString value = raw.trimmed();
    if (value == QLatin1String("~"))
        return {};
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return value.mid(1, value.size() - 2);
    return value;
}

// Splits at "|" outside double quotes, so that a quoted value may hold one.
QStringList splitValues(const QString &line)
{
    QStringList values;
    QString current;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char('|') && !quoted) {
            values << cleanValue(current);
            current.clear();
        } else {
            current += c;
        }
    }
    values << cleanValue(current);
    return values;
}

} // namespace

namespace {

using HeaderCheck = std::function<QString(const QStringList &fields)>;

// Parses a source whose header `check` accepts (it returns what is wrong, or
// nothing).
SourceTable parseWithHeader(const QString &file, const QByteArray &utf8, const HeaderCheck &check)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(utf8);
    if (decoder.hasError())
        throw SourceError{file, 0, QStringLiteral("the file is not valid UTF-8")};

    SourceTable table;
    table.file = file;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(kHeader)) {
            if (!table.fields.isEmpty())
                throw SourceError{file, lineNumber, QStringLiteral("a second #fields header")};
            QStringList fields;
            for (const QString &field : line.mid(kHeader.size()).split(QLatin1Char('|')))
                fields << field.trimmed();
            if (const QString wrong = check(fields); !wrong.isEmpty())
                throw SourceError{file, lineNumber, wrong};
            table.fields = fields;
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (table.fields.isEmpty())
            throw SourceError{file, lineNumber, QStringLiteral("a record before the #fields header")};
        QStringList values = splitValues(line);
        if (values.size() != table.fields.size())
            throw SourceError{file, lineNumber,
                              QStringLiteral("%1 values where %2 fields are expected")
                                  .arg(values.size())
                                  .arg(table.fields.size())};
        table.records.push_back({lineNumber, values});
    }
    if (table.fields.isEmpty())
        throw SourceError{file, 0, QStringLiteral("no #fields header")};
    return table;
}

} // namespace

SourceTable parseSourceTable(const QString &file, const QByteArray &utf8, const QStringList &expectedFields)
{
    return parseWithHeader(file, utf8, [&](const QStringList &fields) {
        if (fields == expectedFields)
            return QString();
        return QStringLiteral("the header must be \"#fields: %1\"")
            .arg(expectedFields.join(QStringLiteral(" | ")));
    });
}

void applyTranslation(SourceTable &table, const QString &file, const QByteArray &utf8)
{
    // Sources without a key are translated record by record: the key "#" is
    // the record's position in the source, from 1.
    const QString keyField = table.fields.value(0);
    bool byPosition = false;
    const SourceTable translation = parseWithHeader(file, utf8, [&](const QStringList &fields) {
        byPosition = fields.value(0) == QLatin1String("#");
        if ((!byPosition && fields.value(0) != keyField) || fields.size() < 2)
            return QStringLiteral("the header must start with \"#fields: %1 |\" or \"#fields: # |\"")
                .arg(keyField);
        for (int i = 1; i < fields.size(); ++i)
            if (!table.fields.contains(fields[i]) || (!byPosition && fields[i] == keyField)
                || fields.indexOf(fields[i]) != i)
                return QStringLiteral("\"%1\" is not a field of %2 that can be translated")
                    .arg(fields[i], table.file);
        return QString();
    });
    QList<int> columns;
    for (int i = 1; i < translation.fields.size(); ++i)
        columns << int(table.fields.indexOf(translation.fields[i]));
    for (const SourceRecord &record : translation.records) {
        const QString &key = record.values[0];
        auto target = table.records.end();
        if (byPosition) {
            bool ok = false;
            const int position = key.toInt(&ok);
            if (ok && position >= 1 && position <= int(table.records.size()))
                target = table.records.begin() + (position - 1);
        } else {
            target = std::find_if(table.records.begin(), table.records.end(),
                                  [&](const SourceRecord &r) { return r.values[0] == key; });
        }
        if (target == table.records.end())
            throw SourceError{file, record.line,
                              QStringLiteral("no record \"%1\" in %2").arg(key, table.file)};
        for (int i = 0; i < columns.size(); ++i)
            target->values[columns[i]] = record.values[i + 1];
        target->translationFile = file;
        target->translationLine = record.line;
    }
}

QStringList splitList(const QString &value)
{
    QStringList items;
    for (const QString &item : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString trimmed = item.trimmed();
        if (!trimmed.isEmpty())
            items << trimmed;
    }
    return items;
}

} // namespace velmira::build
