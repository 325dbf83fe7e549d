#include "itineraries_canvas.h"

#include "data/settings.h"
#include "data/text_bytes.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace velmira {

namespace {

constexpr int kWindowWidth = 1024;
constexpr int kSmallestPoints = 7;

// The width a text written at this point may take: up to the right edge of
// the box it starts in, and short of the next text on its line.
int roomAt(const QPoint &at, int textHeight)
{
    static const std::vector<DiagramPaint> whole = wholeDiagramPaint();
    int limit = kWindowWidth - 4;
    for (const DiagramPaint &paint : whole) {
        if (paint.kind == DiagramPaint::Kind::Fill && paint.colour == diagramColour()
            && paint.area().contains(at))
            limit = std::min(limit, paint.area().right());
        if (paint.kind == DiagramPaint::Kind::Text && paint.from.x() > at.x()
            && std::abs(paint.from.y() - at.y()) < textHeight / 2)
            limit = std::min(limit, paint.from.x() - 4);
    }
    return limit - at.x();
}

void paintText(QPainter &painter, const DiagramPaint &paint)
{
    QFont font(QString::fromLatin1(fontName()));
    font.setBold(true);
    font.setPointSize(std::max(1, paint.pointsAboveBase));
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    const QString text = displayText(paint.text);
    // A text too long for its room in this language is written smaller.
    QRect area;
    for (;;) {
        painter.setFont(font);
        area = painter.boundingRect(QRect(paint.from, QSize(kWindowWidth, 200)), flags, text);
        if (font.pointSize() <= kSmallestPoints || area.width() <= roomAt(paint.from, area.height()))
            break;
        font.setPointSize(font.pointSize() - 1);
    }
    painter.fillRect(area, diagramColour());
    painter.setPen(paint.colour);
    painter.drawText(area, flags, text);
}

} // namespace

void paintDiagram(QPainter &painter, const std::vector<DiagramPaint> &paints)
{
    // Texts last, on their own background, so that no line runs through a word.
    std::vector<const DiagramPaint *> ordered;
    for (const DiagramPaint &paint : paints)
        if (paint.kind != DiagramPaint::Kind::Text)
            ordered.push_back(&paint);
    for (const DiagramPaint &paint : paints)
        if (paint.kind == DiagramPaint::Kind::Text)
            ordered.push_back(&paint);
    for (const DiagramPaint *each : ordered) {
        const DiagramPaint &paint = *each;
        switch (paint.kind) {
        case DiagramPaint::Kind::Fill: painter.fillRect(paint.area(), paint.colour); break;
        case DiagramPaint::Kind::Line:
            painter.setPen(QPen(paint.colour, paint.penWidth, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(paint.from, paint.to);
            break;
        case DiagramPaint::Kind::Text: paintText(painter, paint); break;
        }
    }
}

} // namespace velmira
