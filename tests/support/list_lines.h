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

inline QStringList displayed(const std::vector<QByteArray> &lines)
{
    QStringList shown;
    for (const QByteArray &line : lines)
        shown << velmira::displayText(line);
    return shown;
}

} // namespace testsupport
