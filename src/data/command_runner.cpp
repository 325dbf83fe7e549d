#include "command_runner.h"

#include "foundation_state.h"

#include <QEventLoop>

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace velmira {

namespace {
constexpr int kCouldNotRun = 127; // what the shell itself answers for a missing program

// The command's bytes go to the shell untouched (no conversion through QString).
int runThroughShell(const QByteArray &command)
{
    const char *argv[] = {"sh", "-c", command.constData(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char *const *>(argv), environ) != 0)
        return kCouldNotRun;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return kCouldNotRun;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return kCouldNotRun;
}

// Stops tracking a thread: it no longer reports to the component and is
// deleted once it has ended (at once when it already has).
void letGo(TCmdExecThread *thread)
{
    QObject::disconnect(thread, &TCmdExecThread::completed, nullptr, nullptr);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    if (thread->isFinished())
        delete thread;
}
} // namespace

CommandError::CommandError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

TCmdExecThread::TCmdExecThread(QByteArray command)
    : Command(std::move(command))
{
}

void TCmdExecThread::run()
{
    if (!Command.isEmpty())
        ReturnValue = runThroughShell(Command);
    Done = true;
    emit completed();
}

TCmdExecComponent::TCmdExecComponent(QObject *parent)
    : QObject(parent)
{
}

TCmdExecComponent::~TCmdExecComponent()
{
    if (m_thread)
        letGo(m_thread);
}

void TCmdExecComponent::Execute()
{
    if (m_thread)
        letGo(m_thread);
    auto *thread = new TCmdExecThread(Command);
    m_thread = thread;
    // Compared by address only: a replaced thread's late report is ignored.
    connect(
        thread, &TCmdExecThread::completed, this,
        [this, thread] {
            if (thread == m_thread)
                emit OnComplete(this);
        },
        Qt::QueuedConnection);
    thread->start();
}

bool TCmdExecComponent::Done() const { return m_thread && m_thread->Done; }

int TCmdExecComponent::ReturnValue() const
{
    if (!m_thread)
        throw CommandError(QStringLiteral("No return value is available"));
    return m_thread->ReturnValue;
}

QByteArray browserDefault() { return foundationState().browserDefault; }

void setBrowserDefault(QByteArray browser) { foundationState().browserDefault = std::move(browser); }

QByteArray shellQuoted(const QByteArray &text)
{
    QByteArray quoted = text;
    return '\'' + quoted.replace('\'', "'\\''") + '\'';
}

// QUrl::toPercentEncoding would go through QString and mangle Latin-1 bytes;
// the byte version keeps the same unreserved set.
QByteArray percentEncoded(const QByteArray &text) { return text.toPercentEncoding(); }

void OpenInBrowser(TCmdExecComponent &runner, const QByteArray &url)
{
    QByteArray browser = qgetenv("BROWSER");
    if (browser.isEmpty())
        browser = browserDefault();
    // No argument can hold a NUL byte, and one left in the command would end
    // it inside its quotes: a damaged address is cut where the NUL stands.
    const qsizetype nul = url.indexOf('\0');
    runner.Command = browser + ' ' + shellQuoted(nul < 0 ? url : url.first(nul));
    runner.Execute();
}

int OpenPdf(TCmdExecComponent &runner, const QByteArray &directory, const QByteArray &fileName)
{
    runner.Command = "run-mailcap " + shellQuoted(directory + fileName);
    runner.Execute();
    QEventLoop loop;
    QObject::connect(&runner, &TCmdExecComponent::OnComplete, &loop, &QEventLoop::quit);
    // OnComplete comes queued after Done is set, so it cannot be missed here.
    if (!runner.Done())
        loop.exec();
    return runner.ReturnValue();
}

} // namespace velmira
