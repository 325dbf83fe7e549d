#include "itineraries_canvas.h"

#include "data/settings.h"
#include "data/text_bytes.h"

#include <QPainter>

#include <algorithm>

namespace velmira {

namespace {

void paintText(QPainter &painter, const DiagramPaint &paint)
{
    QFont font(QString::fromLatin1(fontName()));
    font.setBold(true);
    font.setPointSize(std::max(1, paint.pointsAboveBase));
    painter.setFont(font);
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    const QString text = displayText(paint.text);
    const QRect area = painter.boundingRect(QRect(paint.from, QSize(1024, 200)), flags, text);
    painter.fillRect(area, diagramColour());
    painter.setPen(paint.colour);
    painter.drawText(area, flags, text);
}

} // namespace

void paintDiagram(QPainter &painter, const std::vector<DiagramPaint> &paints)
{
    for (const DiagramPaint &paint : paints) {
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
