#include "map_outlines.h"

#include <algorithm>

namespace velmira::pictures {

namespace {

// Border chains. Names tell the two sides; each chain runs from the first
// junction named in its comment to the second.
enum Chain {
    GaliciaCoast,         // Miño mouth -> Ribadeo
    GaliciaAsturias,      // Ribadeo -> Ancares
    LeonGalicia,          // Portuguese border -> Ancares
    GaliciaPortugal,      // Portuguese border -> Miño mouth
    AsturiasCoast,        // Ribadeo -> Deva mouth
    AsturiasCantabria,    // Deva mouth -> Picos de Europa
    LeonAsturias,         // Ancares -> Picos de Europa
    CantabriaCoast,       // Deva mouth -> Ontón
    CantabriaBasque,      // Ontón -> Valle de Mena
    LeonCantabria,        // Picos de Europa -> Valle de Mena
    BasqueCoast,          // Ontón -> Bidasoa mouth
    BasqueFrance,         // Bidasoa mouth -> Navarrese border
    BasqueNavarra,        // Oyón -> Navarrese border
    BasqueRioja,          // Miranda -> Oyón
    LeonBasque,           // Valle de Mena -> Miranda
    NavarraFrance,        // Basque border -> Larra
    NavarraAragon,        // Larra -> Moncayo
    NavarraRioja,         // Oyón -> Moncayo
    LeonRioja,            // Miranda -> Moncayo
    AragonFrance,         // Larra -> Val d'Aran
    AragonCatalonia,      // Val d'Aran -> Els Ports
    AragonValencia,       // Els Ports -> Rincón de Ademuz
    AragonCastile,        // Rincón de Ademuz -> Sierra de Ayllón east
    LeonAragon,           // Moncayo -> Sierra de Ayllón east
    CataloniaFrance,      // Val d'Aran -> Portbou
    CataloniaCoast,       // Portbou -> Sénia mouth
    CataloniaValencia,    // Sénia mouth -> Els Ports
    ValenciaCoast,        // Sénia mouth -> Pilar de la Horadada
    ValenciaCastile,      // Rincón de Ademuz -> Yecla
    ValenciaMurcia,       // Yecla -> Pilar de la Horadada
    MurciaCoast,          // Pilar de la Horadada -> Águilas
    MurciaAndalusia,      // Águilas -> Sierra de Segura
    MurciaCastile,        // Sierra de Segura -> Yecla
    CastileAndalusia,     // Sierra de Segura -> Sierra Morena west
    CastileExtremadura,   // Sierra Morena west -> Gredos west
    ExtremaduraAndalusia, // Sierra Morena west -> Portuguese border
    ExtremaduraPortugal,  // Portuguese border south -> Sierra de Gata
    LeonExtremadura,      // Gredos west -> Sierra de Gata
    LeonPortugal,         // Sierra de Gata -> Galician border
    LeonCastileEast,      // Sierra de Ayllón east -> Somosierra
    MadridLeon,           // Somosierra -> Gredos east
    MadridCastile,        // Somosierra -> Gredos east, round the south
    LeonCastileWest,      // Gredos east -> Gredos west
    AndalusiaCoast,       // Águilas -> Guadiana mouth
    AndalusiaPortugal,    // Guadiana mouth -> Portuguese border
};

using Line = QVector<QPointF>;

const QVector<Line> kChains = {
    /* GaliciaCoast */ {{-8.87, 41.87},
                        {-8.85, 42.12},
                        {-8.72, 42.24},
                        {-8.85, 42.5},
                        {-9.05, 42.77},
                        {-9.27, 42.9},
                        {-9.2, 43.1},
                        {-8.8, 43.32},
                        {-8.4, 43.37},
                        {-8.25, 43.5},
                        {-7.87, 43.77},
                        {-7.69, 43.79},
                        {-7.04, 43.54}},
    /* GaliciaAsturias */ {{-7.04, 43.54}, {-7.05, 43.25}, {-6.83, 43.0}},
    /* LeonGalicia */ {{-6.9, 41.95}, {-6.95, 42.25}, {-6.8, 42.5}, {-6.85, 42.8}, {-6.83, 43.0}},
    /* GaliciaPortugal */
    {{-6.9, 41.95}, {-7.2, 41.88}, {-7.6, 41.85}, {-8.1, 41.8}, {-8.2, 42.1}, {-8.6, 42.05}, {-8.87, 41.87}},
    /* AsturiasCoast */
    {{-7.04, 43.54}, {-6.53, 43.55}, {-5.85, 43.66}, {-5.66, 43.54}, {-5.06, 43.46}, {-4.51, 43.39}},
    /* AsturiasCantabria */ {{-4.51, 43.39}, {-4.84, 43.18}},
    /* LeonAsturias */ {{-6.83, 43.0}, {-6.3, 43.0}, {-5.8, 43.05}, {-5.3, 43.08}, {-4.84, 43.18}},
    /* CantabriaCoast */ {{-4.51, 43.39}, {-3.8, 43.47}, {-3.45, 43.45}, {-3.15, 43.35}},
    /* CantabriaBasque */ {{-3.15, 43.35}, {-3.35, 43.18}},
    /* LeonCantabria */
    {{-4.84, 43.18},
     {-4.55, 43.0},
     {-4.2, 42.85},
     {-4.0, 42.8},
     {-3.75, 42.95},
     {-3.5, 43.05},
     {-3.35, 43.18}},
    /* BasqueCoast */
    {{-3.15, 43.35}, {-3.0, 43.38}, {-2.72, 43.42}, {-2.3, 43.3}, {-1.98, 43.32}, {-1.79, 43.37}},
    /* BasqueFrance */ {{-1.79, 43.37}, {-1.73, 43.3}},
    /* BasqueNavarra */ {{-2.45, 42.5}, {-2.3, 42.7}, {-2.25, 42.9}, {-2.05, 43.05}, {-1.73, 43.3}},
    /* BasqueRioja */ {{-3.05, 42.62}, {-2.8, 42.58}, {-2.45, 42.5}},
    /* LeonBasque */ {{-3.35, 43.18}, {-3.2, 43.0}, {-3.15, 42.85}, {-3.05, 42.62}},
    /* NavarraFrance */ {{-1.73, 43.3}, {-1.45, 43.27}, {-1.35, 43.1}, {-1.0, 43.05}, {-0.75, 42.93}},
    /* NavarraAragon */
    {{-0.75, 42.93},
     {-0.9, 42.75},
     {-1.05, 42.5},
     {-1.25, 42.3},
     {-1.4, 42.1},
     {-1.45, 41.93},
     {-1.85, 41.93}},
    /* NavarraRioja */ {{-2.45, 42.5}, {-2.1, 42.4}, {-1.75, 42.15}, {-1.85, 41.93}},
    /* LeonRioja */
    {{-3.05, 42.62}, {-3.1, 42.4}, {-2.95, 42.15}, {-2.6, 42.0}, {-2.25, 41.98}, {-1.85, 41.93}},
    /* AragonFrance */ {{-0.75, 42.93}, {-0.3, 42.8}, {0.0, 42.7}, {0.4, 42.7}, {0.7, 42.85}},
    /* AragonCatalonia */
    {{0.7, 42.85}, {0.65, 42.5}, {0.6, 42.3}, {0.35, 41.95}, {0.4, 41.5}, {0.25, 41.1}, {0.25, 40.68}},
    /* AragonValencia */
    {{0.25, 40.68}, {-0.05, 40.75}, {-0.3, 40.45}, {-0.6, 40.1}, {-0.9, 39.95}, {-1.4, 40.15}},
    /* AragonCastile */ {{-1.4, 40.15}, {-1.65, 40.6}, {-1.8, 40.95}, {-2.05, 41.15}},
    /* LeonAragon */ {{-1.85, 41.93}, {-1.95, 41.6}, {-2.05, 41.15}},
    /* CataloniaFrance */
    {{0.7, 42.85}, {1.0, 42.8}, {1.45, 42.45}, {2.0, 42.4}, {2.65, 42.35}, {3.17, 42.43}},
    /* CataloniaCoast */
    {{3.17, 42.43},
     {3.32, 42.32},
     {3.17, 42.26},
     {3.13, 42.12},
     {3.2, 41.93},
     {2.8, 41.67},
     {2.3, 41.45},
     {2.17, 41.38},
     {1.8, 41.23},
     {1.25, 41.11},
     {0.95, 41.0},
     {0.87, 40.7},
     {0.6, 40.6},
     {0.51, 40.52}},
    /* CataloniaValencia */ {{0.51, 40.52}, {0.25, 40.68}},
    /* ValenciaCoast */
    {{0.51, 40.52},
     {0.4, 40.36},
     {0.15, 40.1},
     {0.0, 39.98},
     {-0.23, 39.68},
     {-0.33, 39.47},
     {-0.25, 39.16},
     {-0.15, 38.97},
     {0.1, 38.84},
     {0.23, 38.73},
     {-0.13, 38.53},
     {-0.48, 38.34},
     {-0.56, 38.19},
     {-0.68, 37.98},
     {-0.76, 37.84}},
    /* ValenciaCastile */ {{-1.4, 40.15}, {-1.55, 39.9}, {-1.45, 39.4}, {-1.2, 38.95}, {-1.05, 38.65}},
    /* ValenciaMurcia */ {{-1.05, 38.65}, {-0.95, 38.4}, {-1.0, 38.1}, {-0.9, 37.95}, {-0.76, 37.84}},
    /* MurciaCoast */ {{-0.76, 37.84}, {-0.72, 37.65}, {-0.98, 37.58}, {-1.31, 37.55}, {-1.63, 37.37}},
    /* MurciaAndalusia */ {{-1.63, 37.37}, {-1.75, 37.6}, {-2.0, 37.85}, {-2.3, 38.05}, {-2.35, 38.15}},
    /* MurciaCastile */ {{-2.35, 38.15}, {-2.0, 38.4}, {-1.5, 38.55}, {-1.05, 38.65}},
    /* CastileAndalusia */
    {{-2.35, 38.15}, {-2.6, 38.35}, {-3.2, 38.45}, {-3.8, 38.35}, {-4.3, 38.4}, {-5.0, 38.68}},
    /* CastileExtremadura */
    {{-5.0, 38.68}, {-5.2, 39.1}, {-4.85, 39.4}, {-5.1, 39.7}, {-5.35, 39.9}, {-5.4, 40.15}},
    /* ExtremaduraAndalusia */ {{-5.0, 38.68}, {-5.5, 38.5}, {-6.0, 38.2}, {-6.6, 38.1}, {-7.1, 38.18}},
    /* ExtremaduraPortugal */
    {{-7.1, 38.18},
     {-7.3, 38.45},
     {-7.3, 38.75},
     {-7.0, 38.88},
     {-7.2, 39.25},
     {-7.5, 39.66},
     {-7.0, 39.67},
     {-6.9, 40.0},
     {-6.9, 40.25}},
    /* LeonExtremadura */ {{-5.4, 40.15}, {-5.9, 40.3}, {-6.5, 40.27}, {-6.9, 40.25}},
    /* LeonPortugal */
    {{-6.9, 40.25}, {-6.8, 40.6}, {-6.85, 41.0}, {-6.5, 41.3}, {-6.2, 41.6}, {-6.55, 41.95}, {-6.9, 41.95}},
    /* LeonCastileEast */ {{-2.05, 41.15}, {-2.5, 41.25}, {-3.0, 41.3}, {-3.5, 41.15}},
    /* MadridLeon */ {{-3.5, 41.15}, {-3.9, 40.95}, {-4.2, 40.75}, {-4.3, 40.6}, {-4.55, 40.25}},
    /* MadridCastile */
    {{-3.5, 41.15},
     {-3.2, 40.95},
     {-3.05, 40.5},
     {-3.1, 40.15},
     {-3.4, 39.9},
     {-3.8, 40.05},
     {-4.2, 40.15},
     {-4.55, 40.25}},
    /* LeonCastileWest */ {{-4.55, 40.25}, {-5.0, 40.2}, {-5.4, 40.15}},
    /* AndalusiaCoast */
    {{-1.63, 37.37},
     {-1.82, 37.18},
     {-1.95, 36.95},
     {-2.19, 36.72},
     {-2.46, 36.83},
     {-3.02, 36.74},
     {-3.52, 36.72},
     {-4.42, 36.71},
     {-4.88, 36.5},
     {-5.35, 36.14},
     {-5.6, 36.01},
     {-6.0, 36.2},
     {-6.29, 36.53},
     {-6.44, 36.74},
     {-6.4, 36.9},
     {-6.95, 37.2},
     {-7.4, 37.21}},
    /* AndalusiaPortugal */ {{-7.4, 37.21}, {-7.5, 37.55}, {-7.25, 37.95}, {-7.1, 38.18}},
};

constexpr bool F = false;
constexpr bool R = true;

const QVector<CommunityOutline> kCommunities = {
    {1,
     {{AndalusiaCoast, F},
      {AndalusiaPortugal, F},
      {ExtremaduraAndalusia, R},
      {CastileAndalusia, R},
      {MurciaAndalusia, R}}},
    {2,
     {{AragonFrance, F},
      {AragonCatalonia, F},
      {AragonValencia, F},
      {AragonCastile, F},
      {LeonAragon, R},
      {NavarraAragon, R}}},
    {3, {{AsturiasCoast, F}, {AsturiasCantabria, F}, {LeonAsturias, R}, {GaliciaAsturias, R}}},
    {6, {{CantabriaCoast, F}, {CantabriaBasque, F}, {LeonCantabria, R}, {AsturiasCantabria, R}}},
    {7,
     {{CastileAndalusia, F},
      {CastileExtremadura, F},
      {LeonCastileWest, R},
      {MadridCastile, R},
      {LeonCastileEast, R},
      {AragonCastile, R},
      {ValenciaCastile, F},
      {MurciaCastile, R}}},
    {8,
     {{LeonGalicia, F},
      {LeonAsturias, F},
      {LeonCantabria, F},
      {LeonBasque, F},
      {LeonRioja, F},
      {LeonAragon, F},
      {LeonCastileEast, F},
      {MadridLeon, F},
      {LeonCastileWest, F},
      {LeonExtremadura, F},
      {LeonPortugal, F}}},
    {9, {{CataloniaFrance, F}, {CataloniaCoast, F}, {CataloniaValencia, F}, {AragonCatalonia, R}}},
    {10,
     {{ExtremaduraAndalusia, F}, {ExtremaduraPortugal, F}, {LeonExtremadura, R}, {CastileExtremadura, R}}},
    {11, {{GaliciaCoast, F}, {GaliciaAsturias, F}, {LeonGalicia, R}, {GaliciaPortugal, F}}},
    {12, {{BasqueRioja, F}, {NavarraRioja, F}, {LeonRioja, R}}},
    {13, {{MadridLeon, F}, {MadridCastile, R}}},
    {14, {{MurciaCoast, F}, {MurciaAndalusia, F}, {MurciaCastile, F}, {ValenciaMurcia, F}}},
    {15, {{NavarraFrance, F}, {NavarraAragon, F}, {NavarraRioja, R}, {BasqueNavarra, F}}},
    {16,
     {{ValenciaCoast, F},
      {ValenciaMurcia, R},
      {ValenciaCastile, R},
      {AragonValencia, R},
      {CataloniaValencia, R}}},
    {17,
     {{BasqueCoast, F},
      {BasqueFrance, F},
      {BasqueNavarra, R},
      {BasqueRioja, R},
      {LeonBasque, R},
      {CantabriaBasque, R}}},
};

const QVector<Line> kNeighbours = {
    // Portugal
    {{-8.87, 41.87},
     {-8.2, 42.15},
     {-6.5, 42.0},
     {-6.2, 41.6},
     {-6.85, 40.9},
     {-6.9, 40.2},
     {-7.0, 39.7},
     {-7.0, 38.9},
     {-7.3, 38.5},
     {-7.5, 37.5},
     {-7.4, 37.2},
     {-8.0, 37.0},
     {-8.99, 37.02},
     {-8.8, 38.0},
     {-8.9, 38.5},
     {-9.45, 38.75},
     {-9.0, 39.6},
     {-8.65, 40.6},
     {-8.9, 41.0}},
    // France and Andorra, north of the Pyrenees
    {{-1.79, 43.37},
     {-1.5, 43.6},
     {-1.25, 44.6},
     {-1.2, 46.5},
     {9.0, 46.5},
     {9.0, 43.9},
     {7.5, 43.78},
     {7.0, 43.55},
     {6.2, 43.1},
     {5.5, 43.2},
     {4.8, 43.35},
     {4.0, 43.55},
     {3.4, 43.3},
     {3.05, 43.0},
     {3.17, 42.43},
     {2.0, 42.3},
     {0.7, 42.75},
     {-0.75, 42.85},
     {-1.73, 43.25}},
    // North Africa
    {{-9.5, 33.5},
     {-6.8, 34.1},
     {-6.0, 35.8},
     {-5.4, 35.92},
     {-5.3, 35.7},
     {-4.5, 35.2},
     {-3.9, 35.2},
     {-3.0, 35.3},
     {-2.2, 35.1},
     {-1.0, 35.7},
     {0.0, 35.9},
     {1.0, 36.5},
     {3.0, 36.8},
     {5.0, 36.8},
     {8.0, 37.0},
     {11.0, 37.3},
     {11.0, 33.0}},
};

const QVector<Line> kBalearics = {
    // Mallorca
    {{2.35, 39.55},
     {2.6, 39.7},
     {2.9, 39.9},
     {3.2, 39.96},
     {3.15, 39.8},
     {3.25, 39.75},
     {3.48, 39.72},
     {3.3, 39.48},
     {3.0, 39.3},
     {2.75, 39.4},
     {2.7, 39.53},
     {2.5, 39.45}},
    // Menorca
    {{3.8, 40.05}, {4.1, 40.07}, {4.3, 39.88}, {4.1, 39.9}, {3.85, 39.93}},
    // Ibiza
    {{1.22, 38.97}, {1.4, 39.1}, {1.6, 39.05}, {1.55, 38.9}, {1.4, 38.85}},
    // Formentera
    {{1.38, 38.72}, {1.55, 38.7}, {1.5, 38.65}, {1.4, 38.66}},
};

const QVector<Line> kCanaries = {
    // El Hierro
    {{-18.15, 27.75}, {-18.0, 27.82}, {-17.88, 27.8}, {-17.95, 27.65}, {-18.05, 27.7}},
    // La Palma
    {{-17.98, 28.8}, {-17.8, 28.85}, {-17.72, 28.7}, {-17.75, 28.55}, {-17.85, 28.45}, {-17.95, 28.65}},
    // La Gomera
    {{-17.35, 28.1}, {-17.25, 28.2}, {-17.1, 28.12}, {-17.15, 28.02}, {-17.3, 28.02}},
    // Tenerife
    {{-16.92, 28.36},
     {-16.7, 28.4},
     {-16.45, 28.5},
     {-16.15, 28.59},
     {-16.2, 28.5},
     {-16.38, 28.33},
     {-16.5, 28.1},
     {-16.65, 28.0},
     {-16.78, 28.08},
     {-16.85, 28.22}},
    // Gran Canaria
    {{-15.8, 28.0},
     {-15.7, 28.15},
     {-15.45, 28.15},
     {-15.37, 27.95},
     {-15.5, 27.78},
     {-15.65, 27.76},
     {-15.82, 27.85}},
    // Fuerteventura
    {{-14.5, 28.05},
     {-14.2, 28.2},
     {-14.0, 28.35},
     {-13.85, 28.6},
     {-13.85, 28.75},
     {-14.0, 28.7},
     {-14.05, 28.45},
     {-14.3, 28.3},
     {-14.5, 28.12}},
    // Lanzarote
    {{-13.85, 28.87},
     {-13.7, 28.9},
     {-13.45, 29.1},
     {-13.45, 29.22},
     {-13.6, 29.15},
     {-13.8, 29.05},
     {-13.88, 28.93}},
};

} // namespace

const QVector<QVector<QPointF>> &borderChains() { return kChains; }
const QVector<CommunityOutline> &mainlandCommunities() { return kCommunities; }
const QVector<QVector<QPointF>> &neighbourLands() { return kNeighbours; }
const QVector<QVector<QPointF>> &balearicIslands() { return kBalearics; }
const QVector<QVector<QPointF>> &canaryIslands() { return kCanaries; }

QVector<QPointF> communityPolygon(const CommunityOutline &community)
{
    QVector<QPointF> polygon;
    for (const ChainStep &step : community.steps) {
        QVector<QPointF> chain = kChains.at(step.chain);
        if (step.reversed)
            std::reverse(chain.begin(), chain.end());
        // Each chain starts where the previous one ended: keep that point once.
        if (!polygon.isEmpty())
            chain.removeFirst();
        polygon += chain;
    }
    return polygon;
}

} // namespace velmira::pictures
