// The professions questionnaire as a pupil goes through it on the sample
// installation: door 7 of the main menu, the long statements answered in
// the pop-up, the pages of short statements, the last page, the results
// with their details, printing to a PDF, and leaving.

#include "support/controls.h"
#include "support/dialog_answerer.h"
#include "support/list_lines.h"
#include "support/started_installation.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "professions/professions_results.h"
#include "professions/professions_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace velmira;
using testsupport::click;
using testsupport::clickRow;
using testsupport::control;
using testsupport::displayed;
using testsupport::hoverRow;
using testsupport::PdfPrint;
using testsupport::selectedRows;
using testsupport::shownLines;
namespace text = professions_text;

namespace {

// The profession a row of the professions list names (" - " and the name).
int professionOfRow(const QString &row)
{
    const std::vector<Profession> &professions = professionsData().professions;
    for (size_t p = 1; p < professions.size(); ++p)
        if (QStringLiteral(" - ") + testsupport::shown(professions[p].name) == row)
            return static_cast<int>(p);
    return 0;
}

} // namespace

class ProfessionsWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;
    QStringList m_chosenOnPages;

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QVERIFY(m_program->messages().isEmpty());
    }

    void cleanupTestCase() { m_program.reset(); }

    void doorSevenOpensTheIntroduction()
    {
        QVERIFY(m_program->openDoor("LabelProfe", profe));
        QVERIFY(!form0->isVisible());
        QVERIFY(control<QWidget>(profe, "PanelFrase")->isVisible());
        QCOMPARE(control<QLabel>(profe, "LabelFrase0")->text(), uiText(text::kIntroductionHeader));
        QCOMPARE(control<QLabel>(profe, "LabelFrase")->text(),
                 uiText(text::kIntroductionFirst) + QLatin1Char(' ') + uiText(text::kIntroductionSecond));
        QVERIFY(!control<QPushButton>(profe, "BotNo")->isVisible());
        auto *list = control<QListWidget>(profe, "ListCues");
        QCOMPARE(list->count(), int(professionsData().longStatements.size()) - 1);
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!list->isEnabled());
        QVERIFY(!control<QPushButton>(profe, "BotFraSig")->isEnabled());
        QTRY_VERIFY(control<QWidget>(profe, "PanelFrase")->height() > 200);
    }

    void everyLongStatementIsAnsweredYesOrNo()
    {
        // Return presses the focused yes button.
        QCOMPARE(profe->focusWidget(), control<QPushButton>(profe, "BotSi"));
        QTest::keyClick(profe->focusWidget(), Qt::Key_Return);
        auto *list = control<QListWidget>(profe, "ListCues");
        QCOMPARE(control<QLabel>(profe, "LabelFrase0")->text(), uiText(text::kStatementHeader));
        QCOMPARE(control<QLabel>(profe, "LabelFrase")->text(), list->item(0)->text());
        QVERIFY(control<QPushButton>(profe, "BotNo")->isVisible());

        const int yes = std::min(4, list->count());
        for (int row = 0; row < list->count(); ++row)
            click(profe, row < yes ? "BotSi" : "BotNo");
        QCOMPARE(control<QLabel>(profe, "LabelFrase0")->text(), uiText(text::kAllAnswered));
        QCOMPARE(int(selectedRows(list).size()), yes);
        QVERIFY(list->isEnabled());
        QVERIFY(control<QPushButton>(profe, "BotFraSig")->isEnabled());
        if (yes > 3)
            QVERIFY(control<QLabel>(profe, "LabelFrase")->text().startsWith(uiText(text::kTooManyFirst)));
    }

    void fourStatementsKeepThePupilOnTheList()
    {
        auto *list = control<QListWidget>(profe, "ListCues");
        if (list->count() < 4)
            QSKIP("the sample has fewer than four long statements");
        click(profe, "BotSi");
        QVERIFY(!control<QWidget>(profe, "PanelFrase")->isVisible());
        click(profe, "BotFraSig");
        QVERIFY(control<QWidget>(profe, "PanelFrase")->isVisible());
        QVERIFY(control<QLabel>(profe, "LabelFrase")->text().startsWith(uiText(text::kTooManyFirst)));
        QVERIFY(!control<QListWidget>(profe, "ListSel")->isVisible());

        click(profe, "BotSi");
        clickRow(list, 3);
        QCOMPARE(selectedRows(list), (std::vector<int>{0, 1, 2}));
        click(profe, "BotFraSig");
        QVERIFY(!list->isVisible());
        QVERIFY(control<QListWidget>(profe, "ListSel")->isVisible());
    }

    void theKeyboardChoosesAtMostTwoOnAPage()
    {
        auto *page = control<QListWidget>(profe, "ListSel");
        QCOMPARE(control<QLabel>(profe, "LabelTit0")->text(), uiText(text::kChooseTwo));
        QVERIFY(page->count() >= 1);
        for (int row = 0; row < std::min(3, page->count()); ++row) {
            QTest::keyClick(page, Qt::Key_Space);
            QTest::keyClick(page, Qt::Key_Down);
        }
        const std::vector<int> kept = selectedRows(page);
        QCOMPARE(int(kept.size()), std::min(2, page->count()));
        QCOMPARE(kept.front(), 0);

        // Escape steps back to the long statements and on again: the choices stay.
        QTest::keyClick(profe, Qt::Key_Escape);
        QVERIFY(control<QListWidget>(profe, "ListCues")->isVisible());
        QVERIFY(!page->isVisible());
        click(profe, "BotFraSig");
        QCOMPARE(selectedRows(page), kept);
    }

    void everyPageKeepsItsFirstTwoChoices()
    {
        auto *page = control<QListWidget>(profe, "ListSel");
        for (int pages = 1; control<QLabel>(profe, "LabelTit0")->text() == uiText(text::kChooseTwo);
             ++pages) {
            QVERIFY(pages <= 4);
            QVERIFY(page->count() >= 1);
            if (pages > 1)
                for (int row = 0; row < std::min(3, page->count()); ++row)
                    clickRow(page, row);
            const std::vector<int> kept = selectedRows(page);
            QCOMPARE(int(kept.size()), std::min(2, page->count()));
            for (int row : kept)
                m_chosenOnPages << page->item(row)->text();
            click(profe, "BotFraSig");
        }
    }

    void theLastPageListsTheChoicesAndTakesOne()
    {
        auto *page = control<QListWidget>(profe, "ListSel");
        QCOMPARE(control<QLabel>(profe, "LabelTit0")->text(), uiText(text::kChooseOne));
        QCOMPARE(shownLines(page), m_chosenOnPages);
        clickRow(page, 0);
        clickRow(page, page->count() - 1);
        QCOMPARE(selectedRows(page), std::vector<int>{page->count() - 1});
        click(profe, "BotFraSig");
        QVERIFY(control<QWidget>(profe, "PanelResul")->isVisible());
        QVERIFY(control<QPushButton>(profe, "BotImp")->isVisible());
        QVERIFY(!control<QPushButton>(profe, "BotFraSig")->isVisible());
    }

    void theResultsNameActivitiesAndProfessions()
    {
        auto *activities = control<QListWidget>(profe, "ListResulAct");
        QCOMPARE(activities->item(0)->text(), QStringLiteral("         ") + uiText(text::kActivitiesHeading));
        QVERIFY(activities->count() >= 2 && activities->count() <= 3);
        QVERIFY(activities->item(1)->text().startsWith(QStringLiteral("1º ")));

        auto *professions = control<QListWidget>(profe, "ListResulProf");
        QVERIFY(professions->item(0)->text().isEmpty());
        QVERIFY(professions->count() >= 2); // the picked statement comes from a profession
        const QStringList rows = shownLines(professions).mid(1);
        QCOMPARE(QSet<QString>(rows.begin(), rows.end()).size(), rows.size());
        for (const QString &row : rows)
            QVERIFY2(professionOfRow(row) > 0, qPrintable(row));
        QVERIFY(control<QListWidget>(profe, "listTit")->count() == 0);
    }

    void thePointerShowsDetailsUntilAClickLocksThem()
    {
        auto *professions = control<QListWidget>(profe, "ListResulProf");
        auto *studies = control<QListWidget>(profe, "listTit");
        hoverRow(professions, 1);
        QCOMPARE(control<QLabel>(profe, "LabelTit3")->text(), professions->item(1)->text());
        const int first = professionOfRow(professions->item(1)->text());
        QCOMPARE(shownLines(studies), displayed(studiesLines(professionsData(), content(), first)));

        clickRow(professions, 1);
        if (professions->count() > 2) {
            hoverRow(professions, 2);
            QCOMPARE(control<QLabel>(profe, "LabelTit3")->text(), professions->item(1)->text());
            clickRow(professions, 2);
            QCOMPARE(control<QLabel>(profe, "LabelTit3")->text(), professions->item(2)->text());
            clickRow(professions, 2); // locked again
            clickRow(professions, 2);
        } else {
            clickRow(professions, 1);
        }

        auto *activities = control<QListWidget>(profe, "ListResulAct");
        hoverRow(activities, 1);
        auto *ofActivity = control<QListWidget>(profe, "ListResProf");
        QCOMPARE(ofActivity->item(0)->text(),
                 QStringLiteral("     ") + uiText(text::kProfessionsOfActivity) + QStringLiteral(" 1º"));
        QVERIFY(ofActivity->count() >= 2);
    }

    void printingWritesTheResultsToAPdf()
    {
        QString text;
        {
            PdfPrint print;
            print.answerer.name = QStringLiteral("Lucía Pérez");
            click(profe, "BotImp");
            QCOMPARE(print.answerer.questionsAnswered, 1);
            QCOMPARE(print.answerer.lastQuestion, uiText(text::kAskName));
            QCOMPARE(print.answerer.printQuestionsAnswered, 1);
            text = print.text();
        }
        QVERIFY2(text.contains(QStringLiteral("Lucía Pérez")), qPrintable(text));
        QVERIFY(text.contains(uiText(text::kTitle).simplified()));
        QVERIFY(text.contains(uiText(text::kActivitiesFirst).simplified()));
        const QString profession = control<QListWidget>(profe, "ListResulProf")->item(1)->text().mid(3);
        QVERIFY(text.contains(profession.simplified()));
        const QString activity = control<QListWidget>(profe, "ListResulAct")->item(1)->text().mid(3);
        QVERIFY(text.contains(activity.simplified()));

        // The name is asked once per questionnaire.
        PdfPrint again;
        click(profe, "BotImp");
        QCOMPARE(again.answerer.questionsAnswered, 0);
        QVERIFY(again.written());
    }

    void escapeStepsBackFromTheResultsToTheLastPage()
    {
        QTest::keyClick(profe, Qt::Key_Escape);
        QVERIFY(!control<QWidget>(profe, "PanelResul")->isVisible());
        QVERIFY(control<QListWidget>(profe, "ListSel")->isVisible());
        QCOMPARE(control<QLabel>(profe, "LabelTit0")->text(), uiText(text::kChooseOne));
        QVERIFY(control<QPushButton>(profe, "BotFraSig")->isVisible());
        click(profe, "BotFraSig");
        QVERIFY(control<QWidget>(profe, "PanelResul")->isVisible());
    }

    void aClickOnTheStudiesAsksToLeaveWithAnExplanation()
    {
        testsupport::DialogAnswerer answerer;
        answerer.answerYes = false;
        QTest::mouseClick(control<QListWidget>(profe, "listTit")->viewport(), Qt::LeftButton);
        QCOMPARE(answerer.questionsAnswered, 1);
        QCOMPARE(answerer.lastQuestion, uiText(text::kLeaveQuestion));
        QCOMPARE(answerer.lastSecondLine, uiText(text::kStudiesElsewhere));
        QVERIFY(profe->isVisible());
    }

    void leavingGoesBackToTheMainMenu()
    {
        testsupport::DialogAnswerer answerer;
        click(profe, "BotAcabar");
        QCOMPARE(answerer.questionsAnswered, 1);
        QVERIFY(answerer.lastSecondLine.isEmpty());
        QVERIFY(!profe->isVisible());
        QVERIFY(form0->isVisible());
    }

    void theDoorStartsAfresh()
    {
        QVERIFY(m_program->openDoor("LabelProfe", profe));
        QCOMPARE(control<QLabel>(profe, "LabelFrase0")->text(), uiText(text::kIntroductionHeader));
        QVERIFY(control<QListWidget>(profe, "ListCues")->isVisible());
        QVERIFY(control<QListWidget>(profe, "ListCues")->selectedItems().isEmpty());
        QVERIFY(!control<QListWidget>(profe, "ListSel")->isVisible());
        QVERIFY(!control<QWidget>(profe, "PanelResul")->isVisible());

        // Closing the window asks too; "No" keeps it open.
        testsupport::DialogAnswerer answerer;
        answerer.answerYes = false;
        profe->close();
        QCOMPARE(answerer.questionsAnswered, 1);
        QVERIFY(profe->isVisible());
    }
};

QTEST_MAIN(ProfessionsWindowTest)
#include "tst_professions_window_sample.moc"
