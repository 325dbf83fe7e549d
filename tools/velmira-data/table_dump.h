#pragma once
// Prints a table as the program holds it once loaded: one entry per line
// (index, a tab, the stored bytes), or one row of integers per line for the
// record files.

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmira {

// The dump of the file NAME (as the program opens it, with its language
// directory where it has one) of the installation in the directory; nothing,
// with the reason in *error, when the name is unknown or the file unreadable.
std::optional<QByteArray> dumpTable(const QString &directory, const QByteArray &name, QString *error);

} // namespace velmira
