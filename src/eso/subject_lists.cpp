#include "subject_lists.h"

#include "data/eso_tables.h"
#include "itinerary_diagram.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"

#include <algorithm>

namespace velmira {

namespace {

// Characters 3-60 of the lines whose group is g and whose kind is one of the kinds.
void appendSelected(const LineTable &materias, char group, const QByteArray &kinds,
                    std::vector<QByteArray> &out)
{
    for (int i = 1; i <= materias.count(); ++i) {
        const QByteArray line = materias.at(i);
        if (line.size() >= 2 && line[0] == group && kinds.contains(line[1]))
            out.push_back(columns(line, 3, 60));
    }
}

QByteArray codeKey(int code) { return QByteArray::number(code).rightJustified(2, ' '); }

} // namespace

SubjectListSources loadedListSources()
{
    EsoData &eso = esoData();
    ContentTables &tables = content();
    return {eso.materias, tables.informa, eso.fps, tables.carreran, tables.datgrados};
}

std::vector<QByteArray> selectedSubjects(const LineTable &materias, int selector)
{
    const QByteArray digits = QByteArray::number(selector);
    std::vector<QByteArray> out;
    if (digits.isEmpty() || selector < 0)
        return out;
    appendSelected(materias, digits[0], digits.mid(1, 2), out);
    if (digits.size() == 7)
        appendSelected(materias, digits[3], digits.mid(4, 3), out);
    return out;
}

std::vector<QByteArray> informationLines(const LineTable &informa, int code)
{
    const QByteArray key = codeKey(code);
    const bool withCommon = key[0] == '2';
    std::vector<QByteArray> out;
    for (int i = 1; i <= informa.count(); ++i) {
        const QByteArray line = informa.at(i);
        const QByteArray lineKey = line.left(2);
        if (lineKey == key || (withCommon && lineKey == "20"))
            out.push_back(columns(line, 3, 60));
    }
    if (code == 99) {
        out.push_back(interfaceText(kProfessionalCertificatesCaption));
        out.push_back({});
        for (int text = 562; text <= 568; ++text)
            out.push_back(interfaceText(text));
    }
    return out;
}

std::vector<QByteArray> degreeListBody(const SubjectListSources &tables, int branch, int fpsList)
{
    std::vector<QByteArray> out = {interfaceText(kStudiesIntroLine1),
                                   interfaceText(kStudiesIntroLine2),
                                   {},
                                   interfaceText(kBranchDegreesHeading),
                                   {}};
    for (int i = 1; i <= tables.carreran.count(); ++i) {
        if (tables.datgrados.at(i, DegreeField::Branch) == branch)
            out.push_back(tables.carreran.at(i));
    }
    out.insert(
        out.end(),
        {{}, QByteArray(7, ' ') + QByteArray(12, '-'), {}, interfaceText(kHigherGradeTitlesListHeading), {}});
    const char digit = static_cast<char>('0' + fpsList);
    for (int i = 1; i <= tables.fps.count(); ++i) {
        const QByteArray line = tables.fps.at(i);
        if (line.size() >= fpsList && line[fpsList - 1] == digit)
            out.push_back(columns(line, 8, 50));
    }
    return out;
}

SubjectBoxContent subjectBoxContent(int box)
{
    using A = BoxAction;
    switch (box) {
    case 2: return {A::PrintSheet, 8};
    case 5: return {A::PrintSheet, 1};
    case 6: return {A::PrintSheet, 3};
    case 11: return {A::PrintSheet, 4};
    case 12: return {A::PrintSheet, 5};
    case 17: return {A::PrintSheet, 7};
    case 18: return {A::PrintSheet, 6};
    case 3: return {A::InformationList, 41};
    case 7: return {A::InformationList, 42};
    case 8: return {A::InformationList, 43};
    case 13: return {A::InformationList, 44};
    case 14: return {A::InformationList, 45};
    case 20: return {A::InformationList, 46};
    case 4: return {A::InformationList, 23};
    case 9: return {A::InformationList, 21};
    case 10: return {A::InformationList, 22};
    case 15: return {A::InformationList, 25};
    case 16: return {A::InformationList, 24};
    case 21: return {A::InformationList, 19};
    case 22: return {A::InformationList, 26};
    case 19: return {A::InformationList, 15};
    case 23: return {A::InformationList, 10};
    case 24: return {A::InformationList, 11};
    case 26: return {A::InformationList, 12};
    case 25: return {A::SubjectList, 2014038, 65};
    case 33: return {A::SubjectList, 1123038, 65};
    case 27: return {A::SubjectList, 2054058, 59};
    case 34: return {A::SubjectList, 1143058, 59};
    case 28: return {A::SubjectList, 2064058, 60};
    case 35: return {A::SubjectList, 1153058, 60};
    case 29: return {A::SubjectList, 2034048, 99, 104};
    case 36: return {A::SubjectList, 1133048, 99, 104};
    case 30: return {A::SubjectList, 2044048, 99, 105};
    case 31: return {A::SubjectList, 1173048, 99, 105};
    case 32: return {A::SubjectList, 2074068, 99};
    case 37: return {A::SubjectList, 1163068, 99};
    case 38: return {A::InformationList, 36};
    case 45: return {A::InformationList, 34};
    case 46: return {A::InformationList, 35};
    case 47: return {A::InformationList, 37};
    case 48: return {A::InformationList, 31};
    case 51: return {A::InformationList, 30};
    case 39: return {A::InformationList, 16};
    case 40: return {A::InformationList, 17};
    case 41: return {A::SubjectList, 501};
    case 43: return {A::SubjectList, 502};
    case 42: return {A::InformationList, 18};
    case 44: return {A::InformationList, 99};
    case 49: return {A::InformationList, 13};
    case 50: return {A::InformationList, 14};
    default: return {};
    }
}

QByteArray subjectListHeading(const SubjectBoxContent &content)
{
    QByteArray heading = interfaceText(content.heading);
    if (content.headingSecond)
        heading = (heading + ' ' + interfaceText(content.headingSecond)).left(31);
    return heading;
}

std::vector<QByteArray> subjectListLines(const SubjectListSources &tables, int box)
{
    const SubjectBoxContent content = subjectBoxContent(box);
    switch (content.action) {
    case BoxAction::InformationList: return informationLines(tables.informa, content.number);
    case BoxAction::SubjectList: {
        std::vector<QByteArray> out;
        if (QByteArray::number(content.number).size() == 7)
            out = {subjectListHeading(content), QByteArray(32, ' ')};
        const std::vector<QByteArray> selected = selectedSubjects(tables.materias, content.number);
        out.insert(out.end(), selected.begin(), selected.end());
        return out;
    }
    case BoxAction::Nothing:
    case BoxAction::PrintSheet: break;
    }
    return {};
}

namespace {

struct DegreeLink
{
    int box;
    int heading;
    int branch;
    int fpsList;
};

constexpr DegreeLink kDegreeLinks[] = {
    {3, 65, 1, 1}, {7, 59, 1, 2}, {20, 63, 2, 3}, {8, 60, 3, 4}, {13, 61, 4, 5}, {14, 62, 5, 6},
};

const DegreeLink *degreeLink(int box)
{
    for (const DegreeLink &link : kDegreeLinks) {
        if (link.box == box)
            return &link;
    }
    return nullptr;
}

} // namespace

std::vector<QByteArray> moreInformationLines(const SubjectListSources &tables, int box)
{
    const DegreeLink *link = degreeLink(box);
    if (!link)
        return {};
    std::vector<QByteArray> out = {"-" + interfaceText(link->heading)};
    const std::vector<QByteArray> body = degreeListBody(tables, link->branch, link->fpsList);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

MoreInformation moreInformationAction(int box)
{
    if (degreeLink(box))
        return MoreInformation::DegreeList;
    switch (box) {
    case 44: return MoreInformation::CertificatesWindow;
    case 46:
    case 48: return MoreInformation::InitialProgrammesWindow;
    case 47: return MoreInformation::MiddleGradeExplorer;
    default: return MoreInformation::Nothing;
    }
}

int subjectListHeight(int box, int lineCount)
{
    switch (subjectBoxContent(box).action) {
    case BoxAction::InformationList: return lineCount > 8 ? 225 : 150;
    case BoxAction::SubjectList: return box <= 40 ? 225 : 150;
    case BoxAction::Nothing:
    case BoxAction::PrintSheet: break;
    }
    return 150;
}

namespace {
constexpr int kMoreInformationBoxes[] = {3, 7, 8, 13, 14, 20, 44, 46, 47, 48};
}

ListPlacement placeSubjectList(int box, int height, bool informationList)
{
    ListPlacement placement;
    if (box < 0 || box >= static_cast<int>(subjectBoxes().size()))
        return placement;
    const QPoint corner = subjectBoxes()[box].area.corner();
    int left = corner.x();
    int top = corner.y();
    if (left + kListWidth + 30 > kWindowWidth)
        left = kWindowWidth - 330;
    placement.overflowsDown = top + height > kWindowHeight - 40;
    for (int k = 1; k <= height / 4; ++k) {
        if (placement.overflowsDown)
            top -= 4;
        placement.openingSteps.push_back(QRect(corner.x(), top, 4 * k, 4 * k));
    }
    placement.list = QRect(left, top, kListWidth, height);
    placement.closeButton = {left + kListWidth - 66, top + height - 23};

    const bool hasLink = informationList
        && std::find(std::begin(kMoreInformationBoxes), std::end(kMoreInformationBoxes), box)
            != std::end(kMoreInformationBoxes);
    if (hasLink) {
        if (box <= 20)
            placement.list.setHeight(300);
        // The taller list and its link row must stay inside the window: a list
        // placed for the shorter height would run off the bottom edge.
        const int lowest = kWindowHeight - kLinkRowHeight;
        if (placement.list.bottom() + 1 > lowest)
            placement.list.moveTop(lowest - placement.list.height());
        top = placement.list.top();
        placement.moreInformation = true;
        placement.moreInformationAt = {left, top + placement.list.height()};
        placement.moreInformationWidth = kListWidth - 53;
        placement.closeButton = {left + placement.moreInformationWidth + 3, placement.moreInformationAt.y()};
    }
    return placement;
}

bool SubjectBoxClicks::click(int box)
{
    if (m_listOpen) {
        m_listOpen = false;
        return false;
    }
    ++m_count;
    m_listOpen = true;
    m_lastBox = box;
    return true;
}

} // namespace velmira
