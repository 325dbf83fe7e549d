// The start-up sequence in process: which windows exist after an abort.

#include "data/foundation_state.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/messages.h"
#include "data/settings.h"
#include "data/text_ids.h"
#include "shell/startup.h"
#include "support/installation_copy.h"

#include <QtTest>

using namespace velmira;

class StartupTest : public QObject
{
    Q_OBJECT

    StartupResult startIn(const InstallationCopy &installation)
    {
        m_messages.clear();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(installation.path());
        resetFoundationState();
        setMessageHandler([this](const QString &text) { m_messages << text; });
        const StartupResult result = runStartup(false);
        setMessageHandler({});
        QDir::setCurrent(previous);
        return result;
    }

    QStringList m_messages;

private slots:
    void everyWindowIsCreatedInOrder()
    {
        InstallationCopy installation;
        const StartupResult result = startIn(installation);
        QVERIFY(!result.aborted);
        QCOMPARE(result.createdWindows,
                 (QStringList{"form0", "Form7", "Form1", "Form2", "Form3", "Form4", "FIniPro", "Certifica",
                              "profe", "FormCat", "Form6"}));
    }

    void missingEsoFileStopsAfterTheEsoWindow()
    {
        InstallationCopy installation;
        QVERIFY(installation.remove(QStringLiteral("informa")));
        const StartupResult result = startIn(installation);
        QVERIFY(result.aborted);
        QCOMPARE(result.createdWindows, (QStringList{"form0", "Form7", "Form1", "Form2"}));
    }

    void missingSettingsRecordStopsAfterTheStarMap()
    {
        InstallationCopy installation;
        QVERIFY(installation.remove(QStringLiteral("clave12")));
        const StartupResult result = startIn(installation);
        QVERIFY(result.aborted);
        QCOMPARE(result.createdWindows, (QStringList{"form0", "Form7"}));
    }

    void missingProgrammeFileStopsAfterTheThirdGroup()
    {
        InstallationCopy installation;
        QVERIFY(installation.remove(QStringLiteral("fpip")));
        const StartupResult result = startIn(installation);
        QVERIFY(result.aborted);
        QCOMPARE(result.createdWindows.last(), QStringLiteral("FIniPro"));
    }

    void languageChoosesTheTextsDirectory()
    {
        InstallationCopy installation;
        QVERIFY(installation.patchByte(QStringLiteral("clave12"), 58, 2));
        startIn(installation);
        QCOMPARE(languageDirectory(), QByteArray("galego/"));
        QCOMPARE(interfaceTextTable().at(0), QByteArray("galego/textos"));
        QVERIFY(!interfaceText(kPrintText).isEmpty());
        setLanguage(Castilian);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
