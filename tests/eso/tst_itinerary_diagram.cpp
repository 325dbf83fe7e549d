// The itineraries diagram as data: the frame, the red line of each stage,
// the placement and style of texts, the subject boxes and the step-by-step
// drawing that eight clicks complete.

#include "diagram_test_support.h"

#include "eso/itinerary_diagram.h"

#include "data/text_bytes.h"

#include <QtTest>

#include <algorithm>
#include <map>

using namespace velmira;

namespace {

std::vector<DiagramPaint> ofKind(const std::vector<DiagramPaint> &paint, DiagramPaint::Kind kind)
{
    std::vector<DiagramPaint> out;
    std::copy_if(paint.begin(), paint.end(), std::back_inserter(out),
                 [kind](const DiagramPaint &p) { return p.kind == kind; });
    return out;
}

const DiagramText *findText(int part, TextStyle style, int row, int column, int text)
{
    for (const DiagramText &t : diagramPart(part).texts) {
        if (t.style == style && t.row == row && t.column == column && t.text == text)
            return &t;
    }
    return nullptr;
}

} // namespace

class TestItineraryDiagram : public QObject
{
    Q_OBJECT

private slots:
    void init() { diagramtest::setNumberedTexts(); }

    void gridMapsColumnsAndRows()
    {
        QCOMPARE(gridX(1), 50);
        QCOMPARE(gridX(31), 350);
        QCOMPARE(gridY(1), 0);
        QCOMPARE(gridY(4), 45);
        const GridBox header{1, 31, 4, 77};
        QCOMPARE(header.left(), 349);
        QCOMPARE(header.right(), 810);
        QCOMPARE(header.top(), 1);
        QCOMPARE(header.bottom(), 45);
    }

    void boxHasBlackAndWhiteEdges()
    {
        const std::vector<DiagramPaint> paint = boxPaint({4, 27, 13, 30}); // 309..340 x 46..180
        QCOMPARE(paint.size(), size_t(5));
        QCOMPARE(paint[0].from, QPoint(307, 46));
        QCOMPARE(paint[0].to, QPoint(309, 182));
        QCOMPARE(paint[0].colour, QColor(0, 0, 0));
        QCOMPARE(paint[1].from, QPoint(307, 44));
        QCOMPARE(paint[1].to, QPoint(342, 46));
        QCOMPARE(paint[2].from, QPoint(309, 46));
        QCOMPARE(paint[2].to, QPoint(340, 180));
        QCOMPARE(paint[2].colour, QColor(192, 220, 206));
        QCOMPARE(paint[3].from, QPoint(309, 180));
        QCOMPARE(paint[3].to, QPoint(343, 183));
        QCOMPARE(paint[4].from, QPoint(340, 46));
        QCOMPARE(paint[4].to, QPoint(343, 183));
        QCOMPARE(paint[4].colour, QColor(255, 255, 255));
        const std::vector<DiagramPaint> lit = highlightPaint({4, 27, 13, 30});
        QCOMPARE(lit.size(), size_t(1));
        QCOMPARE(lit[0].colour, QColor(255, 0, 0));
        QCOMPARE(lit[0].area(), QRect(309, 46, 31, 134));
    }

    void frameHasItsBandsAndBlackLine()
    {
        const DiagramPart &frame = diagramPart(0);
        const std::vector<GridBox> expected = {
            {1, 31, 4, 77},   {4, 27, 13, 30},  {4, 31, 13, 36},  {4, 37, 13, 49},  {4, 50, 13, 69},
            {15, 27, 35, 30}, {15, 31, 35, 36}, {15, 37, 35, 49}, {15, 50, 35, 69}, {15, 70, 35, 77},
            {36, 27, 44, 30}, {36, 31, 44, 73}, {36, 74, 44, 81}};
        QCOMPARE(frame.boxes.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(frame.boxes[i].firstRow, expected[i].firstRow);
            QCOMPARE(frame.boxes[i].firstColumn, expected[i].firstColumn);
            QCOMPARE(frame.boxes[i].lastRow, expected[i].lastRow);
            QCOMPARE(frame.boxes[i].lastColumn, expected[i].lastColumn);
        }
        QCOMPARE(frame.lines.size(), size_t(1));
        QCOMPARE(frame.lines[0].from(), QPoint(338, 350));
        QCOMPARE(frame.lines[0].to(), QPoint(733, 350));
        QCOMPARE(frame.lines[0].width, 1);
        QCOMPARE(frame.lines[0].colour, QColor(0, 0, 0));
        const DiagramText *title = findText(0, TextStyle::Title, 2, 43, 89);
        QVERIFY(title);
        const std::vector<DiagramPaint> paint = textPaint(*title);
        QCOMPARE(paint[0].from, QPoint(470, 12));
        QCOMPARE(paint[0].text, QByteArray("T89"));
        for (const DiagramText &t : frame.texts) {
            if (t.text != 89)
                QCOMPARE(t.column, 28); // band titles
        }
    }

    void eachStageDrawsItsRedLine()
    {
        const int xs[] = {373, 438, 492, 573, 633, 693, 774};
        for (int part = 1; part <= 7; ++part) {
            const std::vector<DiagramLine> &lines = diagramPart(part).lines;
            const auto stage =
                std::find_if(lines.begin(), lines.end(), [](const DiagramLine &l) { return l.width == 5; });
            QVERIFY2(stage != lines.end(), qPrintable(QString::number(part)));
            QCOMPARE(stage->from(), QPoint(xs[part - 1], part == 7 ? 215 : 105));
            QCOMPARE(stage->to(), QPoint(xs[part - 1], 490));
            QCOMPARE(stage->colour, QColor(255, 0, 0));
            QCOMPARE(
                std::count_if(lines.begin(), lines.end(), [](const DiagramLine &l) { return l.width == 5; }),
                1);
        }
    }

    void wholeDiagramHasItsElementCounts()
    {
        size_t boxes = 0, lines = 0;
        std::map<TextStyle, int> texts;
        for (int part = 0; part <= kLastDiagramPart; ++part) {
            boxes += diagramPart(part).boxes.size();
            lines += diagramPart(part).lines.size();
            for (const DiagramText &t : diagramPart(part).texts)
                ++texts[t.style];
        }
        QCOMPARE(boxes, size_t(26));
        QCOMPARE(texts[TextStyle::Caption] + texts[TextStyle::Title], 33);
        QCOMPARE(texts[TextStyle::Label], 26);
        QCOMPARE(texts[TextStyle::Note], 4);
        QCOMPARE(lines, size_t(16));
    }

    void firstAndLastStagesCarryTheirTexts()
    {
        QVERIFY(findText(1, TextStyle::Label, 4, 32, 172));
        int captionsInColumn31 = 0;
        for (const DiagramText &t : diagramPart(1).texts) {
            if (t.style == TextStyle::Caption && t.column == 31 && (t.row == 30 || t.row == 32))
                ++captionsInColumn31;
        }
        QCOMPARE(captionsInColumn31, 2);
        QVERIFY(findText(7, TextStyle::Note, 39, 63, 555));
        QVERIFY(findText(7, TextStyle::Note, 39, 74, 554));
        QVERIFY(diagramPart(8).boxes.empty() && diagramPart(-1).texts.empty());
    }

    void textStylesGiveFontAndColour()
    {
        diagramtest::setText(188, storedText(QStringLiteral("4º")));
        diagramtest::setText(200, "Despues");
        const std::vector<DiagramPaint> year = textPaint({TextStyle::Title, 8, 28, -6, 0, 188, '3'});
        QCOMPARE(displayText(year[0].text), QStringLiteral("3º"));
        QCOMPARE(year[0].pointsAboveBase, 17);
        QCOMPARE(year[0].colour, QColor(0, 0, 255));
        QCOMPARE(year[0].from, QPoint(314, 105));
        const std::vector<DiagramPaint> longTitle = textPaint({TextStyle::Title, 36, 28, 0, 0, 200});
        QCOMPARE(longTitle[0].pointsAboveBase, 11);
        QCOMPARE(longTitle[0].colour, QColor(0, 0, 0));
        QCOMPARE(textPaint({TextStyle::Caption, 1, 1, 0, 0, 83})[0].pointsAboveBase, 11);
        QCOMPARE(textPaint({TextStyle::Label, 1, 1, 0, 0, 83})[0].pointsAboveBase, 9);
        QCOMPARE(textPaint({TextStyle::Label, 1, 1, 0, 0, 83})[0].colour, QColor(0, 0, 255));
        QCOMPARE(textPaint({TextStyle::Note, 1, 1, 0, 0, 83})[0].pointsAboveBase, 8);
    }

    void partPaintsBoxesThenLinesThenTexts()
    {
        const std::vector<DiagramPaint> paint = partPaint(1);
        const auto firstLine = std::find_if(paint.begin(), paint.end(), [](const DiagramPaint &p) {
            return p.kind == DiagramPaint::Kind::Line;
        });
        const auto firstText = std::find_if(paint.begin(), paint.end(), [](const DiagramPaint &p) {
            return p.kind == DiagramPaint::Kind::Text;
        });
        QVERIFY(firstLine != paint.end() && firstText != paint.end());
        QVERIFY(std::all_of(paint.begin(), firstLine,
                            [](const DiagramPaint &p) { return p.kind == DiagramPaint::Kind::Fill; }));
        QVERIFY(std::all_of(firstText, paint.end(),
                            [](const DiagramPaint &p) { return p.kind == DiagramPaint::Kind::Text; }));
        QCOMPARE(ofKind(paint, DiagramPaint::Kind::Fill).size(), 5 * diagramPart(1).boxes.size());

        size_t total = 0;
        for (int part = 0; part <= kLastDiagramPart; ++part)
            total += partPaint(part).size();
        QCOMPARE(wholeDiagramPaint().size(), total);
    }

    void eightClicksDrawEveryPartThenPlaceTheBoxes()
    {
        ItineraryDrawing drawing;
        QCOMPARE(drawing.advance().drawnPart, -1); // nothing before the button
        ItineraryDrawing::Advance a = drawing.start();
        QCOMPARE(a.drawnPart, 0);
        QCOMPARE(a.helpMessages, std::vector<int>{9});
        QVERIFY(drawing.drawingActive() && drawing.itineraryActive());
        QVERIFY(!drawing.repaintsWholeDiagram());
        for (int part = 1; part <= 7; ++part) {
            a = drawing.advance();
            QCOMPARE(a.drawnPart, part);
            QVERIFY(a.helpMessages.empty());
            QVERIFY(!a.boxesPlaced);
        }
        a = drawing.advance();
        QCOMPARE(a.drawnPart, -1);
        QVERIFY(a.boxesPlaced);
        QCOMPARE(a.helpMessages, std::vector<int>{22});
        QVERIFY(!drawing.drawingActive());
        QVERIFY(drawing.repaintsWholeDiagram());
        QCOMPARE(drawing.advance().drawnPart, -1); // clicks no longer draw

        drawing.reset();
        QCOMPARE(drawing.step(), -1);
        QVERIFY(!drawing.itineraryActive());
        QCOMPARE(drawing.start().drawnPart, 0); // back again: a new drawing
    }

    void subjectBoxesLieInTheWindowWithHints()
    {
        const std::vector<SubjectBox> &boxes = subjectBoxes();
        QCOMPARE(boxes.size(), size_t(52));
        for (size_t i = 0; i < boxes.size(); ++i) {
            const GridBox &b = boxes[i].area;
            QVERIFY2(b.left() >= 0 && b.right() < 1024 && b.top() >= 0 && b.bottom() < 768,
                     qPrintable(QString::number(i)));
            QVERIFY(b.firstRow <= b.lastRow && b.firstColumn <= b.lastColumn);
            QVERIFY(!subjectBoxHint(int(i)).isEmpty());
        }
        QCOMPARE(subjectBoxHint(29), QByteArray("T107 T99 T104"));
        QCOMPARE(subjectBoxHint(3), QByteArray("T58 T65"));
        QVERIFY(subjectBoxHint(52).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestItineraryDiagram)
#include "tst_itinerary_diagram.moc"
