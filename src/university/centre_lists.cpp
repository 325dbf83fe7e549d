#include "centre_lists.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/map_geometry.h"
#include "data/record_files.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/university_tables.h"
#include "university/degree_catalogue.h"

namespace velmira {

namespace {

constexpr int kLineChars = 60;
constexpr int kCentreNameChars = 45;
constexpr int kDegreeNameChars = 50;
constexpr int kFlatDegreeLines = 15;
constexpr int kBranches = 5;

// The region name of a `comunida` entry: after the two-digit code.
QByteArray regionName(int region) { return content().comunida.at(region).mid(2); }

// Fifty letters, however many bytes they take, so that the marks after them
// stay in one column.
QByteArray visibleDegreeName(int degree) { return padToCharacters(degreeName(degree), kDegreeNameChars); }

} // namespace

DegreeCentreList centreListOfDegree(int degree)
{
    const DegreeCentres &centres = universityData().centres;
    const Places &lugar = content().lugar;
    struct Kept
    {
        QByteArray line;
        int region;
    };
    std::vector<Kept> kept;
    for (int k = 1; k <= centres.centreCount(degree); ++k) {
        const int c = centres.centre(degree, k);
        kept.push_back({leftCharacters(lugar.names.at(c), kCentreNameChars) + markText(centres.mark(degree, k)),
                        lugar.region.at(c)});
    }

    DegreeCentreList list;
    list.lines.push_back("-" + QByteArray(17, ' ') + interfaceText(kCentresCaption));
    list.lines.push_back(QByteArray(30, ' ') + interfaceText(kCutOffMarksCaption));
    for (int r = 1; r <= kRegionCount; ++r) {
        for (const Kept &k : kept) {
            if (k.region != r)
                continue;
            if (!list.regionHasCentres[r]) {
                list.regionHasCentres[r] = true;
                list.regionHeadingLine[r] = static_cast<int>(list.lines.size());
                list.lines.push_back("- " + regionName(r));
            }
            list.lines.push_back(" - " + k.line);
        }
    }
    for (QByteArray &line : list.lines)
        line = leftCharacters(line, kLineChars);
    return list;
}

NumberedLines degreeListOfCentre(int centre)
{
    const DegreeCentres &centres = universityData().centres;
    struct Taught
    {
        QByteArray line;
        int degree;
        int branch;
    };
    std::vector<Taught> taught;
    for (int d = 1; d <= catalogueDegreeCount(); ++d)
        for (int k = 1; k <= centres.centreCount(d); ++k)
            if (centres.centre(d, k) == centre)
                taught.push_back({visibleDegreeName(d) + markText(centres.mark(d, k)), d,
                                  degreeField(d, DegreeField::Branch)});

    NumberedLines list;
    if (taught.size() > kFlatDegreeLines) {
        for (int b = 1; b <= kBranches; ++b) {
            bool headed = false;
            for (const Taught &t : taught) {
                if (t.branch != b)
                    continue;
                if (!headed)
                    list.add("-   " + branchName(b), 0);
                headed = true;
                list.add(t.line, t.degree);
            }
        }
    } else {
        for (const Taught &t : taught)
            list.add(t.line, t.degree);
    }

    const std::vector<QByteArray> doubles = doubleDegreeMemberLines(centre);
    if (!doubles.empty()) {
        list.add({}, 0);
        list.add("-" + QByteArray(16, ' ') + interfaceText(kDoubleDegreesCaption), 0);
        for (const QByteArray &line : doubles)
            list.add(line, 0);
    }
    return list;
}

std::vector<QByteArray> doubleDegreeMemberLines(int group)
{
    const DoubleDegrees &dobles = content().dobles;
    std::vector<QByteArray> lines;
    if (group < 1 || group > dobles.groupCount)
        return lines;
    for (int m = 1; m <= dobles.memberCount[group]; ++m) {
        const DoubleDegreeMember &member = dobles.member(group, m);
        lines.push_back(padToCharacters(degreeName(member.firstDegree), kDegreeNameChars) + member.tag);
        lines.push_back(" + " + degreeName(member.secondDegree));
        lines.push_back(QByteArray(17, ' ') + "-----" + QByteArray(5, ' '));
    }
    return lines;
}

} // namespace velmira
