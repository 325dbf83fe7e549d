// The itineraries diagram of the ESO window on the sample installation: drawn
// part by part on clicks, its subject boxes printing a modality sheet or
// opening their lists.

#include "support/dialog_answerer.h"
#include "support/started_installation.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/messages.h"
#include "data/report_layout.h"
#include "data/text_bytes.h"
#include "eso/eso_window.h"
#include "eso/itinerary_diagram.h"
#include "eso/modality_sheets.h"
#include "eso/subject_lists.h"
#include "shell/main_menu_window.h"
#include "shell/startup.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace velmira;
using testsupport::control;

namespace {

template <typename Control> Control *eso(const char *name) { return control<Control>(Form2, name); }

// The invisible button over subject box 0..51.
QPushButton *subjectBox(int box)
{
    const QByteArray name = box == 0 ? QByteArray("b1") : "BitBtn" + QByteArray::number(box);
    return eso<QPushButton>(name.constData());
}

// A point of the first red line of a drawing part, and its colour.
DiagramPaint firstLineOf(int part)
{
    for (const DiagramPaint &paint : partPaint(part))
        if (paint.kind == DiagramPaint::Kind::Line)
            return paint;
    return {};
}

QColor pixelAt(QWidget *window, const QPoint &at) { return window->grab().toImage().pixelColor(at); }

// A click on the window where no control lies.
void clickWindow() { QTest::mouseClick(Form2, Qt::LeftButton, {}, QPoint(1000, 740)); }

} // namespace

class EsoItinerariesWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QCOMPARE(m_program->messages(), QStringList());
        QVERIFY(m_program->openDoor("LabelIti", Form2));
        QVERIFY(!eso<QWidget>("PanelMenu2")->isVisible());
    }

    // No message may have been shown at any point.
    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void eightClicksDrawTheStagesThenPlaceTheBoxes()
    {
        const DiagramPaint line = firstLineOf(1);
        QCOMPARE(line.kind, DiagramPaint::Kind::Line);
        const QPoint onLine = (line.from + line.to) / 2;

        QTest::mouseClick(eso<QPushButton>("BotItinerarios"), Qt::LeftButton);
        QCOMPARE(Form2->drawing().step(), 0);
        QVERIFY(pixelAt(Form2, onLine) != line.colour);
        QVERIFY(eso<QWidget>("payuda")->isVisible());

        for (int part = 1; part <= kLastDiagramPart; ++part) {
            clickWindow();
            QCOMPARE(Form2->drawing().step(), part);
            QVERIFY(Form2->drawing().drawingActive());
            QVERIFY(!subjectBox(5)->isVisible());
        }
        QCOMPARE(pixelAt(Form2, onLine), line.colour);

        clickWindow();
        QVERIFY(!Form2->drawing().drawingActive());
        QVERIFY(Form2->drawing().repaintsWholeDiagram());
        for (int box = 0; box < kSubjectBoxes; ++box)
            QVERIFY(subjectBox(box)->isVisible());
        QVERIFY(!subjectBox(3)->toolTip().isEmpty());
        // Repainted whole: the stages stay once drawing has ended.
        QCOMPARE(pixelAt(Form2, onLine), line.colour);
    }

    void boxFivePrintsTheFirstSheet()
    {
        testsupport::PdfPrint print;
        QTest::mouseClick(subjectBox(5), Qt::LeftButton);

        QCOMPARE(print.answerer.printQuestionsAnswered, 1);
        QVERIFY(!eso<QListWidget>("List_Sel")->isVisible());
        const auto sheet = modalitySheetLines(loadedListSources(), 1);
        QVERIFY(!sheet.empty());
        QCOMPARE(print.pages(),
                 testsupport::expectedPdfPages(
                     reportRequest(work().print1, int(sheet.size()), false, kSheetFontSize)));
    }

    void theNextBoxClickOnlyCloses()
    {
        QTest::mouseClick(subjectBox(3), Qt::LeftButton);
        QVERIFY(!eso<QListWidget>("List_Sel")->isVisible());
    }

    void boxThreeShowsItsListWithTheMoreInformationLink()
    {
        QTest::mouseClick(subjectBox(3), Qt::LeftButton);
        auto *list = eso<QListWidget>("List_Sel");
        QVERIFY(list->isVisible());
        QCOMPARE(list->width(), kListWidth);
        QCOMPARE(list->height(), 300);
        const auto lines = subjectListLines(loadedListSources(), 3);
        QCOMPARE(list->count(), int(lines.size()));
        QCOMPARE(list->item(0)->text(), displayText(lines.front()));
        QVERIFY(eso<QPushButton>("botContextual")->isVisible());
        QCOMPARE(eso<QPushButton>("botContextual")->y(), list->geometry().bottom() + 1);
        QVERIFY(eso<QPushButton>("BotCerrarV")->isVisible());
        // Long lines wrap inside the list: nothing to scroll sideways to.
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    }

    void theLinkShowsTheDegreesOfTheBox()
    {
        QTest::mouseClick(eso<QPushButton>("botContextual"), Qt::LeftButton);
        auto *list = eso<QListWidget>("List_Sel");
        QVERIFY(list->isVisible());
        QCOMPARE(list->height(), kDegreeListHeight);
        QCOMPARE(list->item(0)->text(), QStringLiteral("-") + uiText(65));
        QVERIFY(!eso<QPushButton>("botContextual")->isVisible());
        QTest::mouseClick(eso<QPushButton>("BotCerrarV"), Qt::LeftButton);
        QVERIFY(!list->isVisible());
    }

    void goingBackForgetsTheDiagram()
    {
        QTest::mouseClick(eso<QPushButton>("BitAcabarLogse"), Qt::LeftButton);
        QVERIFY(!Form2->isVisible());
        QVERIFY(form0->isVisible());
        QCOMPARE(Form2->drawing().step(), -1);
        QVERIFY(!subjectBox(3)->isVisibleTo(Form2));
    }

    void theCentreNameSizeFollowsItsLength()
    {
        QCOMPARE(centreNameFontSize(40), 14);
        QCOMPARE(centreNameFontSize(30), 16);
        QCOMPARE(centreNameFontSize(46), 10);
        QCOMPARE(centreNameFontSize(25), 18);
    }
};

QTEST_MAIN(EsoItinerariesWindowTest)
#include "tst_eso_itineraries_window_sample.moc"
