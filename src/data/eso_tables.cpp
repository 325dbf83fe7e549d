#include "eso_tables.h"

#include "content_tables.h"
#include "language.h"
#include "loaders.h"

#include <algorithm>

namespace velmira {

QByteArray EsoData::modalityText(int line) const
{
    if (line < kFirstModalityLine || line > kLastModalityLine)
        return {};
    return modalityTexts[line - kFirstModalityLine];
}

QByteArray EsoData::itinerarLine(int line) const
{
    if (line >= kFirstResultTextLine)
        return resultTexts.at(line - kFirstResultTextLine + 1);
    return itinerar.at(line);
}

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
            LoadWidePaddedLines(localName("cuesgm"), t.cuesgm, kWidthMiddleQuestions);
            LoadPaddedLines(localName("itinerar"), e.itinerar, kWidthEsoItineraries);
            LoadPaddedLines(localName("fp2"), t.fp2, kWidthD);
            LoadDashedLines(localName("fp2"), t.fp2Titles, t.fp2TitleLines, kWidthD);
            LoadSubjectGroups(localName("asignagm"), t.asignagm);
        },
        [&] { LoadPlaceRecords("datluggm", t.datluggm[0], t.datluggm[1], t.datluggm[2], t.datluggm[3]); },
        [&] { LoadTitleRows("datfpm", t.datfpm); },
        [&] {
            markMiddleTitles(t, e);
            prepareItineraryTexts(e);
            prepareMiddleQuestionnaire(t.cuesgm, t.middleQuestionnaire);
        },
    };
}

void prepareItineraryTexts(EsoData &data)
{
    for (int line = kFirstModalityLine; line <= kLastModalityLine; ++line)
        data.modalityTexts[line - kFirstModalityLine] = data.itinerar.at(line).left(kModalityTextCapacity);
    data.resultTexts.clear();
    const int results = std::max(data.itinerar.count() - kFirstResultTextLine + 1, 0);
    for (int k = 1; k <= results; ++k)
        data.resultTexts.set(k, data.itinerar.at(kFirstResultTextLine + k - 1));
    data.resultTexts.setCount(results);
    data.itinerar.setCount(kItinerarLinesKept);
}

void markMiddleTitles(ContentTables &tables, EsoData &data)
{
    const int titles = tables.fp2Titles.count();
    int beforeMark = titles;
    for (int k = 1; k <= titles; ++k) {
        if (tables.fp2Titles.at(k).startsWith('|')) {
            beforeMark = k - 1;
            break;
        }
    }
    data.middleTitlesBeforeMark = beforeMark;
    if (titles < static_cast<int>(tables.fp2TitleLines.size()))
        tables.fp2TitleLines[titles] = tables.fp2.count() + 1;
}

ItineraryStudies itineraryStudies(int group, const ContentTables &tables)
{
    // Groups 11 and 12 have no vocational-title section, group 13 no degree section.
    ItineraryStudies studies;
    studies.listsTitles = group != 11 && group != 12;
    studies.listsDegrees = group != 13;
    if (studies.listsTitles) {
        for (int i = 1; i <= tables.fp.count(); ++i) {
            for (int k = 0; k <= 3; ++k) {
                if (tables.datfps.at(i, k) == group) {
                    studies.titles.push_back(i);
                    break;
                }
            }
        }
    }
    if (studies.listsDegrees) {
        for (int i = 1; i <= tables.carreran.count(); ++i) {
            if (tables.datgrados.at(i, DegreeField::FirstItinerary) == group
                || tables.datgrados.at(i, DegreeField::SecondItinerary) == group)
                studies.degrees.push_back(i);
        }
    }
    return studies;
}

} // namespace velmira
