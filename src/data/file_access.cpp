#include "file_access.h"

#include <QFile>
#include <QFileInfo>

namespace velmira {

QString whyUnreadable(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("a link that leads nowhere");
    if (!info.exists())
        return QStringLiteral("missing file");
    if (info.isDir())
        return QStringLiteral("a directory, not a file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unreadable: ") + file.errorString();
    return {};
}

QString unreadableFileNote(const QByteArray &name)
{
    const QString why = whyUnreadable(QString::fromLocal8Bit(name));
    return why.isEmpty() ? QStringLiteral("cannot be read") : why;
}

} // namespace velmira
