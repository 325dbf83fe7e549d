#include "family_catalogue.h"

#include "explorers/certificate_catalogue.h"
#include "explorers/initial_programme_catalogue.h"
#include "explorers/middle_grade_catalogue.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/university_tables.h"

#include <algorithm>
#include <iterator>

namespace velmira {

using namespace families_text;

namespace {

constexpr char kRelatedTitlesFamily = '5';
constexpr int kHigherFamilyField = 23;
constexpr int kMiddleFamilyField = 3;
constexpr int kFirstRequirementField = 4;
constexpr int kRequirementFields = 13;
constexpr int kJobPositionCount = 5;
constexpr int kBranches = 5;
constexpr char kModuleIndent[] = "     ";

QByteArray text(int line) { return interfaceText(line); }

bool isHeading(const QByteArray &line) { return line.startsWith('-'); }

CatalogueRow row(const QByteArray &text, int line) { return {trimTrailingBlanks(text), line}; }

// The lines of a table that have a record ("carreran", "fp", "fp2"): a line
// past the records has none, rather than a record of zeros (family 0).
int linesWithRecords(const LineTable &table, const IntRows &records)
{
    return std::min(table.count(), records.rows());
}

// The titles of a catalogue (`fp`, `fp2`) whose record names the family.
CatalogueRows titlesOfFamily(const LineTable &titles, const IntRows &records, int field, int family)
{
    CatalogueRows rows;
    for (int line = 1; line <= linesWithRecords(titles, records); ++line)
        if (!isHeading(titles.at(line)) && records.at(line, field) == family)
            rows.push_back(row(titles.at(line), line));
    return rows;
}

// The lines of `fpip` or `certifica` that start with the family's code,
// headings left out, each from character 2.
CatalogueRows linesOfCode(const LineTable &table, char code)
{
    CatalogueRows rows;
    for (int line = 1; line <= table.count(); ++line) {
        const QByteArray text = table.at(line);
        if (text.startsWith(code) && text.mid(1, 1) != "-")
            rows.push_back(row(text.mid(1), line));
    }
    return rows;
}

std::vector<QByteArray> degreeDetails(int degree)
{
    std::vector<QByteArray> lines = {text(kRequirements), {}, text(kAdmission), {}, text(kBranch)};
    const std::vector<int> &branches = universityData().branch;
    const int branch = degree >= 1 && degree < int(branches.size()) ? branches[degree] : 0;
    if (branch >= 1 && branch <= kBranches)
        lines.push_back(text(kBranchName + branch - 1));
    return lines;
}

std::vector<QByteArray> higherTitleDetails(int title, char familyCode)
{
    const ContentTables &t = content();
    std::vector<QByteArray> lines = {text(kRequirements)};
    for (int k = kFirstRequirementField; k < kFirstRequirementField + kRequirementFields; ++k)
        if (const int requirement = t.datfps.at(title, k); requirement != 0)
            lines.push_back(t.reqfp.at(requirement));
    if (familyCode == kRelatedTitlesFamily)
        return lines;
    lines.push_back({});
    lines.push_back(text(kJobPositions));
    for (int m = 1; m <= kJobPositionCount; ++m)
        lines.push_back(t.asignafp.at(title, m));
    return lines;
}

std::vector<QByteArray> middleTitleDetails(int title)
{
    std::vector<QByteArray> lines = {text(kJobPositions)};
    for (const QByteArray &position : jobPositionsOfTitle(title))
        lines.push_back(position);
    lines.push_back(text(kRequirements));
    for (const QByteArray &requirement : middleGradeRequirements())
        lines.push_back(requirement);
    return lines;
}

std::vector<QByteArray> programmeDetails(int programme)
{
    std::vector<QByteArray> lines = {text(kModules)};
    for (const QByteArray &module : modulesOfProgramme(programme))
        lines.push_back(kModuleIndent + module);
    for (const QByteArray &studied : programmeStudies())
        lines.push_back(studied);
    lines.push_back(text(kEntryRequirements));
    for (const QByteArray &requirement : programmeRequirements())
        lines.push_back(requirement);
    return lines;
}

std::vector<QByteArray> certificateDetails(int certificate)
{
    std::vector<QByteArray> lines = {text(kEntryRequirements)};
    for (const QByteArray &label : requirementLabelsOfCertificate(certificate))
        lines.push_back(label);
    lines.push_back(text(kHours) + ": " + hoursOfCertificate(certificate));
    lines.push_back(descriptionOfCertificate(certificate));
    return lines;
}

} // namespace

int familyNumberOfCode(char code)
{
    if (code >= '0' && code <= '9')
        return code - '0';
    if (code >= 'A' && code <= 'Q')
        return code - 'A' + 10;
    return -1;
}

std::vector<int> catalogueFamilyLines()
{
    const LineTable &familias = content().familias;
    std::vector<int> lines;
    for (int line = 1; line < kFirstFamilyGroupLine && line <= familias.count(); ++line) {
        const QByteArray family = familias.at(line);
        if (!family.isEmpty() && familyNumberOfCode(family[0]) >= 0)
            lines.push_back(line);
    }
    return lines;
}

QByteArray catalogueFamilyName(int familyLine)
{
    return trimTrailingBlanks(content().familias.at(familyLine).mid(1));
}

int catalogueFamilyIcon(int row)
{
    static constexpr int kIcons[] = {31, 2, 1,  32, 9,  3,  28, 33, 34, 0,  18, 37, 36,
                                     19, 7, 12, 35, 38, 39, 21, 16, 40, 14, 41, 8,  42};
    return row >= 0 && row < int(std::size(kIcons)) ? kIcons[row] : -1;
}

FamilyCatalogue familyCatalogue(int familyLine)
{
    const ContentTables &t = content();
    FamilyCatalogue catalogue;
    const QByteArray line = t.familias.at(familyLine);
    const char code = line.isEmpty() ? ' ' : line[0];
    const int family = familyNumberOfCode(code);
    if (family < 0)
        return catalogue;
    for (int degree = 1; degree <= linesWithRecords(t.carreran, t.datgrados); ++degree)
        if (t.datgrados.at(degree, DegreeField::Family) == family)
            catalogue[DegreesList].push_back(row(t.carreran.at(degree), degree));
    catalogue[HigherTitlesList] = titlesOfFamily(t.fp, t.datfps, kHigherFamilyField, family);
    catalogue[MiddleTitlesList] = titlesOfFamily(t.fp2, t.datfpm, kMiddleFamilyField, family);
    if (code == kRelatedTitlesFamily) {
        catalogue[HigherTitlesList].push_back(row(text(kRelatedHigherTitles), t.fp.count()));
        catalogue[MiddleTitlesList].push_back(row(text(kRelatedMiddleTitles), t.fp2.count()));
    }
    catalogue[ProgrammesList] = linesOfCode(t.fpip, code);
    catalogue[CertificatesList] = linesOfCode(t.certifica, code);
    return catalogue;
}

std::vector<QByteArray> catalogueDetails(CatalogueList list, const CatalogueRow &row, char familyCode)
{
    switch (list) {
    case DegreesList: return degreeDetails(row.line);
    case HigherTitlesList: return higherTitleDetails(row.line, familyCode);
    case MiddleTitlesList: return middleTitleDetails(row.line);
    case ProgrammesList: return programmeDetails(row.line);
    case CertificatesList: return certificateDetails(row.line);
    default: return {};
    }
}

QByteArray catalogueListCaption(CatalogueList list)
{
    static constexpr int kCaptions[kCatalogueLists] = {kDegrees, kHigherTitles, kMiddleTitles, kProgrammes,
                                                       kCertificates};
    return list >= 0 && list < kCatalogueLists ? text(kCaptions[list]) : QByteArray();
}

CatalogueReport catalogueReport(const QByteArray &familyName, const FamilyCatalogue &catalogue)
{
    CatalogueReport report;
    report.title = text(kCatalogueTitle) + ": " + trimTrailingBlanks(familyName);
    for (int list = 0; list < kCatalogueLists; ++list) {
        if (catalogue[list].empty())
            continue;
        report.rows.push_back({});
        report.rows.push_back(catalogueListCaption(CatalogueList(list)));
        report.sectionStarts.insert(int(report.rows.size()));
        for (const CatalogueRow &entry : catalogue[list])
            report.rows.push_back(" -" + entry.text);
    }
    return report;
}

} // namespace velmira
