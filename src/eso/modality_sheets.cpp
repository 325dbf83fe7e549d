#include "modality_sheets.h"

#include "subject_lists.h"

#include "data/interface_texts.h"
#include "data/line_table.h"
#include "data/print_buffer.h"
#include "data/print_state.h"
#include "data/text_ids.h"

namespace velmira {

namespace {

struct RouteSheet
{
    int sheet;
    int modality;    // interface text of line 4
    int heading;     // interface text of line 6
    int firstCourse; // "materias" selectors
    int secondCourse;
    int information; // "informa" code
    int branch;      // degree branch
    int fpsList;
};

constexpr RouteSheet kRouteSheets[] = {
    {1, 68, 59, 1143058, 2054058, 21, 1, 2}, {3, 68, 60, 1153058, 2064058, 22, 3, 4},
    {4, 69, 61, 1133048, 2034048, 25, 4, 5}, {5, 69, 62, 1173048, 2044048, 24, 5, 6},
    {6, 69, 63, 1163048, 2074048, 26, 2, 3}, {8, 71, 64, 1123038, 2014038, 23, 0, 1},
};

constexpr int kHigherGradeSheet = 7;

QByteArray rule() { return QByteArray(5, ' ') + QByteArray(18, '-'); }

void append(std::vector<QByteArray> &out, const std::vector<QByteArray> &more)
{
    out.insert(out.end(), more.begin(), more.end());
}

void appendSeparator(std::vector<QByteArray> &out) { append(out, {{}, rule(), {}}); }

void appendCourse(std::vector<QByteArray> &out, const LineTable &materias, int heading, int selector)
{
    append(
        out,
        {rule(), {}, interfaceText(heading), {}, interfaceText(kCourseSubjectsHeading), QByteArray(32, ' ')});
    append(out, selectedSubjects(materias, selector));
    out.push_back({});
}

std::vector<QByteArray> routeSheet(const SubjectListSources &tables, const RouteSheet &s)
{
    std::vector<QByteArray> out = {
        {}, {}, interfaceText(kModalityHeading), interfaceText(s.modality), {}, interfaceText(s.heading), {}};
    appendCourse(out, tables.materias, 56, s.firstCourse);
    appendCourse(out, tables.materias, 57, s.secondCourse);
    if (s.sheet == 8)
        out.push_back({});
    appendSeparator(out);
    append(out, informationLines(tables.informa, s.information));
    appendSeparator(out);
    append(out, {interfaceText(kModalityStudiesHeading), QByteArray(4, ' ')});
    append(out, degreeListBody(tables, s.branch, s.fpsList));
    appendSeparator(out);
    return out;
}

std::vector<QByteArray> higherGradeSheet(const SubjectListSources &tables)
{
    std::vector<QByteArray> out = {{}};
    appendSeparator(out);
    append(out, informationLines(tables.informa, 36));
    appendSeparator(out);
    append(out, informationLines(tables.informa, 19));
    return out;
}

} // namespace

std::vector<QByteArray> modalitySheetLines(const SubjectListSources &tables, int sheet)
{
    std::vector<QByteArray> out;
    if (sheet == kHigherGradeSheet)
        out = higherGradeSheet(tables);
    for (const RouteSheet &s : kRouteSheets) {
        if (s.sheet == sheet)
            out = routeSheet(tables, s);
    }
    if (out.size() > kSheetLineLimit)
        out.resize(kSheetLineLimit);
    return out;
}

int fillSheetPrintBuffer(LineTable &buffer, const std::vector<QByteArray> &lines)
{
    setBoldLines({});
    return fillPrintBuffer(buffer, {}, lines);
}

} // namespace velmira
