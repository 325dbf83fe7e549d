#pragma once
// Files that are plain lists of fixed-column lines, one source record per
// line (or, for numbered lists, the record's "line" field says which line).

#include "sources.h"

#include <QList>
#include <QString>

namespace velmira::build {

struct Column
{
    enum Kind { Text, Number };
    QString field;
    int column = 1; // first character, counted from 1
    int width = 0;
    Kind kind = Text;
    int min = 0; // Number: the accepted range
    int max = 0;
};

struct ListLayout
{
    QString source;
    QString output;
    Translation translation;
    QList<Column> columns;
    bool numbered = false; // a "line" field places each record
    int maxLines = 1100;
};

// The Latin-1 lines of the output file.
QList<QByteArray> compileList(const SourceTable &table, const ListLayout &layout);

// The header fields a layout's source must have.
QStringList layoutFields(const ListLayout &layout);

// Every list-shaped file of the installation.
const QList<ListLayout> &listLayouts();

} // namespace velmira::build
