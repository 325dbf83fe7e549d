#pragma once
// Vocational centres by place: "lu1"-"lu4" and the place-title tables
// "datluggs" (higher grade), "datluggm" (middle grade) and "datlugip"
// (initial programmes). The province decides the place list and the key
// character; a place's number is its line in that list.

#include "regions.h"
#include "short_catalogues.h"
#include "sources.h"
#include "vocational_titles.h"

#include <QList>

namespace velmira::build {

struct Places
{
    QList<QByteArray> lists[4]; // "lu1" to "lu4"
    QByteArray datluggs;
    QByteArray datluggm;
    QByteArray datlugip;
};

Places compilePlaces(const SourceSet &sources, const Regions &regions, const HigherTitles &higher,
                     const MiddleTitles &middle, const InitialProgrammes &initial);

} // namespace velmira::build
