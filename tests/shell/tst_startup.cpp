// The start-up sequence in process: which windows exist after an abort, and
// which of them have built their controls.

#include "data/foundation_state.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/messages.h"
#include "data/settings.h"
#include "data/text_ids.h"
#include "eso/eso_window.h"
#include "explorers/certificates_window.h"
#include "explorers/entrance_panels_window.h"
#include "explorers/families_window.h"
#include "explorers/initial_programmes_window.h"
#include "explorers/middle_grade_window.h"
#include "explorers/star_map_window.h"
#include "professions/professions_window.h"
#include "shell/startup.h"
#include "university/university_window.h"
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

    // Start-up stays quick: a window makes its controls when first shown
    // (the question window, a small dialog, excepted).
    void windowsHaveNoControlsUntilShown()
    {
        InstallationCopy installation;
        QVERIFY(!startIn(installation).aborted);
        const QList<QWidget *> windows{Form7, Form1, Form2, Form3, FIniPro, Certifica, profe, FormCat, Form6};
        for (QWidget *window : windows)
            QVERIFY2(window->findChildren<QWidget *>().isEmpty(), window->metaObject()->className());
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
