#include "place_lists.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "university/degree_catalogue.h"

namespace velmira {

namespace {

constexpr int kEmptyResultText = 292;
constexpr int kOtherStudySlots = 50;
constexpr int kSlotTestBytes = 16;

NumberedLines orEmptyResult(NumberedLines list)
{
    if (list.lines.empty())
        list.add(interfaceText(kEmptyResultText), 0);
    return list;
}

bool holdsDegree(const DoubleDegreeMember &m, int degree)
{
    return m.firstDegree == degree || m.secondDegree == degree;
}

} // namespace

int clickedRegion(int hovered) { return hovered == 18 || hovered == 19 ? 1 : hovered; }

NumberedLines centresOfRegion(int region)
{
    const Places &lugar = content().lugar;
    NumberedLines list;
    for (int c = 1; c <= lugar.names.count(); ++c)
        if (lugar.region.at(c) == region)
            list.add(lugar.names.at(c), c);
    return orEmptyResult(std::move(list));
}

NumberedLines doubleDegreeGroupsOfRegion(int region)
{
    const DoubleDegrees &dobles = content().dobles;
    NumberedLines list;
    for (int g = 1; g <= dobles.groupCount; ++g)
        if (dobles.code[g] == region)
            list.add(dobles.names.at(g), g);
    return orEmptyResult(std::move(list));
}

NumberedLines degreesWithDoubles()
{
    const DoubleDegrees &dobles = content().dobles;
    std::vector<bool> marked(catalogueDegreeCount() + 1, false);
    auto mark = [&marked](int d) {
        if (d >= 1 && d < static_cast<int>(marked.size()))
            marked[d] = true;
    };
    for (int g = 1; g <= dobles.groupCount; ++g)
        for (int m = 1; m <= dobles.memberCount[g]; ++m) {
            mark(dobles.member(g, m).firstDegree);
            mark(dobles.member(g, m).secondDegree);
        }
    NumberedLines list;
    for (int d = 1; d < static_cast<int>(marked.size()); ++d)
        if (marked[d])
            list.add(trimTrailingBlanks(degreeName(d)), d);
    return list;
}

std::vector<QByteArray> doubleDegreesOfDegree(int degree)
{
    const DoubleDegrees &dobles = content().dobles;
    std::vector<QByteArray> lines;
    for (int g = 1; g <= dobles.groupCount; ++g) {
        bool headed = false;
        for (int m = 1; m <= dobles.memberCount[g]; ++m) {
            const DoubleDegreeMember &pair = dobles.member(g, m);
            if (!holdsDegree(pair, degree))
                continue;
            if (!headed)
                lines.push_back(QByteArray(8, ' ') + dobles.names.at(g));
            headed = true;
            const QByteArray line =
                " " + leftCharacters(degreeName(pair.firstDegree), 30) + "...+ " + degreeName(pair.secondDegree);
            lines.push_back(leftCharacters(line, 70));
        }
    }
    return lines;
}

std::vector<QByteArray> otherStudies()
{
    const LineTable &otros = content().otros;
    std::vector<QByteArray> lines;
    for (int i = 1; i <= otros.count(); ++i)
        lines.push_back(otros.at(i));
    return lines;
}

std::vector<QByteArray> otherStudyLines(int entry)
{
    const GroupedTable &asignaot = content().asignaot;
    auto blank = [&](int slot) { return isBlank(asignaot.at(entry, slot).left(kSlotTestBytes)); };
    std::vector<QByteArray> lines;
    for (int slot = 1; slot <= kOtherStudySlots; ++slot) {
        if (slot < kOtherStudySlots && blank(slot) && blank(slot + 1))
            break;
        lines.push_back(asignaot.at(entry, slot));
    }
    return lines;
}

OtherStudyClick classifyOtherStudyClick(int index, const QByteArray &line)
{
    OtherStudyClick click;
    click.openSportsDocument = index == 2;
    const QByteArray start = line.left(3);
    if (start == "   ")
        return click;
    if (start == "- 1" || start == "- 2" || start == "- 3") {
        click.action = OtherStudyAction::DirectoryPage;
        click.directoryPage = start[2] - '0';
        return click;
    }
    click.action = OtherStudyAction::ShowEntry;
    return click;
}

QByteArray otherStudiesDirectoryPath(int page)
{
    switch (page) {
    case 1: return "/cursos-superiores/";
    case 2: return "/cursos-formacion/";
    case 3: return "/centros/centros-estudios-no-reglados/";
    default: return {};
    }
}

} // namespace velmira
