#pragma once
// Where the messages and questions of the program go: modal boxes in the
// program, standard error in the headless check, a list in the tests.

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>

namespace velmira {

using MessageHandler = std::function<void(const QString &)>;

// Installs the handler and returns the previous one. Without a handler,
// messages go to standard error.
MessageHandler setMessageHandler(MessageHandler handler);
void showMessage(const QString &text);

// A question answered OK or No; the handler returns true for OK.
using QuestionHandler = std::function<bool(const QString &)>;

// Installs the handler and returns the previous one. Without a handler, the
// question goes to standard error and is answered No.
QuestionHandler setQuestionHandler(QuestionHandler handler);
bool askQuestion(const QString &text);

// Messages and questions one line each on standard error, questions answered
// No: the headless check and the data tool.
void installStandardErrorMessages();

// Keeps Qt's own warnings about the environment (an unset runtime directory,
// a missing font) off standard error, where the headless check and the data
// tool print only their own messages. Critical and fatal messages still pass.
void silenceQtWarnings();

// "Faltan ficheros (" + name + "). Vuelva a instalar el programa"
QString missingFileMessage(const QByteArray &name);

// Shows the missing-file message for a data file and sets the start-up abort flag.
void reportMissingFile(const QByteArray &name);

// Raised when a file that has no message of its own cannot be read: the
// window being created reports it in the shared error box and stops there.
class FileError : public std::runtime_error
{
public:
    FileError(QByteArray fileName, QString reason);
    const QByteArray &fileName() const { return m_fileName; }
    const QString &reason() const { return m_reason; }
    QString message() const;

private:
    QByteArray m_fileName;
    QString m_reason;
};

// Shows the shared error box for a file error.
void reportFileError(const FileError &error);

// The start-up abort flag: set by a missing data file, checked between the
// window creations, never cleared once start-up is under way.
bool startupAborted();
void setStartupAbort();
void clearStartupAbort();

// Set when "chica.bmp" could not be loaded.
bool pictureMissing();
void setPictureMissing(bool missing);

} // namespace velmira
