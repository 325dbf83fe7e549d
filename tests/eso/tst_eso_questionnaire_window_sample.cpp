// The ESO questionnaire as a pupil goes through it on the sample
// installation: the main menu's questionnaire door, the full questionnaire
// answered by clicks on the grid, the results, printing and saving.

#include "support/dialog_answerer.h"
#include "support/started_installation.h"

#include "data/content_tables.h"
#include "data/eso_tables.h"
#include "data/messages.h"
#include "data/report_layout.h"
#include "data/text_bytes.h"
#include "eso/eso_scoring.h"
#include "eso/eso_window.h"
#include "shell/main_menu_window.h"
#include "shell/startup.h"

#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace velmira;

namespace {

// Clicks on the grid row of a question, scrolled into view first.
void clickRow(QTableWidget *grid, int question)
{
    QTableWidgetItem *item = grid->item(question - 1, 0);
    QVERIFY(item);
    grid->scrollToItem(item);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
}

// How many clicks the pupil gives question q: a spread of answers.
int clicksFor(int question) { return question % 4; }

// The pages the report printer lays the print buffer's lines on.
int expectedPages(int count)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    return static_cast<int>(
        layoutReport(reportRequest(work().print1, count, true, 9), page.width(), page.height()).pages.size());
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
        m_program->clickDoor("LabelCuesE");
        QTRY_VERIFY_WITH_TIMEOUT(Form2->isVisible(), 5000);
        QVERIFY(!form0->isVisible());
        QVERIFY(Form2->PanelMenu2->isVisible());
        QCOMPARE(Form2->size(), QSize(1024, 768));
    }

    void theFullQuestionnaireFillsTheGrid()
    {
        QTest::mouseClick(Form2->BotCuestio1, Qt::LeftButton);
        const int count = esoData().cuestion.count();
        QVERIFY(count > kEsoShortLength);
        QCOMPARE(Form2->Gcuestio->rowCount(), count);
        QVERIFY(Form2->Gcuestio->isVisible());
        QVERIFY(!Form2->PanelMenu2->isVisible());
        QCOMPARE(Form2->Gcuestio->horizontalHeaderItem(2)->text(), QStringLiteral("Not"));
        QCOMPARE(Form2->Gcuestio->item(0, 0)->text(), displayText(Form2->questionnaire().sheet.text(1)));
        QVERIFY(Form2->Gcuestio->item(0, 1)->text().isEmpty());
        m_expected.beginFull(count);
        m_expected.fillRows(esoData().cuestion, m_expected.startGrid(count));
    }

    void clicksOnRowsAnswerTheirQuestions()
    {
        const int count = esoData().cuestion.count();
        for (int question = 1; question <= count; ++question) {
            for (int click = 0; click < clicksFor(question); ++click) {
                clickRow(Form2->Gcuestio, question);
                m_expected.sheet.advance(question);
            }
        }
        for (int question = 1; question <= count; ++question)
            QCOMPARE(Form2->questionnaire().sheet.answer(question), m_expected.sheet.answer(question));
        // The label of the answer shows beside a question that was clicked.
        const int clicked = 3;
        QVERIFY(!Form2->Gcuestio->item(clicked - 1, 1)->text().isEmpty());
    }

    void enterAnswersLikeAClick()
    {
        const int question = 4; // never clicked: four clicks come round again
        Form2->Gcuestio->setCurrentCell(question - 1, 0);
        const int before = Form2->questionnaire().sheet.answer(question);
        QTest::keyClick(Form2->Gcuestio, Qt::Key_Return);
        m_expected.sheet.advance(question);
        QCOMPARE(Form2->questionnaire().sheet.answer(question), m_expected.sheet.answer(question));
        if (Form2->questionnaire().sheet.scale(question) >= 2
            && Form2->questionnaire().sheet.scale(question) <= 5)
            QVERIFY(Form2->questionnaire().sheet.answer(question) != before);
    }

    void theResultsButtonShowsTheScoredList()
    {
        QTest::mouseClick(Form2->BotResCues, Qt::LeftButton);
        const EsoResultList expected =
            fullResultList(scoreFullQuestionnaire(m_expected, content().datgrub.third, esoData()), esoData());
        QCOMPARE(Form2->resultList().lines, expected.lines);
        QVERIFY(Form2->resultList().count() >= kMinimumFullResultLines);
        QCOMPARE(Form2->ListresCues->count(), expected.count());
        QVERIFY(Form2->ListresCues->isVisible());
        QVERIFY(!Form2->Gcuestio->isVisible());
        QVERIFY(Form2->ImpResul->isVisible());
        QVERIFY(Form2->grabar->isVisible());
        QCOMPARE(Form2->ListresCues->visualItemRect(Form2->ListresCues->item(0)).height(), 20);
    }

    void aRankedLineOpensItsDetails()
    {
        QListWidget *list = Form2->ListresCues;
        QListWidgetItem *ranked = list->item(kFirstRankedLine - 1);
        list->scrollToItem(ranked);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(ranked).center());
        QVERIFY(Form2->PanelCar->isVisible());
        QVERIFY(Form2->ListCar->count() > 1);
        QTest::mouseClick(Form2->BotCerrar, Qt::LeftButton);
        QVERIFY(!Form2->PanelCar->isVisible());
    }

    void printingAsksTheNameThenPrintsTheList()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("resultado.pdf"));
        qputenv("VELMIRA_PRINT_PDF", pdf.toLocal8Bit());
        testsupport::DialogAnswerer answerer;
        answerer.name = QStringLiteral("Lucía Pérez");
        QTest::mouseClick(Form2->ImpResul, Qt::LeftButton);
        qunsetenv("VELMIRA_PRINT_PDF");

        QCOMPARE(answerer.questionsAnswered, 1);
        QCOMPARE(answerer.printQuestionsAnswered, 1);
        const QString heading = displayText(Form2->questionnaire().studentName.text());
        QCOMPARE(heading, QStringLiteral("Lucía Pérez  -  4º de ESO"));
        QVERIFY(QFile::exists(pdf));
        const int count = Form2->resultList().count() + 1;
        QCOMPARE(testsupport::pdfPageCount(pdf), expectedPages(count));
        QCOMPARE(work().print1.at(0), Form2->questionnaire().studentName.text());
    }

    void savingWritesTheResultLines()
    {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("resultado.TXT"));
        testsupport::DialogAnswerer answerer;
        answerer.saveAs = path;
        QTest::mouseClick(Form2->grabar, Qt::LeftButton);

        QCOMPARE(answerer.questionsAnswered, 0); // the name is kept from printing
        QCOMPARE(answerer.saveDialogsAnswered, 1);
        QVERIFY(answerer.proposedFileName.endsWith(QStringLiteral("Lucía Pérez  -  4º de ESO.TXT")));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
                 savedResultText(Form2->questionnaire().studentName.text(), Form2->resultList()));
        QCOMPARE(Form2->ListCar->count(), Form2->resultList().count() + 2);
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
        QTest::mouseClick(Form2->grabar, Qt::LeftButton);

        QCOMPARE(answerer.saveDialogsAnswered, 1);
        QCOMPARE(m_program->messages().size(), 1);
        QVERIFY(!QFile::exists(answerer.saveAs));
        QVERIFY(Form2->ListresCues->isVisible());
        QCOMPARE(Form2->ListresCues->count(), Form2->resultList().count());
    }

    void theResultsButtonGoesBackToTheGridAndTheEndToTheMenu()
    {
        QTest::mouseClick(Form2->BotResCues, Qt::LeftButton);
        QVERIFY(Form2->Gcuestio->isVisible());
        QVERIFY(!Form2->grabar->isVisible());
        QTest::mouseClick(Form2->AcabarCues, Qt::LeftButton);
        QVERIFY(Form2->PanelMenu->isVisible());
        QVERIFY(!Form2->PanelCuestio->isVisible());
        QVERIFY(Form2->questionnaire().finished);
        QTest::mouseClick(Form2->BitAcabarLogse, Qt::LeftButton);
        QVERIFY(!Form2->isVisible());
        QVERIFY(form0->isVisible());
    }
};

QTEST_MAIN(EsoQuestionnaireWindowTest)
#include "tst_eso_questionnaire_window_sample.moc"
