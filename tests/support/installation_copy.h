#pragma once
// A private copy of the sample installation that a test may damage.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class InstallationCopy
{
public:
    InstallationCopy() { copyTree(QStringLiteral(VELMIRA_SAMPLE_DIR), m_dir.path()); }

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    bool remove(const QString &name) const { return QFile::remove(file(name)); }

    // Replaces one byte of a file.
    bool patchByte(const QString &name, qint64 offset, char value) const
    {
        QFile f(file(name));
        if (!f.open(QIODevice::ReadWrite) || !f.seek(offset))
            return false;
        return f.write(&value, 1) == 1;
    }

private:
    static void copyTree(const QString &from, const QString &to)
    {
        QDir source(from);
        QDir().mkpath(to);
        for (const QFileInfo &entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString target = to + QLatin1Char('/') + entry.fileName();
            if (entry.isDir())
                copyTree(entry.filePath(), target);
            else
                QFile::copy(entry.filePath(), target);
        }
    }

    QTemporaryDir m_dir;
};
