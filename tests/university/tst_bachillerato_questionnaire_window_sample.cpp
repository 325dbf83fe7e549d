// The Bachillerato questionnaire on the sample installation, as a pupil
// answers it from the main menu's questionnaire door: qualities and
// interests marked by clicks and by Enter, the results of each part and of
// both, what follows from an itinerary, the report printed and saved, and
// the question before starting again.

#include "support/controls.h"
#include "support/list_lines.h"
#include "support/dialog_answerer.h"
#include "support/started_installation.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/university_tables.h"
#include "university/bachillerato_scoring.h"
#include "university/university_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmira;
using testsupport::click;
using testsupport::clickRow;
using testsupport::control;
using testsupport::selectedRows;
using testsupport::shownLines;

namespace {

template <typename Control> Control *univ(const char *name) { return control<Control>(Form1, name); }

void clickResultRow(int row) { clickRow(univ<QTableWidget>("ListResul"), row); }

// The grid's rows as name + score, as the ranking shows them.
QStringList resultRows()
{
    auto *grid = univ<QTableWidget>("ListResul");
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << grid->item(r, 0)->text() + grid->item(r, 1)->text();
    return rows;
}

QStringList expectedRows(const std::vector<double> &scores)
{
    std::vector<QByteArray> names;
    for (int t = 1; t <= kItineraries; ++t)
        names.push_back(trimTrailingBlanks(universityData().itinerar.at(t)));
    QStringList rows;
    for (const QByteArray &line : rankResult("", scores, names).lines)
        rows << displayText(line);
    return rows;
}

QString helpLine(int k)
{
    return control<QLabel>(Form1, QStringLiteral("LabelAyu%1").arg(k).toLatin1().constData())->text();
}

// The itinerary shown in a row: the first line of what follows from it.
QString itineraryOfRow(int row)
{
    clickResultRow(row);
    const QString name = univ<QListWidget>("ListCarreras")->item(0)->text();
    click(Form1, "acabarCua");
    return name;
}

} // namespace

class BachilleratoQuestionnaireTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;
    std::vector<double> m_qualities;
    std::vector<double> m_interests;

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QVERIFY(m_program->openDoor("LabelCuesB", Form1));
        QVERIFY(univ<QWidget>("Panelcon")->isVisible());
        QVERIFY(!univ<QWidget>("PanelMenu")->isVisible());
        for (const char *entry : {"Menucua", "MenuGus", "MenuMedia", "MenuRetroCon"})
            QVERIFY(univ<QPushButton>(entry)->isVisible());
        QTRY_COMPARE(helpLine(2), uiText(kQuestionnaireOpenedHelp));
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void bothPartsAreNeededForTheirMean()
    {
        click(Form1, "MenuMedia");
        QTRY_COMPARE(helpLine(1), uiText(kCombinedTooEarlyHelp));
        QVERIFY(!univ<QTableWidget>("ListResul")->isVisible());
    }

    void qualitiesMarkedByClickAndEnterGiveTheirRanking()
    {
        click(Form1, "Menucua");
        auto *list = univ<QListWidget>("ListCua");
        QVERIFY(list->isVisible());
        QVERIFY(!univ<QPushButton>("MenuGus")->isVisible());
        QCOMPARE(list->count(), universityData().cualidad.count());
        QCOMPARE(list->item(0)->text(), displayText(universityData().cualidad.at(1).trimmed()));
        clickRow(list, 1);
        clickRow(list, 6);
        clickRow(list, 9);
        clickRow(list, 9); // a second click takes the mark away
        // Enter marks the item under the focus, and a second Enter unmarks it.
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 10);
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(selectedRows(list), (std::vector<int>{1, 6, 10}));

        click(Form1, "VerResul");
        m_qualities = partScores({2, 7, 11}, content().datgrub.first);
        QCOMPARE(resultRows(), expectedRows(m_qualities));
        QCOMPARE(univ<QLabel>("PanelResCon")->text(), displayText(partResultsTitle(kQualitiesCaption)));
        QVERIFY(!list->isVisible());
        QVERIFY(univ<QPushButton>("revisa")->isVisible());
        QTRY_COMPARE(helpLine(1), uiText(kPartResultsHelp));

        // Back to the answers: the marks are still there.
        click(Form1, "revisa");
        QVERIFY(list->isVisible());
        QCOMPARE(selectedRows(list), (std::vector<int>{1, 6, 10}));
        click(Form1, "VerResul");
        click(Form1, "acabarCua");
        QVERIFY(univ<QPushButton>("MenuGus")->isVisible());
        QVERIFY(!univ<QTableWidget>("ListResul")->isVisible());
    }

    void interestsAndTheMeanOfBothParts()
    {
        click(Form1, "MenuGus");
        auto *list = univ<QListWidget>("Listint");
        QTRY_COMPARE(helpLine(1), uiText(kInterestsHelpHeading));
        for (int row : {0, 3, 4, 12, 20})
            clickRow(list, row);
        click(Form1, "VerResul");
        m_interests = partScores({1, 4, 5, 13, 21}, content().datgrub.second);
        QCOMPARE(resultRows(), expectedRows(m_interests));
        click(Form1, "acabarCua");

        click(Form1, "MenuMedia");
        QCOMPARE(resultRows(), expectedRows(combinedScores(m_qualities, m_interests)));
        QCOMPARE(univ<QLabel>("PanelResCon")->text(), uiText(kCombinedResultsTitle).trimmed());
        QVERIFY(univ<QPushButton>("ImpResul")->isVisible());
        QVERIFY(univ<QPushButton>("grabar")->isVisible());
        QTRY_COMPARE(helpLine(1), uiText(kCombinedResultsHelp));
    }

    void anItineraryShowsWhatFollowsFromIt()
    {
        clickResultRow(0);
        auto *outcomes = univ<QListWidget>("ListCarreras");
        QVERIFY(outcomes->isVisible());
        const QStringList lines = shownLines(outcomes);
        QVERIFY(lines.contains(uiText(kDegreesOfItinerary).trimmed()));
        QCOMPARE(lines.at(0), resultRows().at(0).left(45).trimmed());
        clickRow(outcomes, 0);
        QVERIFY(!outcomes->isVisible());

        // Itinerary 11 names its note where the titles heading would be.
        const QString eleven = displayText(universityData().itinerar.at(11).trimmed());
        for (int row = 0; row < kItineraries; ++row) {
            if (!resultRows().at(row).startsWith(eleven))
                continue;
            clickResultRow(row);
            const QStringList shown = shownLines(outcomes);
            QVERIFY(shown.contains(uiText(kItineraryElevenNote).trimmed()));
            QVERIFY(!shown.contains(uiText(kHigherTitlesOfItinerary).trimmed()));
            click(Form1, "acabarCua"); // closes the list, stays on the results
            QVERIFY(!outcomes->isVisible());
            QVERIFY(univ<QTableWidget>("ListResul")->isVisible());
        }
    }

    void theReportPrintsOnTwoPagesAfterTheName()
    {
        testsupport::PdfPrint print;
        print.answerer.name = QStringLiteral("Lucía Pérez");
        click(Form1, "ImpResul");

        QCOMPARE(print.answerer.questionsAnswered, 1);
        QCOMPARE(print.answerer.lastQuestion, uiText(kStudentNamePrompt));
        QCOMPARE(print.answerer.printQuestionsAnswered, 1);
        // Page 2 starts a page of its own after the rankings.
        QVERIFY(print.pages() >= 2);
        const QString text = print.text();
        QVERIFY2(
            text.contains(uiText(kBachilleratoReportHeader).simplified() + QStringLiteral(" Lucía Pérez")),
            qPrintable(text));
        QVERIFY(text.contains(uiText(kBachilleratoReportPage2).simplified()));
        QVERIFY(text.contains(itineraryOfRow(0).simplified()));
        QVERIFY(text.contains(itineraryOfRow(1).simplified()));
    }

    void theReportSavesAsTextUnderTheSameName()
    {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("informe.TXT"));
        testsupport::DialogAnswerer answerer;
        answerer.saveAs = path; // the name field keeps the name typed before
        click(Form1, "grabar");

        QCOMPARE(answerer.questionsAnswered, 1);
        QCOMPARE(answerer.saveDialogsAnswered, 1);
        QVERIFY(answerer.proposedFileName.endsWith(QStringLiteral("Lucía Pérez.TXT")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = displayText(file.readAll()).split(QLatin1Char('\n'));
        // The header of page 1 is not written; page 2 follows page 1.
        QCOMPARE(lines.at(0),
                 uiText(kBachilleratoReportLine) + QLatin1Char(' ') + uiText(kBachilleratoReportLine + 1));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("Lucía Pérez")));
        QVERIFY(lines.contains(uiText(kBachilleratoReportPage2)));
        QVERIFY(lines.indexOf(uiText(kBachilleratoReportPage2))
                > lines.indexOf(QString(9, ' ') + resultRows().at(0)));
        QVERIFY(!univ<QTableWidget>("ListResul")->isVisible());
        QTRY_COMPARE(helpLine(1), uiText(kResultsSavedHelp));
    }

    void enteringAgainAsksBeforeForgettingTheMarks()
    {
        click(Form1, "MenuRetroCon");
        QTRY_VERIFY(form0->isVisible());
        QVERIFY(!Form1->isVisible());

        {
            testsupport::DialogAnswerer answerer;
            answerer.answerYes = false;
            QVERIFY(m_program->openDoor("LabelCuesB", Form1));
            QCOMPARE(answerer.lastQuestion, uiText(kQuestionnaireResetQuestion));
        }
        click(Form1, "Menucua");
        QCOMPARE(selectedRows(univ<QListWidget>("ListCua")), (std::vector<int>{1, 6, 10}));
        click(Form1, "VerResul");
        click(Form1, "acabarCua");
        click(Form1, "MenuRetroCon");
        QTRY_VERIFY(form0->isVisible());

        testsupport::DialogAnswerer answerer;
        QVERIFY(m_program->openDoor("LabelCuesB", Form1));
        QCOMPARE(answerer.questionsAnswered, 1);
        click(Form1, "MenuMedia"); // neither part is started any more
        QTRY_COMPARE(helpLine(1), uiText(kCombinedTooEarlyHelp));
        click(Form1, "Menucua");
        QVERIFY(selectedRows(univ<QListWidget>("ListCua")).empty());
    }

    // From the module menu, the questionnaire's return goes back there, by
    // its back entry or by Escape.
    void theModuleMenuEntryOpensItToo()
    {
        click(Form1, "VerResul");
        click(Form1, "acabarCua");
        click(Form1, "MenuRetroCon");
        QTRY_VERIFY(form0->isVisible());
        QVERIFY(m_program->openDoor("LabelCarreras", Form1));
        QVERIFY(univ<QWidget>("PanelMenu")->isVisible());
        {
            testsupport::DialogAnswerer answerer;
            answerer.answerYes = false;
            click(Form1, "BotCuestionario");
            QCOMPARE(answerer.questionsAnswered, 1);
        }
        QVERIFY(univ<QWidget>("Panelcon")->isVisible());
        QVERIFY(!univ<QWidget>("PanelMenu")->isVisible());
        // Escape steps back: from a part's list to the questionnaire's menu,
        // and from there out of the questionnaire.
        click(Form1, "Menucua");
        QTest::keyClick(univ<QListWidget>("ListCua"), Qt::Key_Escape);
        QVERIFY(!univ<QListWidget>("ListCua")->isVisible());
        QVERIFY(univ<QPushButton>("MenuRetroCon")->isVisible());
        QTest::keyClick(univ<QPushButton>("Menucua"), Qt::Key_Escape);
        QVERIFY(Form1->isVisible());
        QVERIFY(univ<QWidget>("PanelMenu")->isVisible());
        QVERIFY(!univ<QWidget>("Panelcon")->isVisible());
    }
};

QTEST_MAIN(BachilleratoQuestionnaireTest)
#include "tst_bachillerato_questionnaire_window_sample.moc"
