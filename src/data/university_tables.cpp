#include "university_tables.h"

#include "command_runner.h"
#include "content_tables.h"
#include "language.h"
#include "load_notes.h"
#include "loaders.h"
#include "record_files.h"

namespace velmira {

namespace {
void loadProfessionCodes(UniversityData &data)
{
    const QByteArray name = localName("profesio");
    data.professions.assign(1, {});
    int lineNo = 0;
    for (const QByteArray &line : readRecordLines(name, 1100)) {
        ++lineNo;
        data.professions.push_back(parseProfession(
            line, [&] { addLoadNote(name, lineNo, QStringLiteral("statement number is not a number")); }));
    }
}
} // namespace

UniversityData &universityData()
{
    static UniversityData data;
    return data;
}

void loadUniversityData() { runLoadSteps(universityLoadSteps()); }

LoadSteps universityLoadSteps()
{
    ContentTables &t = content();
    UniversityData &u = universityData();
    return {
        [&] {
            setBrowserDefault("firefox");
            LoadPaddedLines(localName("carreran"), t.carreran, kWidthA);
            LoadPaddedLines(localName("carreranb"), t.carreranb, kWidthA);
            LoadPaddedLines(localName("otros"), t.otros, kWidthB);
            LoadPaddedLines(localName("cualidad"), u.cualidad, kWidthD);
            LoadPaddedLines(localName("interes"), u.interes, kWidthD);
            LoadPaddedLines(localName("itinerar"), u.itinerar, kWidthA);
            u.itinerar.setCount(12);
            LoadPaddedLines(localName("fp"), t.fp, kWidthD);
            LoadDashedLines(localName("fp"), t.fpTitles, t.fpTitleLines, kWidthD);
            LoadPaddedLines(localName("reqfp"), t.reqfp, kWidthB);
            LoadSubjectGroups(localName("asignafp"), t.asignafp);
            LoadOtherSubjectGroups(localName("asignaot"), t.asignaot);
            LoadTrimmedLines(localName("activida"), t.activida);
            LoadTrimmedLines(localName("familias"), t.familias);
            LoadPaddedLines("comunida", t.comunida, kWidthB);
            for (int k = 0; k < 4; ++k)
                LoadPlaceList("lu" + QByteArray::number(k + 1), t.placeLists[k]);
        },
        [&] {
            LoadDegreeRows("datgrados", t.datgrados);
            for (int i = 1; i <= t.carreran.count() && i < static_cast<int>(u.branch.size()); ++i)
                u.branch[i] = t.datgrados.at(i, DegreeField::Branch);
        },
        [&] { LoadTitleRows("datfps", t.datfps); },
        [&] { LoadPlaceRecords("datluggs", t.datluggs[0], t.datluggs[1], t.datluggs[2], t.datluggs[3]); },
        [&] { LoadGroupArrays("datgrub", t.datgrub); },
        [&] { LoadDoubleDegrees("dobles", t.dobles, t.datgrados, t.carreran.count()); },
        [&] { LoadPlainLines(localName("materiasp"), t.materiasp); },
        [&] { LoadPlaces("lugar", t.lugar); },
        [&] { LoadRegionTexts("comuint", t.comuint); },
        [&] { LoadDegreeCentres("datcarn", u.centres); },
        [&] { loadProfessionCodes(u); },
    };
}

} // namespace velmira
