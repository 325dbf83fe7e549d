// The ESO questionnaire as a pupil goes through it on the sample
// installation: the main menu's questionnaire door, the full questionnaire
// answered by clicks on the grid, the results, printing and saving.

#include "support/dialog_answerer.h"
#include "support/started_installation.h"

#include "data/content_tables.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/messages.h"
#include "data/report_layout.h"
#include "data/text_bytes.h"
#include "eso/eso_results.h"
#include "eso/eso_scoring.h"
#include "eso/eso_window.h"
#include "shell/main_menu_window.h"
#include "shell/startup.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

using namespace velmira;
using testsupport::clickRow;
using testsupport::control;

namespace {

template <typename Control> Control *eso(const char *name) { return control<Control>(Form2, name); }

// How many clicks the pupil gives question q: a spread of answers.
int clicksFor(int question) { return question % 4; }

// The pages the report printer lays the print buffer's lines on.
int expectedPages(int count)
{
    return testsupport::expectedPdfPages(reportRequest(work().print1, count, true, 9));
}

} // namespace

class EsoQuestionnaireWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;
    EsoQuestionnaire m_expected; // the same clicks on the logic alone

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QVERIFY(m_program->messages().isEmpty());
    }

    void cleanupTestCase() { m_program.reset(); }

    void theQuestionnaireDoorOpensTheQuestionnaireMenu()
    {
        QVERIFY(m_program->openDoor("LabelCuesE", Form2));
        QVERIFY(!form0->isVisible());
        QVERIFY(eso<QWidget>("PanelMenu2")->isVisible());
        QCOMPARE(Form2->size(), QSize(1024, 768));
    }

    void theFullQuestionnaireFillsTheGrid()
    {
        QTest::mouseClick(eso<QPushButton>("BotCuestio1"), Qt::LeftButton);
        const int count = esoData().cuestion.count();
        QVERIFY(count > kEsoShortLength);
        auto *grid = eso<QTableWidget>("Gcuestio");
        QCOMPARE(grid->rowCount(), count);
        QVERIFY(grid->isVisible());
        QVERIFY(!eso<QWidget>("PanelMenu2")->isVisible());
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Not"));
        QCOMPARE(grid->item(0, 0)->text(), displayText(Form2->questionnaire().sheet.text(1)));
        QVERIFY(grid->item(0, 1)->text().isEmpty());
        m_expected.beginFull(count);
        m_expected.fillRows(esoData().cuestion, m_expected.startGrid(count));
    }

    void clicksOnRowsAnswerTheirQuestions()
    {
        const int count = esoData().cuestion.count();
        for (int question = 1; question <= count; ++question) {
            for (int click = 0; click < clicksFor(question); ++click) {
                clickRow(eso<QTableWidget>("Gcuestio"), question - 1);
                m_expected.sheet.advance(question);
            }
        }
        for (int question = 1; question <= count; ++question)
            QCOMPARE(Form2->questionnaire().sheet.answer(question), m_expected.sheet.answer(question));
        // The label of the answer shows beside a question that was clicked.
        const int clicked = 3;
        QVERIFY(!eso<QTableWidget>("Gcuestio")->item(clicked - 1, 1)->text().isEmpty());
    }

    void enterAnswersLikeAClick()
    {
        const int question = 4; // never clicked: four clicks come round again
        auto *grid = eso<QTableWidget>("Gcuestio");
        // To the first question, then down to the fourth, by keyboard.
        QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
        for (int row = 1; row < question; ++row)
            QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentRow(), question - 1);
        const int before = Form2->questionnaire().sheet.answer(question);
        QTest::keyClick(grid, Qt::Key_Return);
        m_expected.sheet.advance(question);
        QCOMPARE(Form2->questionnaire().sheet.answer(question), m_expected.sheet.answer(question));
        if (Form2->questionnaire().sheet.scale(question) >= 2
            && Form2->questionnaire().sheet.scale(question) <= 5)
            QVERIFY(Form2->questionnaire().sheet.answer(question) != before);
    }

    // Tab reaches the grid and leaves it again.
    void tabLeavesTheAnswerGrid()
    {
        QVERIFY(testsupport::tabTo(Form2, "Gcuestio"));
        QTest::keyClick(eso<QTableWidget>("Gcuestio"), Qt::Key_Tab);
        QVERIFY(Form2->focusWidget() != eso<QTableWidget>("Gcuestio"));
    }

    void theResultsButtonShowsTheScoredList()
    {
        QTest::mouseClick(eso<QPushButton>("BotResCues"), Qt::LeftButton);
        const EsoResultList expected =
            fullResultList(scoreFullQuestionnaire(m_expected, content().datgrub.third, esoData()), esoData());
        QCOMPARE(Form2->resultList().lines, expected.lines);
        QVERIFY(Form2->resultList().count() >= kMinimumFullResultLines);
        auto *list = eso<QListWidget>("ListresCues");
        QCOMPARE(list->count(), expected.count());
        QVERIFY(list->isVisible());
        QVERIFY(!eso<QTableWidget>("Gcuestio")->isVisible());
        QVERIFY(eso<QPushButton>("ImpResul")->isVisible());
        QVERIFY(eso<QPushButton>("grabar")->isVisible());
        QCOMPARE(list->visualItemRect(list->item(0)).height(), 20);
    }

    void aRankedLineOpensItsDetails()
    {
        auto *list = eso<QListWidget>("ListresCues");
        QListWidgetItem *ranked = list->item(kFirstRankedLine - 1);
        list->scrollToItem(ranked);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(ranked).center());
        QVERIFY(eso<QWidget>("PanelCar")->isVisible());
        QVERIFY(eso<QListWidget>("ListCar")->count() > 1);
        QTest::mouseClick(eso<QPushButton>("BotCerrar"), Qt::LeftButton);
        QVERIFY(!eso<QWidget>("PanelCar")->isVisible());
    }

    void printingAsksTheNameThenPrintsTheList()
    {
        testsupport::PdfPrint print;
        print.answerer.name = QStringLiteral("Lucía Pérez");
        QTest::mouseClick(eso<QPushButton>("ImpResul"), Qt::LeftButton);

        QCOMPARE(print.answerer.questionsAnswered, 1);
        QCOMPARE(print.answerer.printQuestionsAnswered, 1);
        const QString heading = displayText(Form2->questionnaire().studentName.text());
        QCOMPARE(heading, QStringLiteral("Lucía Pérez  -  4º de ESO"));
        QVERIFY(print.written());
        const int count = Form2->resultList().count() + 1;
        QCOMPARE(print.pages(), expectedPages(count));
        QCOMPARE(work().print1.at(0), Form2->questionnaire().studentName.text());
    }

    void savingWritesTheResultLines()
    {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("resultado.TXT"));
        testsupport::DialogAnswerer answerer;
        answerer.saveAs = path;
        QTest::mouseClick(eso<QPushButton>("grabar"), Qt::LeftButton);

        QCOMPARE(answerer.questionsAnswered, 0); // the name is kept from printing
        QCOMPARE(answerer.saveDialogsAnswered, 1);
        QVERIFY(answerer.proposedFileName.endsWith(QStringLiteral("Lucía Pérez  -  4º de ESO.TXT")));
        // In the pupil's home folder, and in the interface language.
        QCOMPARE(QFileInfo(answerer.proposedFileName).absolutePath(), QDir::homePath());
        QCOMPARE(answerer.saveDialogTitle, QStringLiteral("Guardar como"));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
                 savedResultText(Form2->questionnaire().studentName.text(), Form2->resultList()));
        QCOMPARE(eso<QListWidget>("ListCar")->count(), Form2->resultList().count() + 2);
    }

    void aFileThatCannotBeWrittenReportsItAndKeepsTheList()
    {
        QTemporaryDir out;
        QFile blocker(out.filePath(QStringLiteral("no-es-carpeta")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        testsupport::DialogAnswerer answerer;
        answerer.saveAs = blocker.fileName() + QStringLiteral("/resultado.TXT");
        m_program->clearMessages();
        QTest::mouseClick(eso<QPushButton>("grabar"), Qt::LeftButton);

        QCOMPARE(answerer.saveDialogsAnswered, 1);
        QCOMPARE(m_program->messages().size(), 1);
        QVERIFY(!QFile::exists(answerer.saveAs));
        QVERIFY(eso<QListWidget>("ListresCues")->isVisible());
        QCOMPARE(eso<QListWidget>("ListresCues")->count(), Form2->resultList().count());
    }

    void theResultsButtonGoesBackToTheGridAndTheEndToTheMenu()
    {
        QTest::mouseClick(eso<QPushButton>("BotResCues"), Qt::LeftButton);
        QVERIFY(eso<QTableWidget>("Gcuestio")->isVisible());
        QVERIFY(!eso<QPushButton>("grabar")->isVisible());
        // The help tells how to answer again (interface texts 207-212), not
        // how to read the results (213-220).
        const auto helpShows = [](int first, int last) {
            for (const QLabel *label : Form2->findChildren<QLabel *>(QRegularExpression("^LabelAyu\\d$")))
                for (int text = first; text <= last; ++text)
                    if (!label->text().isEmpty() && label->text() == uiText(text))
                        return true;
            return false;
        };
        QTRY_VERIFY(helpShows(207, 212));
        QVERIFY(!helpShows(213, 220));
        QTest::mouseClick(eso<QPushButton>("AcabarCues"), Qt::LeftButton);
        QVERIFY(eso<QWidget>("PanelMenu")->isVisible());
        QVERIFY(!eso<QWidget>("PanelCuestio")->isVisible());
        QVERIFY(Form2->questionnaire().finished);
        QTest::mouseClick(eso<QPushButton>("BitAcabarLogse"), Qt::LeftButton);
        QVERIFY(!Form2->isVisible());
        QVERIFY(form0->isVisible());
    }
};

QTEST_MAIN(EsoQuestionnaireWindowTest)
#include "tst_eso_questionnaire_window_sample.moc"
