#pragma once
// The content sources held in memory, and the compiled installation: every
// file the program reads, by its path inside the installation directory.

#include "source_table.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace velmira::build {

struct SourceSet
{
    QMap<QString, QByteArray> files; // path inside the content directory -> UTF-8 text
    QString language;                // a language directory, or empty for Castilian

    // Refuses a missing source as well as one that does not fit its header.
    // For a language, its translation (language/file) is applied when there is one.
    SourceTable table(const QString &file, const QStringList &fields,
                      Translation how = Translation::ByKey) const;
};

using Installation = QMap<QString, QByteArray>;

// Reads every file under the content directory (README.md aside).
SourceSet readSourceDirectory(const QString &contentDir);

} // namespace velmira::build
