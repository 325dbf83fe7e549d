#include "themes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>

namespace velmira::pictures {

namespace {

enum class Pattern { Hedge, Brick, Stone, Planks, Tiles, Stars, Paper };

struct Style
{
    Pattern pattern;
    QColor wall;
    QColor line;   // mortar, joints, grain
    QColor accent; // frames and door niches
    QColor floor;
};

Style styleOf(char letter)
{
    switch (letter) {
    case 'B': return {Pattern::Hedge, {70, 140, 70}, {40, 95, 45}, {190, 180, 150}, {120, 170, 80}};
    case 'M': return {Pattern::Brick, {180, 85, 60}, {225, 200, 180}, {128, 40, 30}, {200, 120, 80}};
    case 'I': return {Pattern::Stone, {170, 150, 135}, {120, 100, 90}, {140, 112, 101}, {150, 140, 130}};
    case 'H': return {Pattern::Planks, {165, 120, 80}, {110, 75, 45}, {95, 60, 35}, {140, 95, 60}};
    case 'C': return {Pattern::Tiles, {245, 240, 225}, {60, 90, 170}, {188, 119, 99}, {200, 130, 100}};
    case 'N': return {Pattern::Stars, {25, 35, 100}, {240, 240, 180}, {0, 0, 160}, {40, 50, 120}};
    default: return {Pattern::Paper, {235, 230, 210}, {170, 190, 220}, {0, 0, 128}, {200, 195, 180}};
    }
}

// Covers the rectangle with the theme's wall pattern.
void paintPattern(QPainter &p, const QRectF &area, const Style &s, quint32 seed)
{
    p.fillRect(area, s.wall);
    QRandomGenerator random(seed);
    p.save();
    p.setClipRect(area);
    p.setPen(QPen(s.line, 1));
    switch (s.pattern) {
    case Pattern::Hedge:
        p.setPen(Qt::NoPen);
        for (int i = 0; i < int(area.width() * area.height() / 40); ++i) {
            p.setBrush(i % 3 ? s.line : s.wall.lighter(125));
            p.drawEllipse(QPointF(area.left() + random.bounded(int(area.width()) + 1),
                                  area.top() + random.bounded(int(area.height()) + 1)),
                          3, 2);
        }
        break;
    case Pattern::Brick:
        for (int row = 0; row * 12 < area.height(); ++row) {
            const double y = area.top() + row * 12;
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            for (double x = area.left() + (row % 2) * 14; x < area.right(); x += 28)
                p.drawLine(QPointF(x, y), QPointF(x, y + 12));
        }
        break;
    case Pattern::Stone:
        for (int row = 0; row * 30 < area.height(); ++row) {
            const double y = area.top() + row * 30;
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            for (double x = area.left() + (row % 2) * 25; x < area.right(); x += 50)
                p.drawLine(QPointF(x, y), QPointF(x, y + 30));
        }
        break;
    case Pattern::Planks:
        for (double x = area.left(); x < area.right(); x += 16) {
            p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
            p.setPen(QPen(s.line.lighter(130), 0.5));
            p.drawLine(QPointF(x + 6, area.top()), QPointF(x + 7, area.bottom()));
            p.setPen(QPen(s.line, 1));
        }
        break;
    case Pattern::Tiles:
        for (double y = area.top(); y < area.bottom(); y += 20)
            for (double x = area.left(); x < area.right(); x += 20) {
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(x, y, 20, 20));
                p.setBrush(s.line);
                p.drawEllipse(QPointF(x + 10, y + 10), 4, 4);
                p.drawEllipse(QPointF(x, y), 2.5, 2.5);
            }
        break;
    case Pattern::Stars:
        p.setPen(Qt::NoPen);
        p.setBrush(s.line);
        for (int i = 0; i < int(area.width() * area.height() / 300); ++i)
            p.drawEllipse(QPointF(area.left() + random.bounded(int(area.width()) + 1),
                                  area.top() + random.bounded(int(area.height()) + 1)),
                          0.8 + random.bounded(2) * 0.6, 0.8 + random.bounded(2) * 0.6);
        break;
    case Pattern::Paper:
        for (double y = area.top() + 10; y < area.bottom(); y += 12)
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        break;
    }
    p.restore();
}

QImage floorPicture(const Style &s)
{
    QImage image(1024, 64, QImage::Format_RGB32);
    QPainter p(&image);
    image.fill(s.floor);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(s.floor.darker(130), 1));
    for (int x = -512; x < 1536; x += 48)
        p.drawLine(QPointF(512 + (x - 512) * 0.6, 0), QPointF(x, 64));
    for (int y : {14, 32, 52})
        p.drawLine(QPointF(0, y), QPointF(1024, y));
    return image;
}

QImage framePicture(const Style &s, bool horizontal, int length)
{
    const QSize size = horizontal ? QSize(length, 32) : QSize(32, length);
    QImage image(size, QImage::Format_RGB32);
    image.fill(s.accent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient moulding(0, 0, horizontal ? 0 : 32, horizontal ? 32 : 0);
    moulding.setColorAt(0, s.accent.lighter(140));
    moulding.setColorAt(0.5, s.accent);
    moulding.setColorAt(1, s.accent.darker(150));
    p.fillRect(image.rect(), moulding);
    p.setPen(QPen(s.accent.darker(180), 1));
    p.setBrush(s.accent.lighter(120));
    for (int at = 16; at < length; at += 32) {
        const QPointF centre = horizontal ? QPointF(at, 16) : QPointF(16, at);
        p.drawEllipse(centre, 5, 5);
    }
    return image;
}

QImage tilePicture(const Style &s, char letter)
{
    QImage image(kTileWidth, kTileHeight, QImage::Format_RGB32);
    QPainter p(&image);
    paintPattern(p, image.rect(), s, quint32(letter));
    p.setRenderHint(QPainter::Antialiasing);

    // The niche where a door of the menu stands, with its arch.
    const QRectF niche(40, 78, 100, 124);
    p.setPen(QPen(s.accent.darker(160), 1));
    p.setBrush(s.accent);
    QPainterPath arch;
    arch.moveTo(niche.bottomLeft());
    arch.lineTo(niche.left(), niche.top() + 20);
    arch.quadTo(niche.center().x(), niche.top() - 22, niche.right(), niche.top() + 20);
    arch.lineTo(niche.bottomRight());
    arch.closeSubpath();
    p.drawPath(arch);
    p.setBrush(s.accent.darker(170));
    p.drawRect(QRectF(niche.left() + 6, niche.top() + 8, niche.width() - 12, niche.height() - 8));
    p.setBrush(s.accent.lighter(130));
    p.drawRect(QRectF(niche.left() - 6, niche.bottom(), niche.width() + 12, 8));

    // The floor the figure walks on.
    const QRectF floor(0, 330, kTileWidth, kTileHeight - 330);
    p.fillRect(floor, s.floor);
    p.setPen(QPen(s.floor.darker(130), 1));
    for (int x = -60; x < kTileWidth + 60; x += 29)
        p.drawLine(QPointF(x + 30, 330), QPointF(x, kTileHeight));
    p.drawLine(QPointF(0, 360), QPointF(kTileWidth, 360));
    p.setPen(QPen(s.accent.darker(130), 3));
    p.drawLine(QPointF(0, 330), QPointF(kTileWidth, 330));
    return image;
}

void pottedPlant(QPainter &p)
{
    p.setBrush(QColor(190, 90, 50));
    p.drawPolygon(QPolygonF({QPointF(35, 190), QPointF(85, 190), QPointF(78, 245), QPointF(42, 245)}));
    p.setPen(QPen(QColor(40, 120, 40), 3));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(60, 190), QPointF(60 + i * 18, 90 + std::abs(i) * 25));
    p.setPen(QPen(QColor(120, 40, 40), 1));
    const QColor flowers[] = {QColor(240, 70, 90), QColor(250, 200, 40), QColor(240, 120, 200)};
    for (int i = -2; i <= 2; ++i) {
        p.setBrush(flowers[(i + 2) % 3]);
        p.drawEllipse(QPointF(60 + i * 18, 90 + std::abs(i) * 25), 10, 10);
        p.setBrush(QColor(250, 230, 120));
        p.drawEllipse(QPointF(60 + i * 18, 90 + std::abs(i) * 25), 3, 3);
    }
}

void columnWithBust(QPainter &p)
{
    p.setBrush(QColor(235, 230, 220));
    p.drawRect(QRectF(35, 120, 50, 125));
    p.drawRect(QRectF(28, 110, 64, 12));
    p.drawRect(QRectF(28, 240, 64, 10));
    p.setPen(QPen(QColor(180, 175, 165), 1.5));
    for (int x = 42; x <= 78; x += 9)
        p.drawLine(QPointF(x, 124), QPointF(x, 238));
    p.setPen(QPen(QColor(120, 115, 105), 1));
    p.setBrush(QColor(225, 220, 210));
    p.drawEllipse(QPointF(60, 60), 20, 24);
    p.drawChord(QRectF(30, 76, 60, 50), 0, 180 * 16);
}

void bookshelf(QPainter &p)
{
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(14, 30, 92, 215));
    const QColor spines[] = {QColor(180, 40, 40), QColor(40, 90, 160), QColor(220, 180, 50),
                             QColor(50, 130, 70), QColor(150, 80, 150)};
    for (int shelf = 0; shelf < 4; ++shelf) {
        const double base = 80 + shelf * 52;
        p.setBrush(QColor(80, 50, 25));
        p.drawRect(QRectF(18, base, 84, 6));
        for (int book = 0; book < 8; ++book) {
            p.setBrush(spines[(book + shelf) % 5]);
            const double h = 30 + ((book * 7 + shelf * 3) % 12);
            p.drawRect(QRectF(20 + book * 10, base - h, 9, h));
        }
    }
}

void windowWithSky(QPainter &p)
{
    p.setBrush(QColor(240, 235, 220));
    p.drawRect(QRectF(15, 40, 90, 170));
    QLinearGradient sky(0, 50, 0, 200);
    sky.setColorAt(0, QColor(90, 160, 230));
    sky.setColorAt(1, QColor(200, 230, 250));
    p.setBrush(sky);
    p.drawRect(QRectF(23, 48, 74, 154));
    p.setBrush(QColor(250, 250, 250));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(50, 90), 16, 8);
    p.drawEllipse(QPointF(66, 86), 12, 8);
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QPointF(78, 140), 10, 10);
    p.setPen(QPen(QColor(240, 235, 220), 4));
    p.drawLine(QPointF(60, 48), QPointF(60, 202));
    p.drawLine(QPointF(23, 125), QPointF(97, 125));
    p.setPen(QPen(QColor(120, 80, 50), 1));
    p.setBrush(QColor(190, 119, 99));
    p.drawRect(QRectF(10, 210, 100, 10));
}

void telescope(QPainter &p)
{
    p.setBrush(QColor(245, 240, 200));
    p.drawEllipse(QPointF(85, 45), 16, 16);
    p.setBrush(QColor(25, 35, 100));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(93, 40), 14, 14);
    p.setPen(QPen(QColor(20, 20, 30), 1));
    p.setBrush(QColor(200, 200, 215));
    p.save();
    p.translate(55, 140);
    p.rotate(-35);
    p.drawRect(QRectF(-45, -9, 90, 18));
    p.drawRect(QRectF(40, -12, 14, 24));
    p.restore();
    p.setPen(QPen(QColor(150, 110, 60), 4));
    p.drawLine(QPointF(55, 145), QPointF(30, 245));
    p.drawLine(QPointF(55, 145), QPointF(80, 245));
    p.drawLine(QPointF(55, 145), QPointF(55, 245));
}

void blackboardOnEasel(QPainter &p)
{
    p.setPen(QPen(QColor(140, 90, 40), 5));
    p.drawLine(QPointF(40, 40), QPointF(20, 248));
    p.drawLine(QPointF(80, 40), QPointF(100, 248));
    p.setPen(QPen(QColor(140, 90, 40), 4));
    p.setBrush(QColor(30, 80, 50));
    p.drawRect(QRectF(12, 60, 96, 100));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(25, 80), QPointF(70, 80));
    p.drawLine(QPointF(25, 100), QPointF(90, 100));
    p.drawLine(QPointF(25, 120), QPointF(60, 120));
    p.drawEllipse(QPointF(82, 130), 10, 10);
}

QImage themeImage(char letter, const Style &s)
{
    QImage image(120, 256, QImage::Format_RGB32);
    QPainter p(&image);
    paintPattern(p, image.rect(), s, quint32(letter) * 7);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 30, 20), 1));
    switch (letter) {
    case 'M': pottedPlant(p); break;
    case 'I': columnWithBust(p); break;
    case 'H': bookshelf(p); break;
    case 'C': windowWithSky(p); break;
    case 'N': telescope(p); break;
    default: blackboardOnEasel(p); break;
    }
    return image;
}

} // namespace

QImage themePicture(char letter, ThemePart part)
{
    const Style s = styleOf(letter);
    switch (part) {
    case ThemePart::Floor: return floorPicture(s);
    case ThemePart::TopFrame: return framePicture(s, true, 1024);
    case ThemePart::RightFrame:
    case ThemePart::LeftFrame: return framePicture(s, false, 768);
    case ThemePart::FrameBlock: return framePicture(s, true, 32);
    case ThemePart::Tile: return tilePicture(s, letter);
    case ThemePart::Picture: return themeImage(letter, s);
    }
    return {};
}

QVector<QImage> fountainFrames()
{
    const Style garden = styleOf('B');
    QVector<QImage> frames;
    const int count = 8;
    for (int f = 0; f < count; ++f) {
        QImage image(120, 200, QImage::Format_RGB32);
        QPainter p(&image);
        paintPattern(p, image.rect(), garden, 11);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(110, 100, 80), 1));
        p.setBrush(QColor(200, 190, 165));
        p.drawRect(QRectF(54, 90, 12, 80));                      // stem
        p.drawChord(QRectF(30, 70, 60, 36), 180 * 16, 180 * 16); // upper bowl
        p.drawRoundedRect(QRectF(8, 160, 104, 30), 6, 6);        // basin
        p.setBrush(QColor(90, 160, 220));
        p.drawRect(QRectF(14, 164, 92, 10)); // water in the basin

        // Jets: droplets along parabolas; each frame moves them an eighth of
        // the gap between two droplets, so the eight frames loop smoothly.
        p.setPen(Qt::NoPen);
        for (int side : {-1, 1}) {
            for (int k = 0; k < 10; ++k) {
                const double t = (k + f / double(count)) / 10.0;
                const double x = 60 + side * t * 48;
                const double y = 60 - 90 * t + 120 * t * t;
                p.setBrush(QColor(170, 215, 250));
                p.drawEllipse(QPointF(x, y), 2.2, 3);
            }
            for (int k = 0; k < 6; ++k) {
                const double t = (k + f / double(count)) / 6.0;
                p.setBrush(QColor(200, 230, 255));
                p.drawEllipse(QPointF(60 + side * (24 + t * 14), 90 + t * 72), 1.8, 2.5);
            }
        }
        p.setBrush(QColor(220, 240, 255));
        const double spout = 6 + 4 * std::sin(f * 2 * M_PI / count);
        p.drawEllipse(QPointF(60, 66 - spout), 3, spout);
        frames << image;
    }
    return frames;
}

} // namespace velmira::pictures
