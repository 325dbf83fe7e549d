#pragma once
// The readable source format: a "#fields: a | b | c" header, then one record
// per line with its values separated by "|". Blank lines and lines starting
// with "#" are skipped. Values are trimmed; a value wrapped in double quotes
// keeps its blanks and may hold "|"; "~" stands for an empty value.

#include <QString>
#include <QStringList>

#include <vector>

namespace velmira::build {

struct SourceRecord
{
    int line = 0;       // line number in the source file, from 1
    QStringList values; // one per field, in header order
    // Set when a translation replaced some values, so that a value that does
    // not fit is reported where it was written.
    QString translationFile;
    int translationLine = 0;
};

struct SourceTable
{
    QString file;
    QStringList fields;
    std::vector<SourceRecord> records;
};

// Refuses a header other than the expected fields, a record with the wrong
// number of values and text that is not valid UTF-8.
SourceTable parseSourceTable(const QString &file, const QByteArray &utf8, const QStringList &expectedFields);

// A translation of a source: its "#fields:" header is the source's key field
// followed by some of its other fields, and each record replaces those fields
// of the source record with the same key. A source without a key is
// translated by position: the header starts with "#" and each record with
// the number of the record it translates. Refuses an unknown key or field.
void applyTranslation(SourceTable &table, const QString &file, const QByteArray &utf8);

// "a, b, c" as a list of trimmed items; an empty value gives an empty list.
QStringList splitList(const QString &value);

} // namespace velmira::build
