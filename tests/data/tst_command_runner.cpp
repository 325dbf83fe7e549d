// The command runner: exit statuses and completion reports, replaced and
// orphaned threads, and the browser and PDF launchers run against fake
// programs (in a scratch directory made current) that record their arguments.

#include "data_test_support.h"

#include "data/command_runner.h"

#include <QFile>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace velmira;
using namespace testsupport;

namespace {

// An executable script that writes its argument count and arguments to
// "args", then runs the given lines.
bool writeFakeProgram(const QByteArray &name, const QByteArray &then = {})
{
    return writeFile(name, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > args\n" + then)
        && QFile::setPermissions(QString::fromLocal8Bit(name),
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Shell lines that wait, at most five seconds, for the file "go".
const QByteArray kWaitForGo =
    "n=0; while [ ! -e go ]; do n=$((n+1)); [ $n -gt 500 ] && exit 99; sleep 0.01; done\n";

QByteArray oneArgument(const QByteArray &argument) { return "1\n" + argument + '\n'; }

} // namespace

class TestCommandRunner : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScratchDir> m_dir;
    const QByteArray m_path = qgetenv("PATH");
    const QByteArray m_browser = qgetenv("BROWSER");

    void putDirFirstInPath() { qputenv("PATH", m_dir->path().toLocal8Bit() + ':' + m_path); }

private slots:
    void init()
    {
        m_dir = std::make_unique<ScratchDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        m_dir.reset();
        qputenv("PATH", m_path);
        qputenv("BROWSER", m_browser);
        setBrowserDefault("firefox");
    }

    void returnValueBeforeAnyRunThrows()
    {
        TCmdExecComponent runner;
        QVERIFY(!runner.Done());
        try {
            runner.ReturnValue();
            QFAIL("no error raised");
        } catch (const CommandError &error) {
            QCOMPARE(error.message(), QStringLiteral("No return value is available"));
        }
    }

    void exitStatusReportedOnMainThread_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("status");
        QTest::newRow("success") << QByteArray("true") << 0;
        QTest::newRow("exit 3") << QByteArray("exit 3") << 3;
        QTest::newRow("killed") << QByteArray("kill -KILL $$") << 128 + 9;
        QTest::newRow("missing browser") << QByteArray("no-such-browser-here 'http://x.es'") << 127;
        QTest::newRow("empty command") << QByteArray() << 0;
    }

    void exitStatusReportedOnMainThread()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, status);
        TCmdExecComponent runner;
        QThread *reportedOn = nullptr;
        connect(&runner, &TCmdExecComponent::OnComplete, this,
                [&] { reportedOn = QThread::currentThread(); });
        QSignalSpy complete(&runner, &TCmdExecComponent::OnComplete);
        runner.Command = command;
        runner.Execute();
        QVERIFY(complete.wait());
        QCOMPARE(complete.count(), 1);
        QCOMPARE(complete.at(0).at(0).value<TCmdExecComponent *>(), &runner);
        QCOMPARE(reportedOn, thread());
        QVERIFY(runner.Done());
        QCOMPARE(runner.ReturnValue(), status);
    }

    void browserGetsTheAddressAsOneArgument_data()
    {
        QTest::addColumn<QByteArray>("url");
        QTest::addColumn<QByteArray>("received");
        const auto row = [](const char *name, const QByteArray &url) { QTest::newRow(name) << url << url; };
        row("semicolon", "http://x.es/a;touch PWNED");
        row("substitution", "http://x.es/$(touch PWNED)");
        row("backquotes", "http://x.es/`touch PWNED`");
        row("blanks and quotes", "http://x.es/a b?c='d' '; touch PWNED; '");
        // A NUL would end the command inside its quotes (the shell then fails,
        // as if the browser were missing): the address is cut there.
        QTest::newRow("NUL") << QByteArray("http://x.es/a\0'; touch PWNED; '", 31)
                             << QByteArray("http://x.es/a");
    }

    void browserGetsTheAddressAsOneArgument()
    {
        QFETCH(QByteArray, url);
        QFETCH(QByteArray, received);
        QVERIFY(writeFakeProgram("browser"));
        qputenv("BROWSER", "./browser");
        TCmdExecComponent runner;
        QSignalSpy complete(&runner, &TCmdExecComponent::OnComplete);
        OpenInBrowser(runner, url);
        QVERIFY(complete.wait());
        QCOMPARE(runner.ReturnValue(), 0);
        QCOMPARE(readFile("args"), oneArgument(received));
        QVERIFY(!QFile::exists("PWNED"));
    }

    void percentEncodingWorksOnTheBytes()
    {
        QCOMPARE(percentEncoded("IES \xc1vila & co/1"), QByteArray("IES%20%C1vila%20%26%20co%2F1"));
        QCOMPARE(percentEncoded("Alcal\xc3\xa1-de_H.~"), QByteArray("Alcal%C3%A1-de_H.~"));
    }

    void browserChoice()
    {
        QVERIFY(writeFakeProgram("firefox"));
        QVERIFY(writeFakeProgram("other"));
        putDirFirstInPath();
        TCmdExecComponent runner;
        QSignalSpy complete(&runner, &TCmdExecComponent::OnComplete);
        const auto openedWith = [&](const QByteArray &browser, const QByteArray &url) {
            QFile::remove("args");
            OpenInBrowser(runner, url);
            return complete.wait() && readFile("args") == browser + '\n' + url + '\n';
        };
        qunsetenv("BROWSER");
        QVERIFY(openedWith("1", "http://x.es/1"));
        // An empty BROWSER counts as unset; the default can be changed.
        qputenv("BROWSER", "");
        setBrowserDefault("other --new-tab");
        QVERIFY(openedWith("2\n--new-tab", "http://x.es/2"));
        // BROWSER is taken as written, options included.
        qputenv("BROWSER", "firefox -P x");
        QVERIFY(openedWith("3\n-P\nx", "http://x.es/3"));
    }

    void replacedThreadRunsOnUntrackedAndFreesItself()
    {
        TCmdExecComponent runner;
        QSignalSpy complete(&runner, &TCmdExecComponent::OnComplete);
        runner.Command = kWaitForGo + "touch first; exit 5";
        runner.Execute();
        QSignalSpy firstFreed(runner.CurrentThread(), &QObject::destroyed);
        runner.Command = "exit 7";
        runner.Execute();
        QVERIFY(complete.wait());
        QCOMPARE(runner.ReturnValue(), 7);

        QVERIFY(writeFile("go", ""));
        QVERIFY(firstFreed.wait());
        QVERIFY(QFile::exists("first"));
        QCOMPARE(complete.count(), 1);
        QCOMPARE(runner.ReturnValue(), 7);
    }

    void destroyedWhileRunningDoesNotWait()
    {
        auto runner = std::make_unique<TCmdExecComponent>();
        runner->Command = kWaitForGo;
        runner->Execute();
        QSignalSpy freed(runner->CurrentThread(), &QObject::destroyed);
        runner.reset(); // must return while the command still waits for "go"
        QVERIFY(writeFile("go", ""));
        QVERIFY(freed.wait());
    }

    void openPdfWaitsAndStaysResponsive_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::newRow("viewer succeeds") << QByteArray("0");
        QTest::newRow("viewer fails") << QByteArray("4");
    }

    void openPdfWaitsAndStaysResponsive()
    {
        QFETCH(QByteArray, status);
        QVERIFY(writeFakeProgram("run-mailcap", kWaitForGo + "exit $(cat status)\n"));
        putDirFirstInPath();
        // The viewer only ends once this timer has run, so it must fire during the wait.
        QTimer::singleShot(10, this, [status] {
            writeFile("status", status);
            writeFile("go", "");
        });
        TCmdExecComponent runner;
        QCOMPARE(OpenPdf(runner, "/opt/my docs/pdf/", "Deportes Centros.pdf"), status.toInt());
        QCOMPARE(readFile("args"), oneArgument("/opt/my docs/pdf/Deportes Centros.pdf"));
    }
};

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "tst_command_runner.moc"
