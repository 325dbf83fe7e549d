#include "degree_details.h"

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/file_access.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/messages.h"
#include "data/record_files.h"
#include "data/text_bytes.h"
#include "data/text_file.h"
#include "data/text_ids.h"
#include "data/university_tables.h"
#include "university/degree_catalogue.h"

#include <QFile>

#include <set>
#include <utility>

namespace velmira {

namespace {

constexpr int kAnySubjectReference = 50;
constexpr int kLineCharacters = 60;
constexpr int kEmptyPageLines = 100;

QByteArray text(int k) { return trimTrailingBlanks(interfaceText(k)); }

QByteArray subjectName(int subject) { return trimTrailingBlanks(content().materiasp.at(subject)); }

// The suggested subjects of each branch, in the order they are listed.
std::vector<int> suggestedSubjects(int branch)
{
    switch (branch) {
    case 2: return {3, 21, 4, 10, 23};
    case 3: return {9, 16, 13, 15, 18};
    case 4: return {4, 21, 7, 3, 10, 23, 8, 9};
    case 5: return {19, 11, 4};
    default: return {};
    }
}

// A file of the data directory in the tables' encoding.
std::vector<QByteArray> inTablesEncoding(std::vector<QByteArray> lines)
{
    if (utfMode())
        for (QByteArray &line : lines)
            line = latin1ToUtf8(line);
    return lines;
}

} // namespace

std::vector<QByteArray> admissionVerdict(const std::vector<int> &marks)
{
    int kept = 0, sum = 0, above5 = 0, above6 = 0;
    for (int mark : marks) {
        if (mark <= 11)
            continue;
        ++kept;
        sum += mark;
        above5 += mark > 50;
        above6 += mark > 60;
    }
    if (kept == 0)
        return {};
    const double average = double(sum) / kept;
    if (average < 60) {
        std::vector<QByteArray> lines{text(kHardEntry)};
        if (above6 > 0 && double(above5) / kept > 0.2)
            lines.push_back(text(kSomeCentresEasier));
        return lines;
    }
    // A point, not the comma of the centre lines.
    return {text(kAverageMark) + ' ' + QByteArray::number(average / 10, 'f', 1).rightJustified(3)};
}

std::vector<int> cutOffMarks(int degree)
{
    const DegreeCentres &centres = universityData().centres;
    std::vector<int> marks;
    for (int k = 1; k <= centres.centreCount(degree); ++k)
        marks.push_back(centres.mark(degree, k));
    return marks;
}

std::vector<QByteArray> requirementsLines(int degree)
{
    std::vector<QByteArray> lines{"-     " + text(kRequirementsCaption), "", text(kAdmissionHeading)};
    for (const QByteArray &line : admissionVerdict(cutOffMarks(degree)))
        lines.push_back(line);
    const int branch = degreeField(degree, DegreeField::Branch);
    lines.insert(lines.end(),
                 {"", text(kBranchLines), text(kBranchLines + 1), trimTrailingBlanks(branchName(branch)), "",
                  "-  " + text(kSubjectsHeading), text(kSubjectsHeading + 1)});

    std::set<int> listed;
    for (int k = 0; k < 4; ++k) {
        const int subject = degreeField(degree, DegreeField::FirstSubject + k);
        if (subject == kAnySubjectReference) {
            lines.push_back("    " + text(kAnySubject));
            break;
        }
        if (subject > 0) {
            lines.push_back(">   " + subjectName(subject));
            listed.insert(subject);
        }
    }

    lines.insert(lines.end(), {"", text(kSuggestedHeading)});
    if (branch == 1)
        lines.push_back(">   " + text(kAnyScienceSubject));
    for (int subject : suggestedSubjects(branch))
        if (!listed.count(subject))
            lines.push_back(">   " + subjectName(subject));
    if (branch == 3)
        lines.insert(lines.end(), {text(kHealthAlso), ">   " + text(kAnyScienceSubject)});

    lines.insert(lines.end(),
                 {"", text(kClosingAdvice), text(kClosingAdvice + 1), text(kClosingAdvice + 2), "",
                  "- " + text(kAccessHeading)});
    for (int k = kAccessLines; k <= kAccessLines + 4; ++k)
        lines.push_back(text(k));
    for (QByteArray &line : lines)
        line = leftCharacters(line, kLineCharacters);
    return lines;
}

std::optional<std::vector<QByteArray>> informationBlock(const std::vector<QByteArray> &file, int code)
{
    const QByteArray key = "<<" + QByteArray::number(code).rightJustified(3);
    const int size = static_cast<int>(file.size());
    int keyLine = 0;
    while (keyLine < size && !file[keyLine].contains(key))
        ++keyLine;
    int end = keyLine + 3;
    while (end < size && !file[end].contains("<<"))
        ++end;
    if (keyLine >= size || end >= size)
        return std::nullopt;

    // From two lines below the key, without key lines, and the first of
    // those is not shown either.
    std::vector<QByteArray> block;
    bool first = true;
    for (int i = keyLine + 2; i < end; ++i) {
        const QByteArray &line = file[i];
        if (line.startsWith("<<"))
            continue;
        if (!std::exchange(first, false))
            block.push_back(line.startsWith('*') ? "  o  " + line.mid(2) : line);
    }
    return block;
}

std::vector<QByteArray> informationText(int degree)
{
    std::optional<std::vector<QByteArray>> file = readTextLines(languageDirectory() + "grados.txt");
    if (!file)
        file = readTextLines("grados.txt");
    if (file)
        if (const auto block = informationBlock(*file, degreeField(degree, DegreeField::OutletCode)))
            return inTablesEncoding(*block);
    return std::vector<QByteArray>(kEmptyPageLines, "  ");
}

std::vector<QByteArray> mastersText()
{
    const QByteArray name = languageDirectory() + "master.txt";
    const std::optional<std::vector<QByteArray>> file = readTextLines(name);
    if (!file) {
        reportFileError(FileError(name, unreadableFileNote(name)));
        return {};
    }
    return inTablesEncoding(*file);
}

} // namespace velmira
