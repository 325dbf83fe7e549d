#pragma once
// The itineraries diagram of the ESO window as data: the drawing of each of
// its parts, the subject boxes laid over it, and the state of its step-by-step
// drawing. The window only paints what these functions return.

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QRect>

#include <array>
#include <vector>

namespace velmira {

// Grid of the diagram: column c and row r in pixels.
constexpr int gridX(int column) { return 10 * (column - 1) + 50; }
constexpr int gridY(int row) { return 15 * (row - 1); }

// A box given by its first and last grid rows and columns.
struct GridBox
{
    int firstRow;
    int firstColumn;
    int lastRow;
    int lastColumn;

    int left() const { return gridX(firstColumn) - 1; }
    int right() const { return gridX(lastColumn); }
    int top() const { return gridY(firstRow) + 1; }
    int bottom() const { return gridY(lastRow); }
    // The grid point the box's lists open from.
    QPoint corner() const { return {gridX(firstColumn), gridY(firstRow)}; }
};

enum class TextStyle { Caption, Title, Label, Note };

// A text written at (x(column) + dx, y(row) + dy). A year title is the year
// digit followed by interface text 188 ("4º") from its second byte, so that
// "3º" keeps the ordinal sign of the language.
struct DiagramText
{
    TextStyle style;
    int row;
    int column;
    int dx;
    int dy;
    int text;           // interface text
    char yearDigit = 0; // set for a year title
};

// A line from (A + 48, b + 50) to (C + 48, d + 50), A and C being 1.25 a and
// 1.25 c rounded.
struct DiagramLine
{
    int a;
    int b;
    int c;
    int d;
    QColor colour;
    int width;

    QPoint from() const;
    QPoint to() const;
};

struct DiagramPart
{
    std::vector<GridBox> boxes;
    std::vector<DiagramLine> lines;
    std::vector<DiagramText> texts;
};

constexpr int kLastDiagramPart = 7; // part 0 is the frame, 1-7 the stages

// Drawing step 0..7 of the diagram; nothing outside that range.
const DiagramPart &diagramPart(int part);

// One thing to paint. A filled area spans x1..x2-1 and y1..y2-1 (a rectangle
// outlined in its fill colour with a one-pixel pen); texts are bold in the
// settings font on the diagram colour.
struct DiagramPaint
{
    enum class Kind { Fill, Line, Text };
    Kind kind;
    QPoint from;   // Fill: (x1, y1); Line: start; Text: position
    QPoint to;     // Fill: (x2, y2); Line: end
    QColor colour; // fill, pen or text colour
    int penWidth = 1;
    QByteArray text;         // stored bytes
    int pointsAboveBase = 0; // font size over the base font size

    QRect area() const { return QRect(from, to - QPoint(1, 1)); }
};

// The colour of the boxes and of the text background.
QColor diagramColour();

std::vector<DiagramPaint> boxPaint(const GridBox &box);
std::vector<DiagramPaint> highlightPaint(const GridBox &box);
std::vector<DiagramPaint> textPaint(const DiagramText &text);
std::vector<DiagramPaint> linePaint(const DiagramLine &line);
// A part's boxes, then its lines, then its texts.
std::vector<DiagramPaint> partPaint(int part);
// The window's repaint once drawing has ended: parts 0 to 7.
std::vector<DiagramPaint> wholeDiagramPaint();

// The invisible button over box 0..51: where it lies and its hint, made of
// three interface texts joined by blanks (0 for a part left out).
struct SubjectBox
{
    GridBox area;
    std::array<int, 3> hint;
};

const std::vector<SubjectBox> &subjectBoxes();
QByteArray subjectBoxHint(int box);

// The step-by-step drawing: the button starts it, every click or key while it
// is active draws the next part; after part 7 the subject boxes are placed.
class ItineraryDrawing
{
public:
    struct Advance
    {
        std::vector<int> helpMessages; // shown in this order
        int drawnPart = -1;            // the part drawn now, -1 for none
        bool boxesPlaced = false;      // drawing has ended with this advance
    };

    // The itineraries button: the first time after a reset the layout is built
    // and drawing becomes active; then the drawing advances.
    Advance start();
    // A click on the window, the menu or the help panel, or a key. Nothing
    // happens unless drawing is active.
    Advance advance();
    // Going back to the main menu.
    void reset();

    int step() const { return m_step; }
    bool drawingActive() const { return m_drawingActive; }
    bool itineraryActive() const { return m_itineraryActive; }
    // The window repaints the whole diagram only once drawing has ended.
    bool repaintsWholeDiagram() const { return m_itineraryActive && !m_drawingActive; }

private:
    Advance next();

    int m_step = -1;
    bool m_firstCall = true;
    bool m_drawingActive = false;
    bool m_itineraryActive = false;
};

} // namespace velmira
