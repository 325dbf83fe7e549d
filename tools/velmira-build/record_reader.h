#pragma once
// Reads the values of one source record by field name, refusing values that
// do not fit: text too long for its columns or outside Latin-1, numbers that
// are not numbers or lie out of range.

#include "source_error.h"
#include "source_table.h"

#include <QByteArray>

namespace velmira::build {

class RecordReader
{
public:
    RecordReader(const SourceTable &table, const SourceRecord &record);

    QString value(const QString &field) const;
    bool isEmpty(const QString &field) const { return value(field).isEmpty(); }
    // Latin-1 bytes of the value, at most maxWidth characters.
    QByteArray text(const QString &field, int maxWidth) const;
    int number(const QString &field, int min, int max) const;
    QStringList list(const QString &field, int maxItems) const;

    SourceError error(const QString &what) const;

private:
    const SourceTable &m_table;
    const SourceRecord &m_record;
};

// Latin-1 bytes of a text, or a refusal naming the first character that has none.
QByteArray toLatin1(const QString &text, const RecordReader &at, const QString &field);

} // namespace velmira::build
