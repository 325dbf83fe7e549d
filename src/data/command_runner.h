#pragma once
// Shell commands run beside the program: one worker thread per command line,
// a component that starts them and reports the end of the latest one, and the
// launchers of the web browser and of the PDF viewer built on it.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <stdexcept>

namespace velmira {

// Raised when a command's exit value is asked for before any command has run.
class CommandError : public std::runtime_error
{
public:
    explicit CommandError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Runs one command line through /bin/sh. Done and ReturnValue are written by
// the worker and read by the main thread; ReturnValue is stored before Done.
class TCmdExecThread : public QThread
{
    Q_OBJECT

public:
    explicit TCmdExecThread(QByteArray command);

    const QByteArray Command;
    // The shell's exit status: 0 on success; 128 + n when killed by signal n;
    // 127 when the shell could not be started or waited for.
    std::atomic<int> ReturnValue{0};
    std::atomic<bool> Done{false};

signals:
    // Emitted by the worker once Done is set; receivers in the main thread
    // get it queued.
    void completed();

protected:
    void run() override;
};

// Starts Command in a new worker thread at each Execute and tracks the latest
// one. A thread replaced while still running keeps running, is no longer
// tracked or reported, and frees itself when it ends; the same happens to a
// running thread when the component is destroyed, which never waits for it.
class TCmdExecComponent : public QObject
{
    Q_OBJECT

public:
    explicit TCmdExecComponent(QObject *parent = nullptr);
    ~TCmdExecComponent() override;

    QByteArray Command;

    void Execute();
    // False while no command has been started.
    bool Done() const;
    // Exit status of the tracked command, meaningful once Done; throws
    // CommandError("No return value is available") before any run.
    int ReturnValue() const;
    // The tracked thread, null before the first run.
    const TCmdExecThread *CurrentThread() const { return m_thread; }

signals:
    // On the main thread, when the tracked command has ended.
    void OnComplete(velmira::TCmdExecComponent *sender);

private:
    TCmdExecThread *m_thread = nullptr;
};

// The browser used when BROWSER is empty or unset.
QByteArray browserDefault();
void setBrowserDefault(QByteArray browser);

// The bytes as one shell word: in single quotes, each ' written as '\''.
QByteArray shellQuoted(const QByteArray &text);

// The bytes percent-encoded for a URL query value (RFC 3986 unreserved
// characters stay).
QByteArray percentEncoded(const QByteArray &text);

// Starts $BROWSER (or the browser default) with the address as a single
// argument and returns at once. BROWSER is used as written, options included.
// An address holding a NUL byte is cut there.
void OpenInBrowser(TCmdExecComponent &runner, const QByteArray &url);

// Opens directory + fileName with run-mailcap (found through PATH) and waits
// for the viewer to end, processing events meanwhile. Returns its exit status.
int OpenPdf(TCmdExecComponent &runner, const QByteArray &directory, const QByteArray &fileName);

} // namespace velmira
