#include "messages.h"

#include "file_access.h"
#include "foundation_state.h"
#include "load_notes.h"
#include "text_bytes.h"

#include <cstdio>
#include <utility>

namespace velmira {

namespace {
void printLine(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::fflush(stderr);
}
} // namespace

MessageHandler setMessageHandler(MessageHandler handler)
{
    return std::exchange(foundationState().messageHandler, std::move(handler));
}

void showMessage(const QString &text)
{
    if (const MessageHandler &handler = foundationState().messageHandler) {
        handler(text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

QuestionHandler setQuestionHandler(QuestionHandler handler)
{
    return std::exchange(foundationState().questionHandler, std::move(handler));
}

bool askQuestion(const QString &text)
{
    if (const QuestionHandler &handler = foundationState().questionHandler)
        return handler(text);
    printLine(text);
    return false;
}

void installStandardErrorMessages()
{
    setMessageHandler(printLine);
    setQuestionHandler([](const QString &text) {
        printLine(text);
        return false;
    });
}

void silenceQtWarnings()
{
    static const QtMessageHandler qtDefault = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            qtDefault(type, context, text);
    });
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

bool startupAborted() { return foundationState().startupAborted; }
void setStartupAbort() { foundationState().startupAborted = true; }
void clearStartupAbort() { foundationState().startupAborted = false; }

bool pictureMissing() { return foundationState().pictureMissing; }
void setPictureMissing(bool missing) { foundationState().pictureMissing = missing; }

} // namespace velmira
