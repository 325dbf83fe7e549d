#include "messages.h"

#include "file_access.h"
#include "load_notes.h"
#include "text_bytes.h"

#include <cstdio>

namespace velmira {

namespace {
MessageHandler g_handler;
bool g_abort = false;
bool g_pictureMissing = false;
} // namespace

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

void showMessage(const QString &text)
{
    if (g_handler) {
        g_handler(text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

QString missingFileMessage(const QByteArray &name)
{
    return QStringLiteral("Faltan ficheros (") + displayText(name)
        + QStringLiteral("). Vuelva a instalar el programa");
}

void reportMissingFile(const QByteArray &name)
{
    showMessage(missingFileMessage(name));
    addLoadNote(name, 0, unreadableFileNote(name));
    setStartupAbort();
}

FileError::FileError(QByteArray fileName, QString reason)
    : std::runtime_error(fileName.toStdString())
    , m_fileName(std::move(fileName))
    , m_reason(std::move(reason))
{
}

QString FileError::message() const
{
    return QStringLiteral("Error de entrada/salida en el fichero \"%1\": %2")
        .arg(displayText(m_fileName), m_reason);
}

void reportFileError(const FileError &error) { showMessage(error.message()); }

bool startupAborted() { return g_abort; }
void setStartupAbort() { g_abort = true; }
void clearStartupAbort() { g_abort = false; }

bool pictureMissing() { return g_pictureMissing; }
void setPictureMissing(bool missing) { g_pictureMissing = missing; }

} // namespace velmira
