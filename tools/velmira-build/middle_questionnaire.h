#pragma once
// "cuesgm": the middle-grade questionnaire. Eleven area names, then the
// items, each with the middle-grade titles it points to as the explorer
// reads them (a family character and a title character), its areas and
// its text. Families and titles are named by their keys in middle-titles.

#include "sources.h"
#include "vocational_titles.h"

#include <QList>

namespace velmira::build {

QList<QByteArray> compileMiddleQuestionnaire(const SourceSet &sources, const MiddleTitles &middle);

} // namespace velmira::build
