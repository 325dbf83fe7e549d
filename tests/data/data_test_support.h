#pragma once
// Shared fixtures of the data-foundation tests: a scratch installation
// directory made current for the duration of a test, files written into it,
// and a catcher for the messages the loaders show.

#include "data/encoding.h"
#include "data/foundation_state.h"
#include "data/language.h"
#include "data/load_notes.h"
#include "data/messages.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

namespace testsupport {

// A temporary directory that is the current directory while the object lives;
// data files are opened by bare relative names, as in an installation.
class ScratchDir
{
public:
    ScratchDir()
        : m_previous(QDir::currentPath())
    {
        if (m_dir.isValid())
            QDir::setCurrent(m_dir.path());
    }
    ~ScratchDir() { QDir::setCurrent(m_previous); }
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    bool isValid() const
    {
        return m_dir.isValid() && QDir::currentPath() == QDir(m_dir.path()).canonicalPath();
    }
    QString path() const { return m_dir.path(); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

// Writes the bytes as they are (no line-end translation); makes directories.
inline bool writeFile(const QByteArray &name, const QByteArray &contents)
{
    const QString path = QString::fromLocal8Bit(name);
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0)
        QDir().mkpath(path.left(slash));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(contents) == contents.size();
}

inline QByteArray readFile(const QByteArray &name)
{
    QFile file(QString::fromLocal8Bit(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Lines joined with LF, with a final line end.
inline QByteArray joinLines(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines) {
        out += line;
        out += '\n';
    }
    return out;
}

// Collects every shown message while it lives, then restores the previous handler.
class MessageCatcher
{
public:
    MessageCatcher()
        : m_messages(std::make_shared<QStringList>())
    {
        auto sink = m_messages;
        m_previous = velmira::setMessageHandler([sink](const QString &text) { sink->append(text); });
    }
    ~MessageCatcher() { velmira::setMessageHandler(std::move(m_previous)); }
    MessageCatcher(const MessageCatcher &) = delete;
    MessageCatcher &operator=(const MessageCatcher &) = delete;

    const QStringList &messages() const { return *m_messages; }
    int count(const QString &text) const { return static_cast<int>(m_messages->count(text)); }
    void clear() { m_messages->clear(); }

private:
    std::shared_ptr<QStringList> m_messages;
    velmira::MessageHandler m_previous;
};

// Collects the load notes while it lives.
class NoteCatcher
{
public:
    NoteCatcher() { velmira::collectLoadNotes(&notes); }
    ~NoteCatcher() { velmira::collectLoadNotes(nullptr); }
    NoteCatcher(const NoteCatcher &) = delete;
    NoteCatcher &operator=(const NoteCatcher &) = delete;

    int countFor(const QByteArray &file) const
    {
        int n = 0;
        for (const auto &note : notes)
            n += note.file == file ? 1 : 0;
        return n;
    }
    std::vector<velmira::LoadNote> notes;
};

inline QByteArray missingText(const QByteArray &name)
{
    return "Faltan ficheros (" + name + "). Vuelva a instalar el programa";
}

} // namespace testsupport
