#include "sources.h"

#include "source_error.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace velmira::build {

SourceTable SourceSet::table(const QString &file, const QStringList &fields, Translation how) const
{
    const auto it = files.constFind(file);
    if (it == files.constEnd())
        throw SourceError{file, 0, QStringLiteral("the source file is missing")};
    SourceTable table = parseSourceTable(file, it.value(), fields);
    if (!language.isEmpty()) {
        const QString translated = language + QLatin1Char('/') + file;
        if (const auto t = files.constFind(translated); t != files.constEnd())
            applyTranslation(table, translated, t.value(), how);
    }
    return table;
}

SourceSet readSourceDirectory(const QString &contentDir)
{
    SourceSet set;
    // Absolute paths, so that a relative content directory names files the same way.
    const QDir root(QDir(contentDir).absolutePath());
    QDirIterator it(root.path(), {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw SourceError{root.relativeFilePath(path), 0, QStringLiteral("cannot be read")};
        set.files.insert(root.relativeFilePath(path), file.readAll());
    }
    return set;
}

} // namespace velmira::build
