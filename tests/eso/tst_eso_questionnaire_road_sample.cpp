// The whole questionnaire road as a pupil walks it on the sample installation:
// the short questionnaire passed, the arrow that continues it clicked where a
// pupil clicks it, the remaining questions answered by single clicks, quick
// pairs of clicks and the keyboard, and results that count every answer.

#include "support/started_installation.h"
#include "support/text_fits.h"

#include "data/content_tables.h"
#include "data/eso_tables.h"
#include "eso/eso_questions.h"
#include "eso/eso_results.h"
#include "eso/eso_scoring.h"
#include "eso/eso_window.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace velmira;
using testsupport::captionFits;
using testsupport::control;

namespace {

template <typename Control> Control *eso(const char *name) { return control<Control>(Form2, name); }

QTableWidget *grid() { return eso<QTableWidget>("Gcuestio"); }

void clickRow(int question) { testsupport::clickRow(grid(), question - 1); }

// Two clicks within the double-click time: the display server sends the
// second press as a double-click.
void clickRowTwiceQuickly(int question)
{
    const QPoint at = testsupport::rowCentre(grid(), question - 1);
    QWidget *viewport = grid()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

// A click where the pointer is, on whatever control lies on top there.
void clickWindowAt(const QPoint &at)
{
    QWidget *target = Form2->childAt(at);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(Form2, at));
}

// The clicks that give a question its highest answer short of the scale's
// end: enough for a mark above 5.
int clicksForHighAnswer(int scale) { return scale == 2 ? 1 : 3; }

} // namespace

class EsoQuestionnaireRoadTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;
    EsoQuestionnaire m_expected; // the same answers on the logic alone

    void answer(int question, int clicks)
    {
        for (int click = 0; click < clicks; ++click)
            m_expected.sheet.advance(question);
    }

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QVERIFY(m_program->openDoor("LabelCuesE", Form2));
        for (const char *entry :
             {"botCuestio", "BotItinerarios", "BitAcabarLogse", "BotCuestio1", "BotCuestio2", "BotCuestio3"})
            QVERIFY2(captionFits(eso<QPushButton>(entry)), entry);
    }

    void cleanupTestCase() { m_program.reset(); }

    void theShortQuestionnaireIsPassed()
    {
        QTest::mouseClick(eso<QPushButton>("BotCuestio3"), Qt::LeftButton);
        QCOMPARE(grid()->rowCount(), kEsoShortLength);
        // Every question whole in its row: a long one wraps onto more lines.
        const QFontMetrics metrics(grid()->font());
        for (int row = 0; row < kEsoShortLength; ++row) {
            const QRect needed = metrics.boundingRect(QRect(0, 0, grid()->columnWidth(0) - 8, 1000),
                                                      Qt::TextWordWrap, grid()->item(row, 0)->text());
            QVERIFY(grid()->rowHeight(row) >= needed.height());
        }
        m_expected.beginShort();
        m_expected.fillRows(esoData().cuestion, m_expected.startGrid(esoData().cuestion.count()));
        for (int question = 1; question <= kEsoShortLength; ++question) {
            const int clicks = clicksForHighAnswer(m_expected.sheet.scale(question));
            for (int click = 0; click < clicks; ++click)
                clickRow(question);
            answer(question, clicks);
        }
        // Scoring sets the pass flag the continuation reads.
        QVERIFY(scoreShortQuestionnaire(m_expected, content().datgrub.third).mark >= 5.0);

        QTest::mouseClick(eso<QPushButton>("BotResCues"), Qt::LeftButton);
        QVERIFY(Form2->questionnaire().pass);
        QVERIFY(eso<QListWidget>("ListresCues")->isVisible());
    }

    void theArrowShowsAndTakesAClickInItsMiddle()
    {
        auto *arrow = eso<QPushButton>("BotContinuar");
        QVERIFY(arrow->isVisible());
        QVERIFY(!arrow->text().isEmpty() || !arrow->icon().isNull());
        const QRect area = arrow->geometry();
        for (const QPoint &at : {area.center(), QPoint(area.right() - 4, area.center().y())})
            QCOMPARE(Form2->childAt(at), arrow);
        clickWindowAt(area.center());
        QVERIFY(!arrow->isVisible());
    }

    void theGridComesBackAtQuestion36()
    {
        const int count = esoData().cuestion.count();
        QVERIFY(count > kEsoShortLength);
        QVERIFY(grid()->isVisible());
        QVERIFY(!eso<QListWidget>("ListresCues")->isVisible());
        QCOMPARE(grid()->rowCount(), count);
        QCOMPARE(grid()->rowAt(0), kEsoShortLength); // row 36 on top
        QVERIFY(!grid()->item(kEsoShortLength, 0)->text().isEmpty());
        m_expected.continueAfterPass(count);
        m_expected.fillRows(esoData().cuestion, m_expected.startGrid(count));
    }

    // Questions 36 to the end: one click, a quick pair, or the keyboard (the
    // arrow keys to the row, Return to answer), in turn.
    void theRemainingQuestionsAreAnswered()
    {
        const int count = esoData().cuestion.count();
        for (int question = kEsoShortLength + 1; question <= count; ++question) {
            switch (question % 3) {
            case 0:
                clickRow(question);
                answer(question, 1);
                break;
            case 1:
                clickRowTwiceQuickly(question);
                answer(question, 2);
                break;
            default:
                QTest::keyClick(grid(), Qt::Key_Down);
                QCOMPARE(grid()->currentRow(), question - 1);
                QTest::keyClick(grid(), Qt::Key_Return);
                answer(question, 1);
                break;
            }
        }
        for (int question = 1; question <= count; ++question)
            QCOMPARE(Form2->questionnaire().sheet.answer(question), m_expected.sheet.answer(question));
    }

    void theResultsCountEveryAnswer()
    {
        QTest::mouseClick(eso<QPushButton>("BotResCues"), Qt::LeftButton);
        const EsoResultList expected =
            fullResultList(scoreFullQuestionnaire(m_expected, content().datgrub.third, esoData()), esoData());
        QCOMPARE(Form2->resultList().lines, expected.lines);
        auto *list = eso<QListWidget>("ListresCues");
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), expected.count());
        QVERIFY(eso<QPushButton>("grabar")->isVisible());
    }

    // The hint over the ranked lines covers none of the list, and goes with
    // the pointer; leaving the questionnaire takes its help away.
    void theHintStaysOffTheListAndGoesWithThePointer()
    {
        auto *list = eso<QListWidget>("ListresCues");
        auto *hint = eso<QLabel>("LabelAviso");
        const QPoint ranked = list->visualItemRect(list->item(kFirstRankedLine - 1)).center();
        QMouseEvent move(QEvent::MouseMove, ranked, list->viewport()->mapToGlobal(ranked), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QVERIFY(hint->isVisible());
        QVERIFY(!hint->geometry().intersects(list->geometry()));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(list->viewport(), &leave);
        QVERIFY(!hint->isVisible());

        QTest::mouseClick(eso<QPushButton>("AcabarCues"), Qt::LeftButton);
        QVERIFY(eso<QWidget>("PanelMenu")->isVisible());
        QVERIFY(!eso<QWidget>("payuda")->isVisible());
    }
};

QTEST_MAIN(EsoQuestionnaireRoadTest)
#include "tst_eso_questionnaire_road_sample.moc"
