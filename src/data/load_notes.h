#pragma once
// Notes about data that the program tolerates but an installation should not
// contain: lines beyond a table's capacity, unreadable numbers, short record
// files. The program ignores them; the data tool collects them.

#include <QByteArray>
#include <QString>

#include <vector>

namespace velmira {

struct LoadNote
{
    QByteArray file;
    int line = 0; // 0 when the note concerns the whole file
    QString what;
};

// Starts collecting into the list (nullptr stops). Not collecting is the default.
void collectLoadNotes(std::vector<LoadNote> *notes);
bool collectingLoadNotes();
void addLoadNote(const QByteArray &file, int line, const QString &what);

} // namespace velmira
