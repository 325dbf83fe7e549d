// The headless check as a user runs it: `velmira --smoke` in an installation.

#include "support/installation_copy.h"

#include <QProcess>
#include <QtTest>

#include <cerrno>

class SmokeTest : public QObject
{
    Q_OBJECT

    struct Run
    {
        int exitCode;
        QStringList messages;
    };

    static Run smoke(const InstallationCopy &installation)
    {
        QProcess process;
        process.setWorkingDirectory(installation.path());
        process.start(QStringLiteral(VELMIRA_PROGRAM), {QStringLiteral("--smoke")});
        process.waitForFinished(60000);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        return {process.exitCode(), err.split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
    }

private slots:
    void sampleInstallationStartsQuietly()
    {
        InstallationCopy installation;
        const Run run = smoke(installation);
        QCOMPARE(run.messages, QStringList());
        QCOMPARE(run.exitCode, 0);
    }

    void everyLanguageStarts_data()
    {
        QTest::addColumn<char>("language");
        QTest::newRow("Catalan/Valencian") << char(1);
        QTest::newRow("Galician") << char(2);
        QTest::newRow("Basque") << char(3);
    }

    void everyLanguageStarts()
    {
        QFETCH(char, language);
        InstallationCopy installation;
        QVERIFY(installation.patchByte(QStringLiteral("clave12"), 58, language));
        const Run run = smoke(installation);
        QCOMPARE(run.messages, QStringList());
        QCOMPARE(run.exitCode, 0);
    }

    void missingFilesStopAtTheNextCheck_data()
    {
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("exitCode");
        const auto missing = [](const char *name) {
            return QStringLiteral("Faltan ficheros (%1). Vuelva a instalar el programa")
                .arg(QLatin1String(name));
        };
        QTest::newRow("ESO file") << QStringList{"cuestion"} << QStringList{missing("cuestion")} << 1;
        QTest::newRow("two files of one window, in loading order")
            << QStringList{"cuesgm", "materias"} << QStringList{missing("materias"), missing("cuesgm")} << 1;
        QTest::newRow("interface texts") << QStringList{"textos"} << QStringList{missing("textos")} << 1;
        QTest::newRow("certificates, after the last check")
            << QStringList{"certifica"} << QStringList{missing("certifica")} << 0;
        QTest::newRow("font settings only warn")
            << QStringList{"fuente"} << QStringList{missing("fuente")} << 0;
        QTest::newRow("settings record")
            << QStringList{"clave12"}
            << QStringList{QStringLiteral("El programa no funcionará correctamente. Faltan ficheros. "
                                          "Vuelva a instalarlo.")}
            << 1;
        QTest::newRow("girl picture")
            << QStringList{"chica.bmp"}
            << QStringList{QStringLiteral("Faltan ficheros. Vuelva a instalar Velmira")} << 1;
        QTest::newRow("double degrees") << QStringList{"dobles"} << QStringList{missing("dobles")} << 1;
    }

    void missingFilesStopAtTheNextCheck()
    {
        QFETCH(QStringList, removed);
        QFETCH(QStringList, messages);
        QFETCH(int, exitCode);
        InstallationCopy installation;
        for (const QString &name : removed)
            QVERIFY(installation.remove(name));
        const Run run = smoke(installation);
        QCOMPARE(run.messages, messages);
        QCOMPARE(run.exitCode, exitCode);
    }

    // A picture the main menu cannot load is named with the real cause in
    // the error box, its creation stops there, and the program does not
    // crash. The image library's own words appear only inside the message.
    void unusablePicturesAreReportedWithTheirCause_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<char>("theme");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char *name, const char *picture, const char *damage, char theme,
                            const QString &reason) {
            QTest::newRow(name) << QString::fromLatin1(picture) << QString::fromLatin1(damage) << theme
                                << reason;
        };
        row("missing speech bubble", "bocadillo.png", "remove", 'C', qt_error_string(ENOENT));
        row("map that is a directory", "mapa", "directory", 'C', QStringLiteral("directory"));
        row("figure strip linked to itself", "figura.png", "loop", 'C', qt_error_string(ELOOP));
        row("cut door strip", "puerta.png", "cut", 'C', QStringLiteral("Read Error"));
        row("theme B without its animation", "fuente.gif", "remove", 'B', qt_error_string(ENOENT));
    }

    void unusablePicturesAreReportedWithTheirCause()
    {
        QFETCH(QString, picture);
        QFETCH(QString, damage);
        QFETCH(char, theme);
        QFETCH(QString, reason);
        InstallationCopy installation;
        QVERIFY(installation.patchByte(QStringLiteral("clave12"), 63, theme));
        const QString path = installation.file(picture);
        if (damage == QLatin1String("cut")) {
            QFile file(path);
            QVERIFY(file.resize(300));
        } else {
            QVERIFY(installation.remove(picture));
            if (damage == QLatin1String("directory"))
                QVERIFY(QDir().mkdir(path));
            else if (damage == QLatin1String("loop"))
                QVERIFY(QFile::link(picture, path));
        }
        const Run run = smoke(installation);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.messages.size(), 1);
        const QString message = run.messages.first();
        QVERIFY2(
            message.startsWith(QStringLiteral("Error de entrada/salida en el fichero \"%1\": ").arg(picture)),
            qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
    }

    void filesWithoutMessageShowTheErrorBoxAndStartUpGoesOn_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::newRow("places") << QStringLiteral("lugar");
        QTest::newRow("degree rows") << QStringLiteral("datgrados");
        QTest::newRow("cut-off marks") << QStringLiteral("datcarn");
        QTest::newRow("professions") << QStringLiteral("profesio");
        QTest::newRow("short statements") << QStringLiteral("fracortas");
    }

    void filesWithoutMessageShowTheErrorBoxAndStartUpGoesOn()
    {
        QFETCH(QString, removed);
        InstallationCopy installation;
        QVERIFY(installation.remove(removed));
        const Run run = smoke(installation);
        // "profesio" is read by two windows, and each reports it.
        QVERIFY(!run.messages.isEmpty());
        for (const QString &message : run.messages)
            QVERIFY2(message.contains(QLatin1Char('"') + removed + QLatin1Char('"')), qPrintable(message));
        QCOMPARE(run.exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(SmokeTest)
#include "tst_smoke.moc"
