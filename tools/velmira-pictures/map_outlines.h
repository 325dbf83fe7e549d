#pragma once
// The outlines of the map of Spain, in degrees of longitude (x) and latitude
// (y). The mainland communities share border chains, so neighbouring
// outlines meet exactly; each community walks its chains in order.

#include <QPointF>
#include <QVector>

namespace velmira::pictures {

// One piece of a community's outline: a border chain, walked forwards or
// backwards.
struct ChainStep
{
    int chain;
    bool reversed;
};

struct CommunityOutline
{
    int region; // the region number of the map (1-17)
    QVector<ChainStep> steps;
};

const QVector<QVector<QPointF>> &borderChains();
// The fifteen mainland communities.
const QVector<CommunityOutline> &mainlandCommunities();
// Portugal, France and the coast of Africa, drawn as neutral land.
const QVector<QVector<QPointF>> &neighbourLands();
// Mallorca, Menorca, Ibiza and Formentera.
const QVector<QVector<QPointF>> &balearicIslands();
// The seven Canary Islands, in degrees as well.
const QVector<QVector<QPointF>> &canaryIslands();

// The outline of a community as one closed polygon in degrees.
QVector<QPointF> communityPolygon(const CommunityOutline &community);

} // namespace velmira::pictures
