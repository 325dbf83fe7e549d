// The main menu's plain logic: themes, doors and their animation geometry,
// and the configuration save.

#include "data/encoding.h"
#include "data/foundation_state.h"
#include "data/interface_texts.h"
#include "data/messages.h"
#include "data/settings.h"
#include "data/themes.h"
#include "shell/configuration_save.h"
#include "shell/doors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmira;

namespace {

void setText(int line, const QByteArray &text)
{
    interfaceTextTable().set(line, text);
    AssignInterfaceTexts();
}

QByteArray readAll(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Saves the configuration in a child process that may write no file longer
// than `limit` bytes, as on a full disk: the writes really fail. Returns what
// the child's panel and message boxes showed, one per line.
QStringList saveWithFileSizeLimit(rlim_t limit)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {QStringLiteral("no pipe")};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        QStringList shown;
        setMessageHandler([&](const QString &m) { shown << m; });
        shown.prepend(saveConfiguration(QStringLiteral("quibble"), false).label);
        const QByteArray report = shown.join(QLatin1Char('\n')).toUtf8();
        const bool sent = write(channel[1], report.constData(), report.size()) == report.size();
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    QByteArray report;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {QStringLiteral("child failed")};
    return QString::fromUtf8(report).split(QLatin1Char('\n'));
}

} // namespace

class MainMenuLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetFoundationState(); }

    void themesKeepColoursTheyLeaveUnchanged()
    {
        ThemeState state;
        QVERIFY(state.apply('M'));
        QVERIFY(state.apply('P'));
        QCOMPARE(state.colours().theme, QColor(221, 97, 66));
        QCOMPARE(state.colours().highlight, QColor(190, 5, 37));
        QCOMPARE(state.colours().font, QColor(0, 0, 128));
        QCOMPARE(state.pictures().tile, QStringLiteral("partep"));
        QVERIFY(!state.apply('Z'));
        QCOMPARE(state.pictures().tile, QStringLiteral("partep"));
        QVERIFY(state.apply('B'));
        QVERIFY(state.pictures().animated);
        QVERIFY(state.pictures().picture.isEmpty());
        QCOMPARE(kThemeLetters[3], 'I');
    }

    void startingThemeLeavesBlackWhereUnchanged()
    {
        ThemeState state;
        QVERIFY(state.apply('I'));
        QCOMPARE(state.colours().highlight, QColor(Qt::black));
        QCOMPARE(state.colours().theme, QColor(140, 112, 101));
    }

    void doorCaptionsAndHintsComeFromTheTexts()
    {
        setText(622, "Profesiones"); // 11 characters
        setText(623, "Orientacion"); // 11 characters
        QCOMPARE(doorCaption(DoorProfessions), QByteArray("Profesi-\nones\nOrien-\ntacion"));
        setText(8, "Test");
        setText(9, "de");
        setText(10, "orientacion");
        setText(11, "Bachillerato");
        setText(12, "4º ESO");
        // Each line is cut to its slot: 10 and 11 bytes.
        QCOMPARE(doorCaption(DoorBachillerato), QByteArray("Test\nde\norientacio\nBachillerat"));
        QCOMPARE(doorCaption(DoorEso).split('\n').last(), QByteArray("4º ESO"));
        setText(305, "Cuestionario");
        setText(509, "para");
        setText(510, "4º");
        QCOMPARE(doorHint(DoorEso), QByteArray("Cuestionario\npara 4º"));
    }

    void doorsStandInTwoRows()
    {
        QCOMPARE(doorGeometry(DoorDegrees).topLeft(), QPoint(48, 87));
        QCOMPARE(doorGeometry(DoorInitial).topLeft(), QPoint(918, 87));
        QCOMPARE(doorGeometry(DoorProfessions).topLeft(), QPoint(220, 487));
        QCOMPARE(doorGeometry(DoorEso).topLeft(), QPoint(571, 487));
        QVERIFY(doorGeometry(0).isNull());
        QCOMPARE(QByteArray(doorLabelName(DoorBachillerato)), QByteArray("LabelCuesB"));
    }

    void doorFrameRisesAndZoomGrowsOverItsColumn()
    {
        const QRect label = doorGeometry(DoorBachillerato);
        QCOMPARE(doorFramePosition(DoorBachillerato, label, 0), QPoint(label.left() + 10, 510));
        QCOMPARE(doorFramePosition(DoorItineraries, doorGeometry(DoorItineraries), 4), QPoint(579, 170 - 60));
        // Door 8 zooms in column 3 of the bottom row.
        const QSize tile(120, 90);
        const QRect zoom = zoomRectangle(DoorBachillerato, 15, tile);
        QCOMPARE(zoom.left(), 2 * 120 - 7);
        QCOMPARE(zoom.top(), 305);
        QCOMPARE(zoom.left() + zoom.width(), 3 * 120 + 7);
        QCOMPARE(zoom.height(), 90 + 15);
        QCOMPARE(zoomRectangle(DoorDegrees, 105, tile).left(), -52);
    }

    void figureWalksThenStops()
    {
        QCOMPARE(figurePosition(0), QPoint(100, 230));
        QCOMPARE(figurePosition(11).x(), 265);
        QCOMPARE(figurePosition(13).x(), 295);
    }

    void configurationSaveNeedsThePasswordAndWritesOnlyWhatChanged()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QStringList messages;
        setMessageHandler([&](const QString &m) { messages << m; });

        QByteArray record(86, '\0');
        record[0] = 7;
        record[70] = 9;
        QVERIFY(writeAll(QStringLiteral("clave12"), record));
        QVERIFY(writeAll(QStringLiteral("fuente"), "Arial\n-\n"));
        QVERIFY(ReadSettingsRecord("clave12"));
        setFontName("Arial");
        setUtfMode(false);
        setCurrentLanguage(2);
        setCurrentTheme("H");

        const ConfigurationSaveResult wrong = saveConfiguration(QStringLiteral("Quibble"), false);
        QCOMPARE(wrong.label, QStringLiteral("Clave NO válida"));
        QCOMPARE(readAll(QStringLiteral("clave12")), record);

        const ConfigurationSaveResult right = saveConfiguration(QStringLiteral("quibble"), false);
        QCOMPARE(right.label, QStringLiteral("Config. guardada"));
        QVERIFY(right.recordWritten);
        QVERIFY(!right.fontFileWritten);
        const QByteArray saved = readAll(QStringLiteral("clave12"));
        QCOMPARE(saved[58], char(2));
        QCOMPARE(saved.mid(62, 2), QByteArray("\x01H"));
        QCOMPARE(saved[0], char(7));
        QCOMPARE(saved[70], char(9));
        QCOMPARE(readAll(QStringLiteral("fuente")), QByteArray("Arial\n-\n"));

        // RISO checked while text is converted: the encoding is saved as ISO.
        setUtfMode(true);
        const ConfigurationSaveResult iso = saveConfiguration(QStringLiteral("quibble"), false);
        QVERIFY(iso.fontFileWritten);
        QCOMPARE(readAll(QStringLiteral("fuente")), QByteArray("Arial\nISO\n"));
        QVERIFY(messages.isEmpty());

        setUtfMode(false);
        setMessageHandler({});
        QDir::setCurrent(previous);
    }

    void unwritableRecordIsNotReportedAsSaved()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QStringList messages;
        setMessageHandler([&](const QString &m) { messages << m; });
        // A directory where the record should be cannot be replaced by a file.
        QVERIFY(QDir().mkdir(QStringLiteral("clave12")));
        const ConfigurationSaveResult result = saveConfiguration(QStringLiteral("quibble"), false);
        QVERIFY(!result.recordWritten);
        QVERIFY(result.label != QStringLiteral("Config. guardada"));
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().contains(QStringLiteral("clave12")));
        setMessageHandler({});
        QDir::setCurrent(previous);
    }

    // A disk that fills up during the save: the file that cannot be written
    // whole stays as it was, byte for byte, and the failure is reported.
    void aFailedWriteKeepsTheSettingsFilesWhole()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QByteArray record(86, '\x11');
        record[62] = 1;
        record[63] = 'B';
        const QByteArray fonts("Arial\n-\n");
        QVERIFY(writeAll(QStringLiteral("clave12"), record));
        QVERIFY(writeAll(QStringLiteral("fuente"), fonts));
        QVERIFY(ReadSettingsRecord("clave12"));
        setCurrentLanguage(3);
        setFontName(QByteArray(120, 'F'));

        // No room for the record: neither file changes.
        const QStringList full = saveWithFileSizeLimit(40);
        QCOMPARE(full.size(), 2);
        QVERIFY(full[0] != QStringLiteral("Config. guardada"));
        QVERIFY2(full[1].contains(QStringLiteral("clave12")), qPrintable(full[1]));
        QCOMPARE(readAll(QStringLiteral("clave12")), record);
        QCOMPARE(readAll(QStringLiteral("fuente")), fonts);

        // Room for the record but not for the long font name.
        const QStringList fontsFull = saveWithFileSizeLimit(86);
        QCOMPARE(fontsFull, QStringList({QStringLiteral("Clave"), QStringLiteral("No puedo grabar")}));
        QCOMPARE(readAll(QStringLiteral("clave12")).at(58), char(3));
        QCOMPARE(readAll(QStringLiteral("fuente")), fonts);
        // No half-written copy is left behind.
        QCOMPARE(QDir().entryList(QDir::Files),
                 QStringList({QStringLiteral("clave12"), QStringLiteral("fuente")}));
        QDir::setCurrent(previous);
    }
};

QTEST_GUILESS_MAIN(MainMenuLogicTest)
#include "tst_main_menu_logic.moc"
