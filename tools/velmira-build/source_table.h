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

// How a language directory's file of the same name translates a source.
enum class Translation {
    ByKey,      // the first field is a key; several records may share one (a block)
    ByPosition, // the records have no key
    WholeFile,  // written line by line as installed: a translation may be longer or shorter
    None,       // the compiled file is the same in every language
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

// Applies a translation of a source, refusing anything that would be
// ignored (an unknown key or field, a translation of a source that has
// none). The translation's "#fields:" header says how it is keyed:
// - the source's own header: a translated copy. For a keyed source each key
//   it gives replaces every record of that key (so a block of lines may grow
//   or shrink); a source without keys is replaced record by record, and must
//   keep its number of records unless it is written as installed.
// - "key | some fields": those fields of the one record with that key.
// - "# | some fields" (sources without keys): those fields of the record at
//   that position, counted from 1.
void applyTranslation(SourceTable &table, const QString &file, const QByteArray &utf8, Translation how);

// "a, b, c" as a list of trimmed items; an empty value gives an empty list.
QStringList splitList(const QString &value);

} // namespace velmira::build
