// The main menu as a pupil uses it: a door leads to its module and back,
// and leaving asks first.

#include "data/messages.h"
#include "eso/eso_window.h"
#include "shell/doors.h"
#include "shell/main_menu_window.h"
#include "shell/startup.h"
#include "support/controls.h"
#include "support/started_installation.h"
#include "university/university_window.h"
#include "widgets/question_window.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace velmira;

class MainMenuWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QCOMPARE(m_program->messages(), QStringList());
    }

    // No message may have been shown at any point.
    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void doorsShowTheirCaptions()
    {
        auto *door = form0->findChild<QLabel *>(QStringLiteral("LabelCuesE"));
        QVERIFY(door);
        QVERIFY(!door->text().isEmpty());
        QCOMPARE(door->geometry(), doorGeometry(DoorEso));
        QVERIFY(!door->toolTip().isEmpty());
    }

    void aDoorLeadsToItsModuleAndBack()
    {
        form0->OpenDoor(DoorEso);
        QTRY_VERIFY_WITH_TIMEOUT(Form2->isVisible(), 5000);
        QVERIFY(!form0->isVisible());
        // The module's return brings the main menu back.
        Form2->BitAcabarLogseClick();
        QVERIFY(form0->isVisible());
        QVERIFY(!Form2->isVisible());
        QVERIFY(form0->findChild<QLabel *>(QStringLiteral("LabelCuesE"))->isVisible());
    }

    void escapeAndNoKeepsTheProgramRunning()
    {
        using testsupport::control;
        QTimer::singleShot(
            0, [] { QTest::mouseClick(control<QPushButton>(Form4, "ShadowNo"), Qt::LeftButton); });
        QTest::keyClick(form0, Qt::Key_Escape);
        QVERIFY(form0->isVisible());
        QCOMPARE(control<QLabel>(Form4, "LabelNombre")->text().isEmpty(), false);
    }
};

QTEST_MAIN(MainMenuWindowTest)
#include "tst_main_menu_window.moc"
