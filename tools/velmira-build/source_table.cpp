#include "source_table.h"

#include "source_error.h"

#include <QSet>
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
        table.records.push_back({lineNumber, values, {}, 0});
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

namespace {

enum class Overlay { Copy, Fields, Positions };

QString headerRule(const SourceTable &table, Translation how)
{
    const QString copy = QStringLiteral("\"#fields: %1\"").arg(table.fields.join(QStringLiteral(" | ")));
    switch (how) {
    case Translation::ByKey:
        return QStringLiteral("the header must be %1 or start with \"#fields: %2 |\"")
            .arg(copy, table.fields.value(0));
    case Translation::ByPosition:
        return QStringLiteral("the header must be %1 or start with \"#fields: # |\"").arg(copy);
    case Translation::WholeFile:
    case Translation::None: break;
    }
    return QStringLiteral("the header must be %1").arg(copy);
}

// Which kind of overlay a translation's header announces, or what is wrong with it.
QString overlayKind(const SourceTable &table, Translation how, const QStringList &fields, Overlay &kind)
{
    if (fields == table.fields) {
        kind = Overlay::Copy;
        return {};
    }
    const bool byPosition = fields.value(0) == QLatin1String("#");
    const bool byKey = fields.value(0) == table.fields.value(0);
    if (how == Translation::WholeFile || fields.size() < 2 || (byPosition && how != Translation::ByPosition)
        || (byKey && how != Translation::ByKey) || (!byPosition && !byKey))
        return headerRule(table, how);
    kind = byPosition ? Overlay::Positions : Overlay::Fields;
    for (int i = 1; i < fields.size(); ++i)
        if (!table.fields.contains(fields[i]) || (byKey && fields[i] == table.fields[0])
            || fields.indexOf(fields[i]) != i)
            return QStringLiteral("\"%1\" is not a field of %2 that can be translated")
                .arg(fields[i], table.file);
    return {};
}

SourceRecord translatedRecord(const SourceRecord &translation, const QString &file, int sourceLine)
{
    return {sourceLine, translation.values, file, translation.line};
}

// Each key of the copy replaces the source's records of that key, where the first of them stood.
void replaceBlocks(SourceTable &table, const SourceTable &copy)
{
    std::vector<SourceRecord> records;
    QSet<QString> replaced;
    for (const SourceRecord &source : table.records) {
        const QString &key = source.values[0];
        if (replaced.contains(key))
            continue;
        const auto translated = std::find_if(copy.records.begin(), copy.records.end(),
                                             [&](const SourceRecord &r) { return r.values[0] == key; });
        if (translated == copy.records.end()) {
            records.push_back(source);
            continue;
        }
        replaced.insert(key);
        for (auto it = translated; it != copy.records.end(); ++it)
            if (it->values[0] == key)
                records.push_back(translatedRecord(*it, copy.file, source.line));
    }
    for (const SourceRecord &record : copy.records)
        if (!replaced.contains(record.values[0]))
            throw SourceError{
                copy.file, record.line,
                record.values[0].isEmpty()
                    ? QStringLiteral("a translated record needs the key of the record it translates")
                    : QStringLiteral("no record \"%1\" in %2").arg(record.values[0], table.file)};
    table.records = std::move(records);
}

void replaceRecords(SourceTable &table, const SourceTable &copy, Translation how)
{
    if (how == Translation::WholeFile) {
        table.records.clear();
        for (const SourceRecord &record : copy.records)
            table.records.push_back(translatedRecord(record, copy.file, record.line));
        return;
    }
    if (copy.records.size() != table.records.size())
        throw SourceError{
            copy.file, 0,
            QStringLiteral("%1 records where %2 has %3: a translated copy keeps every record in its place")
                .arg(copy.records.size())
                .arg(table.file)
                .arg(table.records.size())};
    for (size_t i = 0; i < copy.records.size(); ++i)
        table.records[i] = translatedRecord(copy.records[i], copy.file, table.records[i].line);
}

void replaceFields(SourceTable &table, const SourceTable &translation, bool byPosition)
{
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
            const auto sameKey = [&](const SourceRecord &r) { return r.values[0] == key; };
            target = std::find_if(table.records.begin(), table.records.end(), sameKey);
            if (const auto count = std::count_if(table.records.begin(), table.records.end(), sameKey);
                count > 1)
                throw SourceError{translation.file, record.line,
                                  QStringLiteral("\"%1\" names %2 records of %3: translate them with the "
                                                 "header \"#fields: %4\"")
                                      .arg(key)
                                      .arg(count)
                                      .arg(table.file, table.fields.join(QStringLiteral(" | ")))};
        }
        if (target == table.records.end() || key.isEmpty())
            throw SourceError{translation.file, record.line,
                              QStringLiteral("no record \"%1\" in %2").arg(key, table.file)};
        for (int i = 0; i < columns.size(); ++i)
            target->values[columns[i]] = record.values[i + 1];
        target->translationFile = translation.file;
        target->translationLine = record.line;
    }
}

} // namespace

void applyTranslation(SourceTable &table, const QString &file, const QByteArray &utf8, Translation how)
{
    if (how == Translation::None)
        throw SourceError{
            file, 0,
            QStringLiteral("%1 is the same in every language: it has no translation").arg(table.file)};
    Overlay kind = Overlay::Copy;
    const SourceTable translation = parseWithHeader(
        file, utf8, [&](const QStringList &fields) { return overlayKind(table, how, fields, kind); });
    if (kind == Overlay::Copy && how == Translation::ByKey)
        replaceBlocks(table, translation);
    else if (kind == Overlay::Copy)
        replaceRecords(table, translation, how);
    else
        replaceFields(table, translation, kind == Overlay::Positions);
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
