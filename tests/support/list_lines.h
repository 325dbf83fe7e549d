#pragma once
// A list's rows as the pupil reads them, and stored lines as the program
// shows them, to compare the two.

#include "data/text_bytes.h"

#include <QByteArray>
#include <QListWidget>
#include <QStringList>

#include <vector>

namespace testsupport {

inline QStringList shownLines(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// The rows the pupil has marked.
inline std::vector<int> selectedRows(const QListWidget *list)
{
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows.push_back(i);
    return rows;
}

// A stored line as the program shows it, its trailing blanks cut.
inline QString shown(const QByteArray &stored)
{
    return velmira::displayText(velmira::trimTrailingBlanks(stored));
}

inline QStringList displayed(const std::vector<QByteArray> &lines)
{
    QStringList shown;
    for (const QByteArray &line : lines)
        shown << velmira::displayText(line);
    return shown;
}

} // namespace testsupport
