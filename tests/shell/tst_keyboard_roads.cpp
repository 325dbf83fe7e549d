// Every built window walked from the keyboard alone, as a pupil who does not
// use a mouse walks it: Tab reaches every control shown, each with a visible
// focus mark; Return presses the focused control; Escape goes back.

#include "eso/eso_window.h"
#include "explorers/certificates_window.h"
#include "explorers/entrance_panels_window.h"
#include "explorers/families_window.h"
#include "explorers/initial_programmes_window.h"
#include "explorers/middle_grade_window.h"
#include "professions/professions_window.h"
#include "shell/main_menu_window.h"
#include "support/keyboard_walk.h"
#include "support/started_installation.h"
#include "university/university_window.h"
#include "widgets/question_window.h"

#include <QApplication>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace velmira;
using testsupport::clickItem;
using testsupport::control;
using testsupport::tabTo;
using testsupport::walkTabRound;

namespace {

// The window's controls as shown now, every one reached by Tab and marked.
void expectFullRound(QWidget *window)
{
    const testsupport::TabRound round = walkTabRound(window);
    QVERIFY2(round.unreached.isEmpty(),
             qPrintable(QStringLiteral("not reached: ") + round.unreached.join(u' ')));
    QVERIFY2(round.withoutFocusMark.isEmpty(),
             qPrintable(QStringLiteral("no focus mark: ") + round.withoutFocusMark.join(u' ')));
}

// Tab to the list, then Return on its current row.
void choose(QWidget *window, const char *list)
{
    QVERIFY2(tabTo(window, list), list);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Tab to the control, then Return.
void press(QWidget *window, const char *name)
{
    QVERIFY2(tabTo(window, name), name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void escape(QWidget *window)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, Qt::Key_Escape);
}

} // namespace

class KeyboardRoadsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

    void openByDoor(const char *door, QWidget *window)
    {
        press(form0, door);
        QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 5000);
    }

    // A degree's cut-off and weighting panels, walked and left with Escape.
    void entrancePanels()
    {
        auto *tree = control<QTreeWidget>(Form1, "Tree");
        QTreeWidgetItem *degree = tree->topLevelItem(0)->child(0);
        clickItem(tree, degree);
        press(Form1, "BotCorte");
        QTRY_VERIFY(Form6->isVisible());
        expectFullRound(Form6);
        press(Form6, "BotCorte2");
        expectFullRound(Form6);
        escape(Form6);
        QTRY_VERIFY(!Form6->isVisible());
        press(Form1, "BotPonde");
        QTRY_VERIFY(Form6->isVisible());
        expectFullRound(Form6);
        escape(Form6);
        QTRY_VERIFY(!Form6->isVisible());
        QVERIFY(Form1->isVisible());
    }

    void escapeToMainMenu(QWidget *window)
    {
        for (int step = 0; step < 5 && window->isVisible(); ++step)
            escape(window);
        QTRY_VERIFY(form0->isVisible());
        QVERIFY(!window->isVisible());
    }

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
    }

    void cleanupTestCase() { m_program.reset(); }

    void mainMenuAndConfiguration()
    {
        expectFullRound(form0);
        press(form0, "LabelConfi");
        expectFullRound(form0);
        press(form0, "Button1");
        expectFullRound(form0);
        press(form0, "Button2");
        QVERIFY(!control<QWidget>(form0, "PanelConfig")->isVisible());
    }

    // Escape on the main menu asks whether to leave; the question is walked
    // by Tab and Escape answers no.
    void questionWindow()
    {
        bool asked = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(Form4->isVisible());
            asked = true;
            expectFullRound(Form4);
            escape(Form4);
        });
        escape(form0);
        QVERIFY(asked);
        QVERIFY(form0->isVisible());
    }

    void esoWindow()
    {
        openByDoor("LabelCuesE", Form2);
        expectFullRound(Form2);
        press(Form2, "BotCuestio1");
        auto *grid = control<QWidget>(Form2, "Gcuestio");
        QVERIFY(grid->isVisible());
        expectFullRound(Form2);
        QVERIFY(tabTo(Form2, "Gcuestio"));
        QTest::keyClick(grid, Qt::Key_Return);
        press(Form2, "BotResCues");
        QVERIFY(control<QWidget>(Form2, "ListresCues")->isVisible());
        expectFullRound(Form2);
        escapeToMainMenu(Form2);
    }

    void universityWindow()
    {
        openByDoor("LabelCarreras", Form1);
        expectFullRound(Form1);
        press(Form1, "menunuevo1");
        QVERIFY(control<QWidget>(Form1, "Tree")->isVisible());
        expectFullRound(Form1);
        entrancePanels();
        escape(Form1);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
        QVERIFY(Form1->isVisible());
        escapeToMainMenu(Form1);
    }

    void higherGradeTitles()
    {
        openByDoor("LabelFpS", Form1);
        expectFullRound(Form1);
        press(Form1, "MenuFP1");
        auto *families = control<QWidget>(Form1, "ListPreFam");
        QVERIFY(families->hasFocus());
        QTest::keyClick(families, Qt::Key_Return);
        QTest::keyClick(families, Qt::Key_Return);
        press(Form1, "ListTitFP");
        QVERIFY(control<QWidget>(Form1, "PanelFpTit")->isVisible());
        press(Form1, "MenuFpTit1");
        auto *map = control<QWidget>(Form1, "PanelEstrellasFP")->findChild<QWidget *>(QStringLiteral("mapa"));
        QVERIFY(map->hasFocus());
        QTest::keyClick(map, Qt::Key_Return);
        expectFullRound(Form1);
        escapeToMainMenu(Form1);
    }

    void middleGradeExplorer()
    {
        openByDoor("LabelFPM", Form3);
        expectFullRound(Form3);
        press(Form3, "botTit2");
        expectFullRound(Form3);
        escapeToMainMenu(Form3);
    }

    void initialProgrammesWindow()
    {
        openByDoor("LabelFPip", FIniPro);
        expectFullRound(FIniPro);
        choose(FIniPro, "ListSelFp");
        expectFullRound(FIniPro);
        choose(FIniPro, "ListTitFP");
        QVERIFY(control<QWidget>(FIniPro, "PanelEstrellas")->isVisible());
        press(FIniPro, "BotTra");
        expectFullRound(FIniPro);
        escapeToMainMenu(FIniPro);
    }

    void certificatesWindow()
    {
        openByDoor("LabelDejar", Certifica);
        expectFullRound(Certifica);
        choose(Certifica, "ListSelFp");
        choose(Certifica, "ListTitFP");
        choose(Certifica, "ListFPExpli");
        QVERIFY(control<QWidget>(Certifica, "PanelResul")->isVisible());
        expectFullRound(Certifica);
        escapeToMainMenu(Certifica);
    }

    void familiesCatalogue()
    {
        openByDoor("LabelCat", FormCat);
        expectFullRound(FormCat);
        choose(FormCat, "ListFam");
        expectFullRound(FormCat);
        escapeToMainMenu(FormCat);
    }

    void professionsWindow()
    {
        openByDoor("LabelProfe", profe);
        expectFullRound(profe);
        press(profe, "BotSi");
        expectFullRound(profe);
        // Leaving asks first; Return answers yes.
        QTimer answer;
        answer.setInterval(20);
        connect(&answer, &QTimer::timeout, [] {
            if (QApplication::activeModalWidget() == Form4 && QApplication::focusWidget())
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        answer.start();
        escapeToMainMenu(profe);
    }
};

QTEST_MAIN(KeyboardRoadsTest)
#include "tst_keyboard_roads.moc"
