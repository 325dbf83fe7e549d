#include "record_reader.h"

namespace velmira::build {

RecordReader::RecordReader(const SourceTable &table, const SourceRecord &record)
    : m_table(table)
    , m_record(record)
{
}

QString RecordReader::value(const QString &field) const
{
    const int index = m_table.fields.indexOf(field);
    Q_ASSERT(index >= 0); // the compilers only ask for fields of their own header
    return m_record.values.value(index);
}

QByteArray RecordReader::text(const QString &field, int maxWidth) const
{
    const QByteArray bytes = toLatin1(value(field), *this, field);
    if (bytes.size() > maxWidth)
        throw error(QStringLiteral("field '%1' is %2 characters long; at most %3 fit")
                        .arg(field)
                        .arg(bytes.size())
                        .arg(maxWidth));
    return bytes;
}

int RecordReader::number(const QString &field, int min, int max) const
{
    bool ok = false;
    const int n = value(field).toInt(&ok);
    if (!ok)
        throw error(QStringLiteral("field '%1' must be a number, not \"%2\"").arg(field, value(field)));
    if (n < min || n > max)
        throw error(
            QStringLiteral("field '%1': %2 is out of range %3-%4").arg(field).arg(n).arg(min).arg(max));
    return n;
}

QStringList RecordReader::list(const QString &field, int maxItems) const
{
    const QStringList items = splitList(value(field));
    if (items.size() > maxItems)
        throw error(QStringLiteral("field '%1' lists %2 items; at most %3 fit")
                        .arg(field)
                        .arg(items.size())
                        .arg(maxItems));
    return items;
}

SourceError RecordReader::error(const QString &what) const
{
    if (!m_record.translationFile.isEmpty())
        return SourceError{m_record.translationFile, m_record.translationLine,
                           what
                               + QStringLiteral(" (translating %1:%2)").arg(m_table.file).arg(m_record.line)};
    return SourceError{m_table.file, m_record.line, what};
}

QByteArray toLatin1(const QString &text, const RecordReader &at, const QString &field)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF || c.unicode() < 0x20)
            throw at.error(
                QStringLiteral("field '%1': character '%2' (U+%3) cannot be stored in Latin-1 text")
                    .arg(field, QString(c))
                    .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
    return text.toLatin1();
}

} // namespace velmira::build
