#include "map_picture.h"

#include "map_outlines.h"

#include "data/map_geometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace velmira::pictures {

namespace {

constexpr int kCeuta = 18;
constexpr int kMelilla = 19;
constexpr int kBalearics = 4;
constexpr int kCanaries = 5;

const QColor kSea(168, 208, 236);
const QColor kForeignLand(226, 222, 208);
const QColor kForeignBorder(160, 156, 140);
const QColor kBorder(70, 70, 70);

const QColor kRegionColours[kRegionCount] = {
    {120, 190, 110}, {245, 200, 90},  {150, 200, 230}, {240, 150, 160}, {250, 225, 120},
    {190, 160, 220}, {235, 175, 110}, {205, 215, 120}, {240, 120, 100}, {160, 220, 170},
    {110, 170, 210}, {230, 120, 190}, {200, 90, 90},   {180, 130, 90},  {140, 140, 220},
    {250, 170, 60},  {100, 180, 150}, {210, 100, 150}, {130, 110, 190},
};

// Equirectangular projection of the mainland: degrees to picture pixels.
QPointF project(QPointF degrees)
{
    return {58.0 + (degrees.x() + 7.9) * 13.8, 51.0 + (42.75 - degrees.y()) * 17.2};
}

// The point a region's outline is drawn around: halfway between its centre
// and the middle of its hit rectangle, both in picture pixels.
QPointF regionAnchor(int region)
{
    const RegionRect r = regionRect(region);
    const QPointF rectMiddle((r.left + r.right) / 2.0 - kMapHitShiftX,
                             (r.top + r.bottom) / 2.0 - kMapHitShiftY);
    return (rectMiddle + QPointF(regionCentre(region))) / 2.0;
}

QPointF centroid(const QPolygonF &polygon)
{
    double area = 0, cx = 0, cy = 0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const double cross = a.x() * b.y() - b.x() * a.y();
        area += cross;
        cx += (a.x() + b.x()) * cross;
        cy += (a.y() + b.y()) * cross;
    }
    return {cx / (3 * area), cy / (3 * area)};
}

// A smooth nudge of the projected map, so that every community's outline
// surrounds the anchor the map windows expect: each community pulls the
// points around it by its own shift, fading with the square of the distance.
// Pixels squared: how far a community's pull stays nearly whole.
constexpr double kSoftness = 60.0;
constexpr int kSettleRounds = 2;

class MapWarp
{
public:
    QPointF apply(QPointF pixel) const
    {
        if (m_anchors.isEmpty())
            return pixel;
        double total = 0;
        QPointF shift;
        for (const Anchor &anchor : m_anchors) {
            const QPointF d = pixel - anchor.at;
            const double weight = 1.0 / (d.x() * d.x() + d.y() * d.y() + kSoftness);
            total += weight;
            shift += anchor.shift * weight;
        }
        return pixel + shift / total;
    }

    QPolygonF apply(const QVector<QPointF> &degrees) const
    {
        QPolygonF polygon;
        for (const QPointF &point : degrees)
            polygon << apply(project(point));
        return polygon;
    }

    // Moves every community's anchor shift by what is still missing; a few
    // rounds bring each outline's centroid close to its anchor.
    void settle()
    {
        const auto &communities = mainlandCommunities();
        if (m_anchors.isEmpty()) {
            for (const CommunityOutline &community : communities)
                m_anchors.push_back({regionAnchor(community.region), {}});
        }
        for (int round = 0; round < kSettleRounds; ++round) {
            QVector<QPointF> missing;
            for (int i = 0; i < communities.size(); ++i) {
                const QPolygonF outline = apply(communityPolygon(communities[i]));
                missing.push_back(m_anchors[i].at - centroid(outline));
            }
            for (int i = 0; i < communities.size(); ++i)
                m_anchors[i].shift += missing[i];
        }
    }

private:
    struct Anchor
    {
        QPointF at;
        QPointF shift;
    };
    QVector<Anchor> m_anchors;
};

// Island groups keep their own shapes: moved as one piece so that the group's
// main island surrounds the anchor, each island enlarged about its centroid.
QVector<QPolygonF> placeIslands(const QVector<QVector<QPointF>> &islands, int mainIsland, QPointF anchor,
                                double spread, double enlargement)
{
    QVector<QPolygonF> projected;
    for (const auto &island : islands) {
        QPolygonF polygon;
        for (const QPointF &point : island)
            polygon << project(point);
        projected << polygon;
    }
    const QPointF mainCentre = centroid(projected[mainIsland]);
    QVector<QPolygonF> placed;
    for (const QPolygonF &polygon : projected) {
        const QPointF centre = centroid(polygon);
        const QPointF newCentre = anchor + (centre - mainCentre) * spread;
        QPolygonF moved;
        for (const QPointF &point : polygon)
            moved << newCentre + (point - centre) * enlargement;
        placed << moved;
    }
    return placed;
}

void fillOutline(QPainter &p, const QPolygonF &outline, const QColor &fill, const QColor &pen)
{
    p.setBrush(fill);
    p.setPen(QPen(pen, 1.0));
    p.drawPolygon(outline);
}

// A framed box that marks a group of islands or a city shown apart from the
// mainland.
void drawInsetFrame(QPainter &p, const QRectF &box)
{
    p.setBrush(kSea);
    p.setPen(QPen(QColor(40, 60, 110), 1.0));
    p.drawRect(box);
}

QRectF boundsWithMargin(const QVector<QPolygonF> &shapes, double margin)
{
    QRectF bounds;
    for (const QPolygonF &shape : shapes)
        bounds = bounds.united(shape.boundingRect());
    return bounds.adjusted(-margin, -margin, margin, margin);
}

// Ceuta and Melilla: small city outlines, enlarged in boxes of their own,
// around the two points where the map windows look for them.
QPolygonF cityOutline(int region)
{
    const QPointF centre = regionCentre(region);
    const RegionRect r = regionRect(region);
    const QPointF rectMiddle((r.left + r.right) / 2.0 - kMapHitShiftX,
                             (r.top + r.bottom) / 2.0 - kMapHitShiftY);
    const QPointF middle = (centre + rectMiddle) / 2.0;
    // A rounded peninsula, wide enough to cover both points with a margin.
    const double rx = std::abs(centre.x() - rectMiddle.x()) / 2.0 + 6.0;
    const double ry = std::abs(centre.y() - rectMiddle.y()) / 2.0 + 5.0;
    QPolygonF outline;
    const double bumps[] = {1.0, 0.85, 1.05, 0.9, 1.0, 0.8, 1.1, 0.95, 1.0, 0.9};
    for (int i = 0; i < 10; ++i) {
        const double angle = i * 2 * M_PI / 10;
        outline << middle + QPointF(std::cos(angle) * rx * bumps[i], std::sin(angle) * ry * bumps[i]);
    }
    return outline;
}

} // namespace

QColor mapRegionColour(int region)
{
    if (region < 1 || region > kRegionCount)
        return kSea;
    return kRegionColours[region - 1];
}

QImage mapPicture()
{
    QImage image(kMapWidth, kMapHeight, QImage::Format_RGB32);
    image.fill(kSea);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    MapWarp warp;
    warp.settle();

    for (const auto &land : neighbourLands())
        fillOutline(p, warp.apply(land), kForeignLand, kForeignBorder);
    for (const CommunityOutline &community : mainlandCommunities())
        fillOutline(p, warp.apply(communityPolygon(community)), mapRegionColour(community.region), kBorder);

    for (const QPolygonF &island : placeIslands(balearicIslands(), 0, regionAnchor(kBalearics), 1.0, 1.15))
        fillOutline(p, island, mapRegionColour(kBalearics), kBorder);

    const QVector<QPolygonF> canaries = placeIslands(canaryIslands(), 4, regionAnchor(kCanaries), 1.15, 2.5);
    drawInsetFrame(p, boundsWithMargin(canaries, 3));
    for (const QPolygonF &island : canaries)
        fillOutline(p, island, mapRegionColour(kCanaries), kBorder);

    for (int city : {kCeuta, kMelilla}) {
        const QPolygonF outline = cityOutline(city);
        drawInsetFrame(p, boundsWithMargin({outline}, 2));
        fillOutline(p, outline, mapRegionColour(city), kBorder);
    }
    return image;
}

} // namespace velmira::pictures
