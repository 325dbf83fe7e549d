#pragma once
// Why a file of the installation cannot be read, in the words the data
// tool reports: the program itself only knows that opening it failed.

#include <QByteArray>
#include <QString>

namespace velmira {

// "missing file", "a directory, not a file", "a link that leads nowhere" or
// "unreadable: " + the system's reason; empty when the file can be read.
QString whyUnreadable(const QString &path);

// The same for a data file (name as opened) that could not be read.
QString unreadableFileNote(const QByteArray &name);

} // namespace velmira
