#include "icons.h"

#include "data/picture_names.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace velmira::pictures {

namespace {

const QColor kInk(40, 40, 40);
const QColor kSteel(150, 160, 170);
const QColor kWoodBrown(160, 100, 50);
const QColor kLeafGreen(60, 160, 60);
const QColor kSky(80, 150, 220);
const QColor kRed(210, 50, 50);
const QColor kGold(235, 185, 40);
const QColor kPaper(250, 250, 240);

void pen(QPainter &p, const QColor &colour, double width = 1.5)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void shape(QPainter &p, const QColor &fill, const QColor &outline = kInk, double width = 1.2)
{
    p.setBrush(fill);
    pen(p, outline, width);
}

QPolygonF poly(std::initializer_list<QPointF> points) { return QPolygonF(QVector<QPointF>(points)); }

void gear(QPainter &p, QPointF centre, double radius, const QColor &fill)
{
    QPainterPath teeth;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double r = (i % 2 == 0) ? radius : radius * 0.75;
        const QPointF pt = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            teeth.moveTo(pt);
        else
            teeth.lineTo(pt);
    }
    teeth.closeSubpath();
    teeth.addEllipse(centre, radius * 0.3, radius * 0.3);
    teeth.setFillRule(Qt::OddEvenFill);
    shape(p, fill);
    p.drawPath(teeth);
}

void wrench(QPainter &p, QPointF from, QPointF to)
{
    pen(p, kInk, 4.5);
    p.drawLine(from, to);
    pen(p, kSteel, 3);
    p.drawLine(from, to);
    shape(p, kSteel);
    p.drawEllipse(to, 4, 4);
    p.setBrush(Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(to + (to - from) / 12.0, 2, 2);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void person(QPainter &p, QPointF head, const QColor &body)
{
    shape(p, QColor(245, 205, 165));
    p.drawEllipse(head, 3.5, 3.5);
    shape(p, body);
    p.drawRoundedRect(QRectF(head.x() - 5, head.y() + 4.5, 10, 12), 3, 3);
}

void mechanics(QPainter &p)
{
    gear(p, {12, 12}, 9, kSteel);
    wrench(p, {26, 27}, {15, 16});
}

void agriculture(QPainter &p)
{
    shape(p, kWoodBrown);
    p.drawRect(QRectF(13, 17, 4, 11));
    shape(p, kLeafGreen, QColor(30, 100, 30));
    p.drawEllipse(QRectF(5, 3, 20, 17));
    shape(p, QColor(120, 200, 90), QColor(30, 100, 30));
    p.drawEllipse(QRectF(9, 5, 8, 7));
}

void administration(QPainter &p)
{
    shape(p, kPaper);
    p.drawPolygon(poly({{5, 3}, {19, 3}, {24, 8}, {24, 27}, {5, 27}}));
    pen(p, QColor(120, 120, 140), 1);
    for (int y = 10; y <= 22; y += 4)
        p.drawLine(QPointF(8, y), QPointF(21, y));
    pen(p, QColor(30, 60, 160), 3);
    p.drawLine(QPointF(14, 24), QPointF(27, 11));
    pen(p, kInk, 1);
    p.drawLine(QPointF(14, 24), QPointF(12.5, 26.5));
}

void commerce(QPainter &p)
{
    pen(p, kInk, 2);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(poly({{2, 5}, {7, 5}, {10, 20}, {25, 20}, {27, 9}, {8, 9}}));
    shape(p, QColor(250, 150, 60));
    p.drawRect(QRectF(10, 10, 6, 7));
    shape(p, QColor(90, 180, 90));
    p.drawRect(QRectF(17, 11, 7, 6));
    shape(p, kInk);
    p.drawEllipse(QPointF(12, 25), 2.5, 2.5);
    p.drawEllipse(QPointF(23, 25), 2.5, 2.5);
}

void transport(QPainter &p)
{
    shape(p, QColor(230, 120, 40));
    p.drawRect(QRectF(2, 8, 17, 13));
    shape(p, kSky);
    p.drawPolygon(poly({{19, 12}, {25, 12}, {28, 17}, {28, 21}, {19, 21}}));
    shape(p, kInk);
    p.drawEllipse(QPointF(7, 23), 3, 3);
    p.drawEllipse(QPointF(23, 23), 3, 3);
}

void tourism(QPainter &p)
{
    shape(p, QColor(230, 235, 245));
    p.drawPolygon(poly({{3, 17},
                        {12, 15},
                        {20, 5},
                        {23, 5},
                        {18, 15},
                        {26, 14},
                        {28, 11},
                        {29, 12},
                        {28, 18},
                        {18, 19},
                        {23, 27},
                        {20, 27},
                        {12, 19},
                        {3, 19}}));
    shape(p, kRed);
    p.drawEllipse(QPointF(6, 18), 1.5, 1.5);
}

void languages(QPainter &p)
{
    shape(p, kSky);
    p.drawRoundedRect(QRectF(2, 3, 17, 12), 4, 4);
    p.drawPolygon(poly({{6, 14}, {5, 19}, {11, 14}}));
    shape(p, kGold);
    p.drawRoundedRect(QRectF(11, 12, 17, 12), 4, 4);
    p.drawPolygon(poly({{24, 23}, {26, 28}, {19, 23}}));
    pen(p, kInk, 1.3);
    p.drawText(QRectF(2, 3, 17, 12), Qt::AlignCenter, QStringLiteral("A"));
    p.drawText(QRectF(11, 12, 17, 12), Qt::AlignCenter, QStringLiteral("B"));
}

void extractive(QPainter &p)
{
    pen(p, kWoodBrown, 3);
    p.drawLine(QPointF(8, 27), QPointF(20, 9));
    shape(p, kSteel);
    QPainterPath head;
    head.moveTo(8, 5);
    head.quadTo(20, 3, 28, 13);
    head.quadTo(20, 8, 10, 8);
    head.closeSubpath();
    p.drawPath(head);
    shape(p, QColor(120, 110, 100));
    p.drawPolygon(poly({{2, 28}, {6, 21}, {11, 24}, {14, 28}}));
}

void vehicles(QPainter &p)
{
    shape(p, kRed);
    p.drawPolygon(poly({{2, 20}, {3, 14}, {9, 13}, {12, 7}, {21, 7}, {25, 13}, {28, 14}, {28, 20}}));
    shape(p, QColor(200, 230, 250));
    p.drawPolygon(poly({{11, 13}, {13, 9}, {17, 9}, {17, 13}}));
    p.drawPolygon(poly({{19, 13}, {19, 9}, {21, 9}, {23, 13}}));
    shape(p, kInk);
    p.drawEllipse(QPointF(8, 21), 3.5, 3.5);
    p.drawEllipse(QPointF(22, 21), 3.5, 3.5);
}

void arts(QPainter &p)
{
    shape(p, QColor(230, 200, 150));
    QPainterPath palette;
    palette.addEllipse(QRectF(2, 5, 24, 20));
    palette.addEllipse(QRectF(6, 16, 5, 5));
    palette.setFillRule(Qt::OddEvenFill);
    p.drawPath(palette);
    const QColor dabs[] = {kRed, kSky, kLeafGreen, kGold};
    for (int i = 0; i < 4; ++i) {
        shape(p, dabs[i], dabs[i].darker(140), 0.8);
        p.drawEllipse(QPointF(8 + i * 5, 10 + (i % 2) * 2), 2.2, 2.2);
    }
    pen(p, kWoodBrown, 2.5);
    p.drawLine(QPointF(16, 27), QPointF(28, 15));
}

void painting(QPainter &p)
{
    shape(p, kSky);
    p.drawRoundedRect(QRectF(3, 3, 21, 8), 2, 2);
    pen(p, kInk, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(poly({{24, 7}, {27, 7}, {27, 14}, {15, 14}, {15, 18}}));
    shape(p, kWoodBrown);
    p.drawRect(QRectF(13, 18, 4, 10));
    shape(p, QColor(140, 190, 240), Qt::transparent);
    p.drawRect(QRectF(3, 12, 8, 14));
}

void psychology(QPainter &p)
{
    shape(p, QColor(245, 205, 165));
    p.drawPolygon(poly({{9, 28},
                        {9, 22},
                        {5, 17},
                        {5, 9},
                        {11, 3},
                        {19, 3},
                        {25, 9},
                        {25, 13},
                        {27, 17},
                        {24, 18},
                        {24, 22},
                        {19, 23},
                        {19, 28}}));
    shape(p, kRed, kRed.darker(140), 0.8);
    QPainterPath heart;
    heart.moveTo(15, 17);
    heart.cubicTo(7, 12, 11, 6, 15, 10);
    heart.cubicTo(19, 6, 23, 12, 15, 17);
    p.drawPath(heart);
}

void computing(QPainter &p)
{
    shape(p, QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(3, 3, 24, 17), 2, 2);
    shape(p, kSky, Qt::transparent);
    p.drawRect(QRectF(5, 5, 20, 13));
    shape(p, QColor(120, 120, 130));
    p.drawRect(QRectF(12, 20, 6, 3));
    p.drawRoundedRect(QRectF(5, 23, 20, 4), 1, 1);
}

void sciences(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    pen(p, QColor(30, 80, 180), 1.4);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(15, 15);
        p.rotate(i * 60);
        p.drawEllipse(QPointF(0, 0), 13, 5);
        p.restore();
    }
    shape(p, kRed);
    p.drawEllipse(QPointF(15, 15), 3, 3);
}

void socialServices(QPainter &p)
{
    person(p, {9, 6}, QColor(230, 120, 60));
    person(p, {21, 6}, QColor(80, 140, 200));
    pen(p, QColor(245, 205, 165), 2.5);
    p.drawLine(QPointF(12, 15), QPointF(18, 15));
    shape(p, kRed, kRed.darker(140), 0.8);
    QPainterPath heart;
    heart.moveTo(15, 28);
    heart.cubicTo(10, 24, 12, 20, 15, 23);
    heart.cubicTo(18, 20, 20, 24, 15, 28);
    p.drawPath(heart);
}

void security(QPainter &p)
{
    shape(p, kGold, QColor(140, 100, 20));
    QPolygonF star;
    for (int i = 0; i < 12; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 6;
        const double r = (i % 2 == 0) ? 13 : 8;
        star << QPointF(15 + std::cos(a) * r, 15 + std::sin(a) * r);
    }
    p.drawPolygon(star);
    shape(p, QColor(30, 50, 120));
    p.drawEllipse(QPointF(15, 15), 4.5, 4.5);
}

void health(QPainter &p)
{
    // Stethoscope: ear tubes, tube and chest piece.
    pen(p, QColor(60, 60, 60), 2);
    p.setBrush(Qt::NoBrush);
    QPainterPath tube;
    tube.moveTo(6, 3);
    tube.lineTo(6, 11);
    tube.quadTo(6, 18, 12, 18);
    tube.quadTo(18, 18, 18, 11);
    tube.lineTo(18, 3);
    p.drawPath(tube);
    QPainterPath cord;
    cord.moveTo(12, 18);
    cord.cubicTo(12, 28, 22, 28, 22, 20);
    p.drawPath(cord);
    shape(p, kSteel);
    p.drawEllipse(QPointF(22, 18), 4.5, 4.5);
    shape(p, kRed, Qt::transparent);
    p.drawRect(QRectF(21, 15, 2, 6));
    p.drawRect(QRectF(19, 17, 6, 2));
}

void communication(QPainter &p)
{
    shape(p, QColor(90, 90, 100));
    p.drawRoundedRect(QRectF(10, 2, 10, 16), 5, 5);
    pen(p, kInk, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 18, 16), 180 * 16, 180 * 16);
    p.drawLine(QPointF(15, 22), QPointF(15, 26));
    p.drawLine(QPointF(10, 27), QPointF(20, 27));
    pen(p, QColor(200, 200, 210), 1);
    for (int y = 6; y <= 12; y += 3)
        p.drawLine(QPointF(12, y), QPointF(18, y));
}

void hospitality(QPainter &p)
{
    shape(p, kPaper, kSteel);
    p.drawEllipse(QPointF(15, 16), 9, 9);
    p.drawEllipse(QPointF(15, 16), 6, 6);
    pen(p, kSteel, 2);
    p.drawLine(QPointF(3, 7), QPointF(3, 27));
    p.drawLine(QPointF(27, 5), QPointF(27, 27));
    pen(p, kSteel, 1);
    for (double x : {1.5, 3.0, 4.5})
        p.drawLine(QPointF(x, 4), QPointF(x, 10));
}

void foodIndustries(QPainter &p)
{
    shape(p, QColor(215, 160, 80), QColor(140, 90, 30));
    p.drawRoundedRect(QRectF(2, 13, 20, 12), 6, 6);
    pen(p, QColor(140, 90, 30), 1);
    for (int x = 7; x <= 17; x += 5)
        p.drawLine(QPointF(x, 15), QPointF(x + 2, 19));
    pen(p, QColor(190, 150, 40), 1.5);
    p.drawLine(QPointF(25, 28), QPointF(25, 6));
    shape(p, kGold, QColor(190, 150, 40), 0.8);
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(QPointF(23, 7 + i * 4), 1.6, 2.4);
        p.drawEllipse(QPointF(27, 7 + i * 4), 1.6, 2.4);
    }
}

void education(QPainter &p)
{
    shape(p, QColor(40, 90, 60), kWoodBrown, 2);
    p.drawRect(QRectF(3, 4, 24, 17));
    pen(p, Qt::white, 1.2);
    p.drawLine(QPointF(7, 9), QPointF(15, 9));
    p.drawLine(QPointF(7, 13), QPointF(20, 13));
    p.drawText(QRectF(16, 12, 10, 9), Qt::AlignCenter, QStringLiteral("2"));
    pen(p, kWoodBrown, 2);
    p.drawLine(QPointF(8, 21), QPointF(5, 28));
    p.drawLine(QPointF(22, 21), QPointF(25, 28));
}

void chemistry(QPainter &p)
{
    shape(p, QColor(235, 245, 250));
    p.drawPolygon(poly({{12, 3}, {18, 3}, {18, 11}, {26, 26}, {4, 26}, {12, 11}}));
    shape(p, QColor(80, 200, 120), Qt::transparent);
    p.drawPolygon(poly({{9, 17}, {21, 17}, {25, 25}, {5, 25}}));
    shape(p, Qt::white, QColor(60, 150, 90), 0.8);
    p.drawEllipse(QPointF(13, 21), 1.5, 1.5);
    p.drawEllipse(QPointF(18, 19), 1, 1);
}

void environment(QPainter &p)
{
    shape(p, kSky, QColor(30, 80, 160));
    p.drawEllipse(QPointF(15, 15), 12, 12);
    shape(p, kLeafGreen, QColor(30, 100, 30));
    QPainterPath leaf;
    leaf.moveTo(8, 22);
    leaf.quadTo(8, 8, 23, 7);
    leaf.quadTo(22, 21, 8, 22);
    p.drawPath(leaf);
    pen(p, QColor(30, 100, 30), 1);
    p.drawLine(QPointF(8, 22), QPointF(19, 11));
}

void letters(QPainter &p)
{
    shape(p, kPaper);
    p.drawPolygon(poly({{15, 8}, {4, 5}, {3, 24}, {15, 27}}));
    p.drawPolygon(poly({{15, 8}, {26, 5}, {27, 24}, {15, 27}}));
    pen(p, QColor(120, 120, 140), 0.8);
    for (int y = 10; y <= 20; y += 3) {
        p.drawLine(QPointF(6, y), QPointF(13, y + 1.5));
        p.drawLine(QPointF(17, y + 1.5), QPointF(24, y));
    }
}

void history(QPainter &p)
{
    shape(p, kSky, QColor(30, 80, 160));
    p.drawEllipse(QPointF(15, 13), 11, 11);
    shape(p, kLeafGreen, Qt::transparent);
    p.drawPolygon(poly({{9, 5}, {15, 6}, {14, 11}, {10, 13}, {8, 10}}));
    p.drawPolygon(poly({{16, 13}, {22, 12}, {22, 19}, {18, 22}}));
    pen(p, kWoodBrown, 2);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2, 0, 26, 26), 200 * 16, 140 * 16);
    p.drawLine(QPointF(15, 26), QPointF(15, 28));
    p.drawLine(QPointF(9, 28), QPointF(21, 28));
}

void economics(QPainter &p)
{
    pen(p, kInk, 1.5);
    p.drawLine(QPointF(3, 3), QPointF(3, 27));
    p.drawLine(QPointF(3, 27), QPointF(28, 27));
    const QColor bars[] = {kSky, kLeafGreen, kGold, kRed};
    const int heights[] = {7, 12, 17, 22};
    for (int i = 0; i < 4; ++i) {
        shape(p, bars[i], bars[i].darker(150), 0.8);
        p.drawRect(QRectF(6 + i * 5.5, 26 - heights[i], 4, heights[i]));
    }
}

void telecommunications(QPainter &p)
{
    pen(p, QColor(90, 90, 100), 2);
    p.drawLine(QPointF(15, 10), QPointF(9, 28));
    p.drawLine(QPointF(15, 10), QPointF(21, 28));
    p.drawLine(QPointF(12, 19), QPointF(18, 19));
    shape(p, kRed);
    p.drawEllipse(QPointF(15, 9), 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
    pen(p, kSky, 1.5);
    for (int r : {6, 10}) {
        p.drawArc(QRectF(15 - r, 9 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
        p.drawArc(QRectF(15 - r, 9 - r, 2 * r, 2 * r), 140 * 16, 80 * 16);
    }
}

void industrialEngineering(QPainter &p)
{
    shape(p, QColor(150, 90, 70));
    p.drawPolygon(
        poly({{2, 27}, {2, 14}, {8, 18}, {8, 14}, {14, 18}, {14, 14}, {20, 18}, {20, 5}, {25, 5}, {25, 27}}));
    shape(p, kGold, Qt::transparent);
    for (int x : {4, 10, 16})
        p.drawRect(QRectF(x, 21, 3, 3));
    shape(p, QColor(200, 200, 205), QColor(150, 150, 155), 0.8);
    p.drawEllipse(QPointF(24, 3), 3, 2);
}

void building(QPainter &p)
{
    pen(p, kGold.darker(130), 2);
    p.drawLine(QPointF(6, 28), QPointF(6, 3));
    p.drawLine(QPointF(2, 4), QPointF(27, 4));
    pen(p, kInk, 1);
    p.drawLine(QPointF(22, 4), QPointF(22, 12));
    shape(p, QColor(200, 90, 60), QColor(120, 50, 30), 0.8);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(
                QRectF(11 + col * 5 + (row % 2) * 2.5 - 2.5 * (col == 0 && row % 2), 14 + row * 3.5, 5, 3.5));
}

void law(QPainter &p)
{
    pen(p, QColor(150, 110, 30), 2);
    p.drawLine(QPointF(15, 3), QPointF(15, 26));
    p.drawLine(QPointF(4, 7), QPointF(26, 7));
    p.drawLine(QPointF(9, 27), QPointF(21, 27));
    pen(p, kInk, 0.8);
    p.drawLine(QPointF(4, 7), QPointF(1, 17));
    p.drawLine(QPointF(4, 7), QPointF(8, 17));
    p.drawLine(QPointF(26, 7), QPointF(22, 17));
    p.drawLine(QPointF(26, 7), QPointF(29, 17));
    shape(p, kGold, QColor(150, 110, 30));
    p.drawChord(QRectF(0.5, 12, 8, 9), 180 * 16, 180 * 16);
    p.drawChord(QRectF(21.5, 12, 8, 9), 180 * 16, 180 * 16);
}

void performingArts(QPainter &p)
{
    shape(p, kGold);
    p.drawEllipse(QRectF(2, 3, 14, 17));
    shape(p, QColor(120, 160, 230));
    p.drawEllipse(QRectF(13, 9, 14, 17));
    shape(p, kInk, kInk, 0.5);
    p.drawEllipse(QPointF(6.5, 10), 1.5, 1.5);
    p.drawEllipse(QPointF(11.5, 10), 1.5, 1.5);
    p.drawEllipse(QPointF(17.5, 16), 1.5, 1.5);
    p.drawEllipse(QPointF(22.5, 16), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    pen(p, kInk, 1.2);
    p.drawArc(QRectF(5, 10, 8, 6), 200 * 16, 140 * 16);
    p.drawArc(QRectF(16, 20, 8, 5), 20 * 16, 140 * 16);
}

void physicalActivities(QPainter &p)
{
    shape(p, Qt::white);
    p.drawEllipse(QPointF(15, 15), 12, 12);
    shape(p, kInk, kInk, 0.6);
    QPolygonF pentagon;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        pentagon << QPointF(15 + std::cos(a) * 4.5, 15 + std::sin(a) * 4.5);
    }
    p.drawPolygon(pentagon);
    pen(p, kInk, 1);
    for (int i = 0; i < 5; ++i)
        p.drawLine(pentagon[i], QPointF(15, 15) + (pentagon[i] - QPointF(15, 15)) * 2.6);
}

void graphicArts(QPainter &p)
{
    shape(p, kPaper);
    p.drawRect(QRectF(3, 3, 16, 22));
    pen(p, kInk, 1.2);
    p.drawLine(QPointF(6, 8), QPointF(16, 8));
    pen(p, QColor(140, 140, 140), 0.8);
    for (int y = 12; y <= 21; y += 3)
        p.drawLine(QPointF(6, y), QPointF(16, y));
    const QColor inks[] = {QColor(0, 170, 230), QColor(230, 0, 140), QColor(250, 220, 0)};
    for (int i = 0; i < 3; ++i) {
        shape(p, inks[i], inks[i].darker(140), 0.6);
        QPainterPath drop;
        const QPointF top(24, 3 + i * 9);
        drop.moveTo(top);
        drop.quadTo(top + QPointF(5, 6), top + QPointF(0, 7));
        drop.quadTo(top + QPointF(-5, 6), top);
        p.drawPath(drop);
    }
}

void electricity(QPainter &p)
{
    shape(p, kGold, QColor(150, 100, 0));
    p.drawPolygon(poly({{18, 2}, {6, 17}, {14, 17}, {10, 28}, {24, 11}, {16, 11}, {21, 2}}));
}

void energyAndWater(QPainter &p)
{
    shape(p, kGold, QColor(200, 130, 0));
    p.drawEllipse(QPointF(8, 8), 5, 5);
    pen(p, QColor(230, 150, 0), 1.5);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(QPointF(8 + std::cos(a) * 6.5, 8 + std::sin(a) * 6.5),
                   QPointF(8 + std::cos(a) * 8, 8 + std::sin(a) * 8));
    }
    shape(p, kSky, QColor(30, 80, 160));
    QPainterPath drop;
    drop.moveTo(19, 8);
    drop.cubicTo(21, 13, 27, 17, 27, 21);
    drop.cubicTo(27, 30, 11, 30, 11, 21);
    drop.cubicTo(11, 17, 17, 13, 19, 8);
    p.drawPath(drop);
}

void installation(QPainter &p)
{
    shape(p, kSteel);
    p.drawRect(QRectF(2, 6, 14, 5));
    p.drawRect(QRectF(12, 6, 5, 14));
    p.drawRoundedRect(QRectF(10, 3, 9, 3), 1, 1);
    p.drawRect(QRectF(13, 1, 3, 3));
    shape(p, kSky, Qt::transparent);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(14.5, 23 + i * 2.5), 1.3, 1.3);
    pen(p, kRed, 3);
    p.drawLine(QPointF(22, 28), QPointF(28, 14));
}

void imageAndSound(QPainter &p)
{
    shape(p, QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(2, 12, 18, 12), 2, 2);
    p.drawPolygon(poly({{20, 15}, {28, 11}, {28, 25}, {20, 21}}));
    p.drawEllipse(QPointF(7, 7), 4.5, 4.5);
    p.drawEllipse(QPointF(16, 7), 4.5, 4.5);
    shape(p, kSteel, Qt::transparent);
    p.drawEllipse(QPointF(7, 7), 1.5, 1.5);
    p.drawEllipse(QPointF(16, 7), 1.5, 1.5);
}

void personalImage(QPainter &p)
{
    pen(p, kSteel, 2.5);
    p.drawLine(QPointF(6, 3), QPointF(17, 20));
    p.drawLine(QPointF(16, 3), QPointF(5, 20));
    shape(p, Qt::transparent, kRed, 2);
    p.drawEllipse(QPointF(19, 23), 3.5, 3.5);
    p.drawEllipse(QPointF(3.5, 23), 3, 3.5);
    shape(p, QColor(200, 120, 200));
    p.drawRect(QRectF(22, 2, 6, 24));
    pen(p, QColor(120, 60, 120), 1);
    for (int y = 4; y <= 24; y += 3)
        p.drawLine(QPointF(22, y), QPointF(25, y));
}

void wood(QPainter &p)
{
    shape(p, QColor(210, 160, 100), QColor(130, 80, 30));
    p.drawRect(QRectF(2, 19, 26, 8));
    pen(p, QColor(150, 100, 50), 0.8);
    p.drawLine(QPointF(4, 23), QPointF(26, 23));
    shape(p, kSteel);
    p.drawPolygon(poly({{4, 15}, {22, 3}, {25, 7}, {7, 17}}));
    pen(p, kInk, 0.8);
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(5 + i * 3, 16 - i * 2), QPointF(6 + i * 3, 18 - i * 2));
    shape(p, kRed);
    p.drawRoundedRect(QRectF(21, 1, 8, 7), 2, 2);
}

void maritime(QPainter &p)
{
    pen(p, QColor(30, 50, 110), 2.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(15, 5), 3, 3);
    p.drawLine(QPointF(15, 8), QPointF(15, 27));
    p.drawLine(QPointF(9, 12), QPointF(21, 12));
    p.drawArc(QRectF(4, 12, 22, 16), 200 * 16, 140 * 16);
    shape(p, QColor(30, 50, 110), QColor(30, 50, 110), 1);
    p.drawPolygon(poly({{3, 18}, {7, 18}, {5, 15}}));
    p.drawPolygon(poly({{23, 18}, {27, 18}, {25, 15}}));
}

void safetyAndEnvironment(QPainter &p)
{
    shape(p, QColor(60, 110, 190), QColor(30, 50, 110));
    QPainterPath shield;
    shield.moveTo(15, 2);
    shield.lineTo(27, 6);
    shield.cubicTo(27, 18, 21, 25, 15, 28);
    shield.cubicTo(9, 25, 3, 18, 3, 6);
    shield.closeSubpath();
    p.drawPath(shield);
    shape(p, QColor(120, 210, 90), QColor(30, 100, 30), 0.8);
    QPainterPath leaf;
    leaf.moveTo(10, 20);
    leaf.quadTo(9, 9, 21, 8);
    leaf.quadTo(21, 19, 10, 20);
    p.drawPath(leaf);
}

void textiles(QPainter &p)
{
    shape(p, QColor(120, 180, 230));
    p.drawPolygon(poly({{9, 3},
                        {4, 6},
                        {1, 12},
                        {6, 14},
                        {7, 11},
                        {7, 27},
                        {23, 27},
                        {23, 11},
                        {24, 14},
                        {29, 12},
                        {26, 6},
                        {21, 3},
                        {18, 6},
                        {12, 6}}));
    pen(p, kSteel, 1.5);
    p.drawLine(QPointF(10, 24), QPointF(26, 8));
    pen(p, kRed, 1);
    p.setBrush(Qt::NoBrush);
    QPainterPath thread;
    thread.moveTo(25, 9);
    thread.cubicTo(29, 16, 18, 18, 20, 26);
    p.drawPath(thread);
}

void glassAndCeramics(QPainter &p)
{
    shape(p, QColor(200, 110, 60), QColor(120, 60, 30));
    QPainterPath vase;
    vase.moveTo(11, 3);
    vase.lineTo(19, 3);
    vase.cubicTo(17, 7, 17, 8, 20, 11);
    vase.cubicTo(28, 17, 24, 27, 19, 27);
    vase.lineTo(11, 27);
    vase.cubicTo(6, 27, 2, 17, 10, 11);
    vase.cubicTo(13, 8, 13, 7, 11, 3);
    p.drawPath(vase);
    pen(p, kPaper, 1.5);
    p.drawLine(QPointF(8, 17), QPointF(22, 17));
    p.drawLine(QPointF(8, 20), QPointF(22, 20));
}

void back(QPainter &p)
{
    shape(p, QColor(60, 160, 80), QColor(20, 90, 40));
    p.drawPolygon(poly({{2, 15}, {14, 4}, {14, 10}, {28, 10}, {28, 20}, {14, 20}, {14, 26}}));
}

using Drawing = void (*)(QPainter &);

constexpr Drawing kDrawings[IconCount] = {
    mechanics,
    agriculture,
    administration,
    commerce,
    transport,
    tourism,
    languages,
    extractive,
    vehicles,
    arts,
    painting,
    psychology,
    computing,
    sciences,
    socialServices,
    security,
    health,
    communication,
    hospitality,
    foodIndustries,
    education,
    chemistry,
    environment,
    letters,
    history,
    economics,
    telecommunications,
    industrialEngineering,
    building,
    law,
    performingArts,
    physicalActivities,
    graphicArts,
    electricity,
    energyAndWater,
    installation,
    imageAndSound,
    personalImage,
    wood,
    maritime,
    safetyAndEnvironment,
    textiles,
    glassAndCeramics,
    back,
};

} // namespace

QImage icon(int number)
{
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (number < 0 || number >= IconCount)
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    kDrawings[number](p);
    return image;
}

} // namespace velmira::pictures
