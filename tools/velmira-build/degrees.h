#pragma once
// The university degree catalogue: "carreranb", "materiasp", "carreran",
// "datgrados", "datcarn" and "dobles". Degree numbers follow the Spanish
// alphabetical order of the Castilian names; a degree's outlet code is its
// number, so codes are unique.

#include "families.h"
#include "key_index.h"
#include "professions.h"
#include "regions.h"
#include "sources.h"

#include <QList>

namespace velmira::build {

// What the degree texts tell of each degree besides its description.
struct DegreeFacts
{
    int branch = 0;
    int years = 0;
    int centres = 0;
    QList<int> professions; // "profesio" lines
};

struct Degrees
{
    QList<QByteArray> carreranb;
    QList<QByteArray> materiasp;
    QList<QByteArray> carreran;
    QByteArray datgrados;
    QByteArray datcarn;
    QList<QByteArray> dobles;
    QList<DegreeFacts> facts;                // per degree, in degree order
    KeyIndex keys{QStringLiteral("degree")}; // degree key -> degree number, also its outlet code
};

Degrees compileDegrees(const SourceSet &sources, const Regions &regions, const Professions &professions,
                       const Families &families);

} // namespace velmira::build
