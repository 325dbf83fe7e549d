// The headless check as a user runs it: `velmira --smoke` in an installation.

#include "support/installation_copy.h"

#include <QProcess>
#include <QtTest>

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
