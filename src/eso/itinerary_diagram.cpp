#include "itinerary_diagram.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "data/report_layout.h"
#include "data/text_bytes.h"

namespace velmira {

namespace {

const QColor kRed = RGB(255, 0, 0);
const QColor kBlack = RGB(0, 0, 0);
const QColor kBlue = RGB(0, 0, 255);
const QColor kWhite = RGB(255, 255, 255);

// The red line of stage k runs down its column from b = 55 (y = 105) to
// d = 440 (y = 490); diversification starts in 4th year, at b = 165.
DiagramLine stageLine(int a, int b = 55) { return {a, b, a, 440, kRed, 5}; }
// The thin connections from a stage to where it leads.
DiagramLine link(int a, int b, int c, int d) { return {a, b, c, d, kRed, 2}; }

DiagramText caption(int row, int column, int dx, int dy, int text)
{
    return {TextStyle::Caption, row, column, dx, dy, text};
}
DiagramText title(int row, int column, int dx, int dy, int text)
{
    return {TextStyle::Title, row, column, dx, dy, text};
}
DiagramText yearTitle(int row, int column, int dx, int dy, char digit)
{
    return {TextStyle::Title, row, column, dx, dy, 188, digit};
}
DiagramText label(int row, int column, int dx, int dy, int text)
{
    return {TextStyle::Label, row, column, dx, dy, text};
}
DiagramText note(int row, int column, int dx, int dy, int text)
{
    return {TextStyle::Note, row, column, dx, dy, text};
}

// Rows: band 1 (4-13) is 3rd year, band 2 (15-35) 4th year with its outcome
// below the black line, band 3 (36-44) what follows ESO. Columns: 31-36
// initial programmes, 37-49 the 3rd-year itineraries, 50-69 the 4th-year
// ones, 70-77 diversification; in band 3 the Bachillerato routes (rows
// 38-43, one per route) and vocational training (74-81); 84-97 the boxes of
// further information; below the frame (rows 47-50) where the routes lead.
std::vector<DiagramPart> buildParts()
{
    std::vector<DiagramPart> parts(kLastDiagramPart + 1);

    parts[0].boxes = {{1, 31, 4, 77},   {4, 27, 13, 30},  {4, 31, 13, 36},  {4, 37, 13, 49},
                      {4, 50, 13, 69},  {15, 27, 35, 30}, {15, 31, 35, 36}, {15, 37, 35, 49},
                      {15, 50, 35, 69}, {15, 70, 35, 77}, {36, 27, 44, 30}, {36, 31, 44, 73},
                      {36, 74, 44, 81}};
    parts[0].lines = {{232, 300, 548, 300, kBlack, 1}};
    parts[0].texts = {title(2, 43, 0, -3, 89), yearTitle(8, 28, -6, 0, '3'), title(24, 28, -6, 0, 188),
                      title(36, 28, -6, 2, 200)};

    // Initial programmes: from 3rd year (repeating, at 15) to the access
    // test for middle-grade training or to work.
    parts[1].boxes = {{16, 31, 21, 36}, {32, 84, 34, 97}};
    parts[1].lines = {stageLine(260)};
    parts[1].texts = {label(4, 32, 0, 2, 172), note(18, 31, 3, 0, 501), caption(30, 31, 0, 0, 116),
                      caption(32, 31, 0, 0, 115), label(32, 85, 0, 8, 115)};

    // 3rd year, science and humanities itinerary.
    parts[2].boxes = {{4, 84, 6, 97}};
    parts[2].lines = {stageLine(312)};
    parts[2].texts = {caption(5, 37, 2, 0, 83), label(10, 38, 0, 0, 96), label(4, 85, 0, 8, 2)};

    // 3rd year, technological itinerary.
    parts[3].boxes = {{8, 84, 10, 97}};
    parts[3].lines = {stageLine(355)};
    parts[3].texts = {caption(7, 37, 2, -3, 85), label(12, 38, 0, 0, 90),   label(8, 85, 0, 8, 12),
                      caption(5, 60, 6, 0, 203), caption(7, 60, 0, 0, 204), caption(9, 60, 0, 0, 205),
                      caption(11, 60, 0, 0, 99)};

    // 4th year, humanities: the Bachillerato of humanities and social
    // sciences, and the arts.
    parts[4].boxes = {{24, 84, 26, 97}};
    parts[4].lines = {stageLine(420), link(420, 440, 420, 480)};
    parts[4].texts = {
        label(16, 50, 3, 0, 93),       caption(18, 50, 8, 0, 117),    caption(20, 50, 3, 0, 118),
        yearTitle(37, 47, 0, -9, '1'), yearTitle(37, 51, 0, -9, '2'), label(37, 54, 0, 0, 36),
        label(37, 59, 0, 0, 84),       label(38, 31, 3, 0, 92),       label(39, 31, 3, 0, 59),
        label(40, 31, 3, 0, 60),       label(24, 85, 0, 8, 92)};

    // 4th year, science: the Bachillerato of health and experimental
    // sciences, and university entrance.
    parts[5].boxes = {{28, 84, 30, 97}, {47, 31, 50, 41}, {47, 44, 50, 55}};
    parts[5].lines = {stageLine(468), link(468, 440, 468, 480), link(282, 600, 282, 638),
                      link(326, 662, 342, 662)};
    parts[5].texts = {label(17, 56, 3, 0, 94),     caption(22, 56, 6, 0, 121),  label(41, 31, 3, 0, 61),
                      label(43, 31, 3, 0, 63),     caption(41, 63, 0, 0, 109),  label(28, 85, 0, 8, 111),
                      caption(18, 56, -3, 0, 206), caption(20, 56, -3, 0, 173), caption(48, 32, 0, 0, 111),
                      caption(47, 45, 0, 4, 109),  caption(48, 45, 0, 6, 84)};

    // 4th year, technological: sciences and engineering, or vocational
    // training; every itinerary ends in the ESO title.
    parts[6].boxes = {{16, 84, 18, 97}, {20, 84, 22, 97}, {47, 58, 50, 69}};
    parts[6].lines = {stageLine(516), link(516, 440, 588, 440), link(588, 440, 588, 480)};
    parts[6].texts = {label(16, 62, 3, 0, 95),    caption(18, 62, 0, 0, 119), caption(20, 62, 0, 0, 120),
                      caption(26, 38, 0, 0, 108), caption(30, 52, 0, 0, 88),  caption(32, 52, 0, 0, 113),
                      label(42, 31, 3, 0, 62),    label(37, 75, 0, 0, 512),   label(41, 75, 0, 0, 513),
                      label(43, 75, 0, 0, 36),    label(16, 85, 0, 8, 113),   label(20, 85, 0, 8, 114),
                      caption(47, 59, 0, 4, 114), caption(48, 59, 0, 6, 110)};

    // Diversification, in 3rd and 4th year, leads to the ESO title; without
    // the title there are other ways on.
    parts[7].boxes = {{12, 84, 14, 97}, {47, 71, 50, 83}};
    parts[7].lines = {stageLine(581, 165), link(581, 440, 581, 480), link(610, 600, 610, 638)};
    parts[7].texts = {caption(14, 55, 0, 0, 87), note(30, 70, 2, 0, 554),    note(39, 63, 0, 0, 555),
                      note(39, 74, 0, 0, 554),   caption(43, 63, 0, 0, 115), label(12, 85, 0, 8, 140),
                      label(12, 87, 0, 8, 108),  caption(48, 72, 0, 0, 115)};
    return parts;
}

// Boxes 0 and 1 lie over the header and are inert; each list box lies over
// the stage it tells about. Hints are three interface texts.
std::vector<SubjectBox> buildSubjectBoxes()
{
    return {
        {{1, 31, 3, 54}, {89, 0, 0}},       // 0 header
        {{1, 55, 3, 77}, {181, 0, 0}},      // 1 header
        {{38, 54, 38, 57}, {36, 66, 71}},   // 2 sheet 8: arts
        {{38, 58, 38, 62}, {58, 65, 0}},    // 3 where arts lead
        {{38, 31, 38, 45}, {102, 92, 0}},   // 4 arts route
        {{39, 54, 39, 57}, {36, 66, 59}},   // 5 sheet 1: humanities
        {{40, 54, 40, 57}, {36, 66, 60}},   // 6 sheet 3: social sciences
        {{39, 58, 39, 62}, {58, 59, 0}},    // 7
        {{40, 58, 40, 62}, {58, 60, 0}},    // 8
        {{39, 31, 39, 45}, {102, 59, 0}},   // 9
        {{40, 31, 40, 45}, {102, 60, 0}},   // 10
        {{41, 54, 41, 57}, {36, 66, 61}},   // 11 sheet 4: health
        {{42, 54, 42, 57}, {36, 66, 62}},   // 12 sheet 5: engineering
        {{41, 58, 41, 62}, {58, 61, 0}},    // 13
        {{42, 58, 42, 62}, {58, 62, 0}},    // 14
        {{41, 31, 41, 45}, {102, 61, 0}},   // 15
        {{42, 31, 42, 45}, {102, 62, 0}},   // 16
        {{43, 74, 44, 81}, {36, 114, 0}},   // 17 sheet 7: higher grade
        {{43, 54, 43, 57}, {36, 66, 63}},   // 18 sheet 6: experimental sciences
        {{8, 84, 10, 97}, {12, 181, 0}},    // 19 guidance advice
        {{43, 58, 43, 62}, {58, 63, 0}},    // 20
        {{20, 84, 22, 97}, {116, 114, 0}},  // 21 access to higher grade
        {{43, 31, 43, 45}, {102, 63, 0}},   // 22
        {{4, 37, 7, 49}, {83, 85, 0}},      // 23 3rd year
        {{15, 50, 17, 69}, {93, 94, 95}},   // 24 4th year
        {{38, 50, 38, 53}, {107, 65, 0}},   // 25
        {{15, 70, 16, 77}, {87, 0, 0}},     // 26 diversification
        {{39, 50, 39, 53}, {107, 59, 0}},   // 27
        {{40, 50, 40, 53}, {107, 60, 0}},   // 28
        {{41, 50, 41, 53}, {107, 99, 104}}, // 29
        {{42, 50, 42, 53}, {107, 99, 105}}, // 30
        {{42, 46, 42, 49}, {106, 99, 105}}, // 31
        {{43, 50, 43, 53}, {107, 63, 0}},   // 32
        {{38, 46, 38, 49}, {106, 65, 0}},   // 33
        {{39, 46, 39, 49}, {106, 59, 0}},   // 34
        {{40, 46, 40, 49}, {106, 60, 0}},   // 35
        {{41, 46, 41, 49}, {106, 99, 104}}, // 36
        {{43, 46, 43, 49}, {106, 63, 0}},   // 37
        {{40, 74, 42, 81}, {114, 0, 0}},    // 38 higher grade
        {{4, 84, 6, 97}, {74, 0, 0}},       // 39 the ESO
        {{16, 84, 18, 97}, {116, 113, 0}},  // 40 access to middle grade
        {{8, 37, 13, 49}, {96, 90, 0}},     // 41 3rd-year subjects
        {{24, 84, 26, 97}, {92, 0, 0}},     // 42 arts and sports
        {{18, 50, 24, 69}, {96, 98, 0}},    // 43 4th-year subjects
        {{32, 84, 34, 97}, {580, 115, 0}},  // 44 certificates
        {{29, 31, 31, 36}, {116, 0, 0}},    // 45 access tests
        {{18, 31, 21, 36}, {172, 501, 0}},  // 46 programme modules
        {{36, 74, 38, 81}, {113, 0, 0}},    // 47 middle grade
        {{4, 31, 17, 36}, {172, 0, 0}},     // 48 initial programmes
        {{25, 37, 27, 69}, {108, 0, 0}},    // 49 ESO title
        {{12, 84, 14, 97}, {140, 108, 0}},  // 50 without the title
        {{28, 84, 30, 97}, {111, 0, 0}},    // 51 university entrance
    };
}

QByteArray diagramTextBytes(const DiagramText &text)
{
    if (text.yearDigit)
        return text.yearDigit + interfaceText(text.text).mid(1);
    return interfaceText(text.text);
}

} // namespace

QPoint DiagramLine::from() const { return {roundHalfEven(1.25 * a) + 48, b + 50}; }
QPoint DiagramLine::to() const { return {roundHalfEven(1.25 * c) + 48, d + 50}; }

const DiagramPart &diagramPart(int part)
{
    static const std::vector<DiagramPart> parts = buildParts();
    static const DiagramPart none;
    return part >= 0 && part <= kLastDiagramPart ? parts[part] : none;
}

QColor diagramColour() { return colour4(); }

namespace {
DiagramPaint paintOf(DiagramPaint::Kind kind, QPoint from, QPoint to, const QColor &colour)
{
    DiagramPaint paint{kind, from, to, colour, 1, {}, 0};
    return paint;
}

DiagramPaint fill(int x1, int y1, int x2, int y2, const QColor &colour)
{
    return paintOf(DiagramPaint::Kind::Fill, {x1, y1}, {x2, y2}, colour);
}
} // namespace

std::vector<DiagramPaint> boxPaint(const GridBox &box)
{
    const int l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    return {fill(l - 2, t, l, b + 2, kBlack), fill(l - 2, t - 2, r + 2, t, kBlack),
            fill(l, t, r, b, diagramColour()), fill(l, b, r + 3, b + 3, kWhite),
            fill(r, t, r + 3, b + 3, kWhite)};
}

std::vector<DiagramPaint> highlightPaint(const GridBox &box)
{
    return {fill(box.left(), box.top(), box.right(), box.bottom(), kRed)};
}

std::vector<DiagramPaint> textPaint(const DiagramText &text)
{
    const QPoint at(gridX(text.column) + text.dx, gridY(text.row) + text.dy);
    DiagramPaint paint = paintOf(DiagramPaint::Kind::Text, at, at, kBlack);
    paint.text = diagramTextBytes(text);
    switch (text.style) {
    case TextStyle::Caption:
        paint.colour = kBlack;
        paint.pointsAboveBase = 11;
        break;
    case TextStyle::Title: {
        const bool twoCharacters = displayText(paint.text).size() == 2;
        paint.colour = twoCharacters ? kBlue : kBlack;
        paint.pointsAboveBase = twoCharacters ? 17 : 11;
        break;
    }
    case TextStyle::Label:
        paint.colour = kBlue;
        paint.pointsAboveBase = 9;
        break;
    case TextStyle::Note:
        paint.colour = kBlack;
        paint.pointsAboveBase = 8;
        break;
    }
    return {paint};
}

std::vector<DiagramPaint> linePaint(const DiagramLine &line)
{
    DiagramPaint paint = paintOf(DiagramPaint::Kind::Line, line.from(), line.to(), line.colour);
    paint.penWidth = line.width;
    return {paint};
}

std::vector<DiagramPaint> partPaint(int part)
{
    const DiagramPart &p = diagramPart(part);
    std::vector<DiagramPaint> out;
    auto append = [&out](const std::vector<DiagramPaint> &more) {
        out.insert(out.end(), more.begin(), more.end());
    };
    for (const GridBox &box : p.boxes)
        append(boxPaint(box));
    for (const DiagramLine &line : p.lines)
        append(linePaint(line));
    for (const DiagramText &text : p.texts)
        append(textPaint(text));
    return out;
}

std::vector<DiagramPaint> wholeDiagramPaint()
{
    std::vector<DiagramPaint> out;
    for (int part = 0; part <= kLastDiagramPart; ++part) {
        const std::vector<DiagramPaint> more = partPaint(part);
        out.insert(out.end(), more.begin(), more.end());
    }
    return out;
}

const std::vector<SubjectBox> &subjectBoxes()
{
    static const std::vector<SubjectBox> boxes = buildSubjectBoxes();
    return boxes;
}

QByteArray subjectBoxHint(int box)
{
    if (box < 0 || box >= static_cast<int>(subjectBoxes().size()))
        return {};
    QByteArray hint;
    for (int text : subjectBoxes()[box].hint) {
        if (text == 0)
            continue;
        if (!hint.isEmpty())
            hint += ' ';
        hint += interfaceText(text);
    }
    return hint;
}

ItineraryDrawing::Advance ItineraryDrawing::start()
{
    if (m_firstCall)
        m_drawingActive = true;
    return next();
}

ItineraryDrawing::Advance ItineraryDrawing::advance()
{
    if (!m_drawingActive)
        return {};
    return next();
}

ItineraryDrawing::Advance ItineraryDrawing::next()
{
    Advance result;
    if (m_firstCall) {
        m_firstCall = false;
        m_itineraryActive = true;
        if (m_step < 8)
            result.helpMessages.push_back(9);
    }
    if (m_step < kLastDiagramPart) {
        ++m_step;
        result.drawnPart = m_step;
        return result;
    }
    m_drawingActive = false;
    result.boxesPlaced = true;
    result.helpMessages.push_back(22);
    m_firstCall = true;
    return result;
}

void ItineraryDrawing::reset()
{
    m_firstCall = true;
    m_step = -1;
    m_itineraryActive = false;
    m_drawingActive = false;
}

} // namespace velmira
