#pragma once
// "fps": the higher-grade titles each Bachillerato route of the ESO
// itineraries diagram leads to. The source names each title by its key, so
// that a list can only name a title of the catalogue, and shows the
// catalogue's name unless it gives a shorter one.

#include "sources.h"
#include "vocational_titles.h"

#include <QList>

namespace velmira::build {

QList<QByteArray> compileEsoTitleLists(const SourceSet &sources, const HigherTitles &higher);

} // namespace velmira::build
