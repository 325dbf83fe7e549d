#include "eso_data.h"

#include "data/content_tables.h"
#include "data/language.h"
#include "data/loaders.h"

namespace velmira {

EsoData &esoData()
{
    static EsoData data;
    return data;
}

void loadEsoData() { runLoadSteps(esoLoadSteps()); }

LoadSteps esoLoadSteps()
{
    ContentTables &t = content();
    EsoData &e = esoData();
    return {
        [&] {
            LoadPaddedLines(localName("materias"), e.materias, kWidthA);
            LoadPaddedLines(localName("informa"), t.informa, kWidthA);
            LoadPaddedLines(localName("fps"), e.fps, kWidthEsoQuestions);
            LoadPaddedLines(localName("cuestion"), e.cuestion, kWidthEsoQuestions);
            LoadWidePaddedLines(localName("cuesgm"), e.cuesgm, kWidthMiddleQuestions);
            LoadPaddedLines(localName("itinerar"), e.itinerar, kWidthEsoItineraries);
            LoadPaddedLines(localName("fp2"), t.fp2, kWidthD);
            LoadDashedLines(localName("fp2"), t.fp2Titles, t.fp2TitleLines, kWidthD);
            LoadSubjectGroups(localName("asignagm"), t.asignagm);
        },
        [&] { LoadPlaceRecords("datluggm", t.datluggm[0], t.datluggm[1], t.datluggm[2], t.datluggm[3]); },
        [&] { LoadTitleRows("datfpm", t.datfpm); },
    };
}

} // namespace velmira
