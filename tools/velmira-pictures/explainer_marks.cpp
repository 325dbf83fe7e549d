#include "explainer_marks.h"

#include "data/picture_names.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace velmira::pictures {

namespace {

const QColor kArrowFill(220, 40, 30);
const QColor kArrowEdge(120, 10, 10);

} // namespace

QImage arrowUp()
{
    QImage image(kArrowBreadth, kArrowLength, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = kArrowBreadth;
    const qreal h = kArrowLength;
    QPainterPath arrow;
    arrow.moveTo(w / 2, 1);
    arrow.lineTo(w - 1, h * 0.45);
    arrow.lineTo(w * 0.68, h * 0.45);
    arrow.lineTo(w * 0.68, h - 1);
    arrow.lineTo(w * 0.32, h - 1);
    arrow.lineTo(w * 0.32, h * 0.45);
    arrow.lineTo(1, h * 0.45);
    arrow.closeSubpath();
    p.setPen(QPen(kArrowEdge, 1.5));
    p.setBrush(kArrowFill);
    p.drawPath(arrow);
    return image;
}

QImage arrowRight() { return arrowUp().transformed(QTransform().rotate(90)); }

QImage informationMark()
{
    const int size = kInformationMarkSize;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(10, 40, 120), 1.5));
    p.setBrush(QColor(40, 110, 220));
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(size / 2.0 - 2, 4.5, 4, 4));
    p.drawRoundedRect(QRectF(size / 2.0 - 2, 10, 4, size - 15), 1, 1);
    return image;
}

} // namespace velmira::pictures
