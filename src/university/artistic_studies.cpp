#include "artistic_studies.h"

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/file_access.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/loaders.h"
#include "data/messages.h"
#include "data/text_bytes.h"
#include "data/text_file.h"
#include "data/text_ids.h"

#include <algorithm>

namespace velmira {

namespace {

constexpr int kPlasticTitleLines = 17;  // after "f1": the 16 titles and "all the schools"
constexpr int kDramaticTitleLines = 8;  // from two lines after "f2"
constexpr int kDramaticSchoolsFrom = 8; // lines after "f2"
constexpr int kAddressBytes = 60;
constexpr int kRegionCount = 19;

QByteArray regionHeading(int region)
{
    return "- " + trimTrailingBlanks(content().comunida.at(region).mid(2));
}

bool validRegion(int region) { return region >= 1 && region <= kRegionCount; }

int lineStarting(const std::vector<QByteArray> &lines, const char *start)
{
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [start](const QByteArray &line) { return line.startsWith(start); });
    return found == lines.end() ? -1 : int(found - lines.begin());
}

// The lines first..last - 1, without their trailing blanks.
std::vector<QByteArray> span(const std::vector<QByteArray> &lines, int first, int last)
{
    std::vector<QByteArray> result;
    for (int i = std::max(first, 0); i < std::min(last, int(lines.size())); ++i)
        result.push_back(trimTrailingBlanks(lines[i]));
    return result;
}

int fieldNumber(const QByteArray &field)
{
    int value = 0;
    return parseFieldNumber(field, value) ? value : -1;
}

// Plastic arts: region in columns 1-2, school and town 3-24, telephone
// 25-33, up to five two-digit title numbers in 41-50.
void readPlasticArts(ArtisticStudy &study, const std::vector<QByteArray> &stored)
{
    const int f1 = study.f1;
    for (int i = f1 + 1; i <= f1 + kPlasticTitleLines && i < int(stored.size()); ++i)
        study.titleNames.push_back(storedLine(stored[i].mid(2, kReportRowBytes)));
    const int titles = int(study.titleNames.size());
    for (int i = f1 + kPlasticTitleLines + 1; i < int(stored.size()) - 1; ++i) {
        const QByteArray &line = stored[i];
        ArtisticSchool school;
        const int region = fieldNumber(columns(line, 1, 2));
        school.region = validRegion(region) ? region : 0;
        school.name = storedLine(trimTrailingBlanks(columns(line, 3, 24)));
        school.telephone = trimTrailingBlanks(columns(line, 25, 33));
        for (int column = 41; column < 50; column += 2) {
            const int title = fieldNumber(columns(line, column, column + 1));
            if (title >= 0 && title < titles)
                school.titles.push_back(title);
        }
        study.schools.push_back(school);
    }
}

// Dramatic art: eight title names, then the schools ("-" lines) with their
// telephone in columns 26-34 and a title digit per column of 41-47.
void readDramaticArt(ArtisticStudy &study, const std::vector<QByteArray> &stored)
{
    const int f2 = study.f2;
    for (int i = f2 + 2; i < f2 + 2 + kDramaticTitleLines && i < int(stored.size()); ++i)
        study.titleNames.push_back(storedLine(trimTrailingBlanks(stored[i].mid(1))));
    const int titles = int(study.titleNames.size());
    for (int i = f2 + kDramaticSchoolsFrom; i < int(stored.size()); ++i) {
        const QByteArray &line = stored[i];
        if (!line.startsWith('-'))
            continue;
        ArtisticSchool school;
        school.name = storedLine(columns(line, 1, 25));
        school.telephone = trimTrailingBlanks(columns(line, 26, 34));
        for (char digit : columns(line, 41, 47))
            if (digit >= '0' && digit <= '9' && digit - '0' < titles)
                school.titles.push_back(digit - '0');
        study.schools.push_back(school);
    }
}

// Music: a region heading (once for neighbouring lines of one region), the
// name after two blanks and the address from "http" on its own line.
std::vector<QByteArray> musicPlaces(const ArtisticStudy &study)
{
    std::vector<QByteArray> places;
    int previousRegion = 0;
    for (const QByteArray &whole : span(study.lines, study.f2 + 1, int(study.lines.size()))) {
        const int region = fieldNumber(whole.left(2));
        if (validRegion(region) && region != previousRegion)
            places.push_back(regionHeading(region));
        previousRegion = region;
        const int http = whole.indexOf("http");
        if (http < 0)
            continue;
        places.push_back("  " + trimTrailingBlanks(whole.mid(2, http - 2)));
        places.push_back(whole.mid(http, kAddressBytes));
    }
    return places;
}

// Dramatic art: each school's name and first title, its other titles, its
// telephone; its web address as it stands.
std::vector<QByteArray> dramaticPlaces(const ArtisticStudy &study)
{
    std::vector<QByteArray> places;
    size_t school = 0;
    for (int i = study.f2 + kDramaticSchoolsFrom; i < int(study.lines.size()); ++i) {
        const QByteArray line = trimTrailingBlanks(study.lines[i]);
        if (line.startsWith("http")) {
            places.push_back(line);
            continue;
        }
        if (!line.startsWith('-') || school >= study.schools.size())
            continue;
        const ArtisticSchool &s = study.schools[school++];
        if (s.titles.empty())
            places.push_back(trimTrailingBlanks(s.name));
        else
            places.push_back(padToCharacters(s.name, 25) + " " + study.titleNames[s.titles.front()]);
        for (size_t t = 1; t < s.titles.size(); ++t)
            places.push_back("   " + study.titleNames[s.titles[t]]);
        places.push_back("Tel. " + s.telephone);
    }
    return places;
}

} // namespace

QByteArray artisticFileName(ArtisticKind kind)
{
    switch (kind) {
    case ArtisticKind::PlasticArts: return "artesplas";
    case ArtisticKind::Music: return "musica";
    case ArtisticKind::Dance: return "danza";
    case ArtisticKind::DramaticArt: return "dramatico";
    }
    return {};
}

int artisticTitleText(ArtisticKind kind) { return kPlasticArtsTitle + static_cast<int>(kind); }

ArtisticStudy readArtisticStudy(ArtisticKind kind, const std::vector<QByteArray> &stored)
{
    ArtisticStudy study;
    study.kind = kind;
    for (const QByteArray &line : stored)
        study.lines.push_back(storedLine(line));
    study.f1 = lineStarting(stored, "f1");
    study.f2 = lineStarting(stored, "f2");
    if (kind == ArtisticKind::PlasticArts && study.f1 >= 0)
        readPlasticArts(study, stored);
    if (kind == ArtisticKind::DramaticArt && study.f2 >= 0)
        readDramaticArt(study, stored);
    return study;
}

ArtisticStudy loadArtisticStudy(ArtisticKind kind)
{
    const QByteArray name = localName(artisticFileName(kind));
    const std::optional<std::vector<QByteArray>> file = readTextLines(name);
    if (!file) {
        reportFileError(FileError(name, unreadableFileNote(name)));
        return readArtisticStudy(kind, {});
    }
    return readArtisticStudy(kind, *file);
}

std::vector<QByteArray> artisticGeneralText(const ArtisticStudy &study)
{
    return span(study.lines, 0, study.f1 < 0 ? int(study.lines.size()) : study.f1);
}

std::vector<QByteArray> artisticSpecialities(const ArtisticStudy &study)
{
    if (study.f1 < 0)
        return {};
    return span(study.lines, study.f1 + 1, study.f2 < 0 ? int(study.lines.size()) : study.f2);
}

std::vector<QByteArray> plasticArtsTitles(const ArtisticStudy &study)
{
    std::vector<QByteArray> titles;
    for (const QByteArray &name : study.titleNames)
        titles.push_back(trimTrailingBlanks(name));
    return titles;
}

std::vector<QByteArray> artisticPlaces(const ArtisticStudy &study)
{
    if (study.f2 < 0)
        return {};
    switch (study.kind) {
    case ArtisticKind::Music: return musicPlaces(study);
    case ArtisticKind::DramaticArt: return dramaticPlaces(study);
    default: return span(study.lines, study.f2 + 1, int(study.lines.size()));
    }
}

std::vector<QByteArray> plasticSchoolsOfTitle(const ArtisticStudy &study, int title)
{
    std::vector<QByteArray> lines;
    int previousRegion = -1;
    for (const ArtisticSchool &school : study.schools) {
        if (std::find(school.titles.begin(), school.titles.end(), title) == school.titles.end())
            continue;
        if (school.region != 0 && school.region != previousRegion)
            lines.push_back(regionHeading(school.region));
        previousRegion = school.region;
        lines.push_back("   " + school.name + "  -  Tel. " + school.telephone);
    }
    return lines;
}

std::vector<QByteArray> plasticSchoolsOfRegion(const ArtisticStudy &study, int region)
{
    std::vector<QByteArray> lines;
    for (const ArtisticSchool &school : study.schools) {
        if (school.region != region || region == 0)
            continue;
        lines.push_back("-   " + school.name + "  -  Tel. " + school.telephone);
        for (int title : school.titles)
            lines.push_back(trimTrailingBlanks(study.titleNames[title]));
    }
    return lines;
}

ListingReport artisticReport(const ArtisticStudy &study, int region)
{
    ListingReport report;
    report.title = trimTrailingBlanks(interfaceText(artisticTitleText(study.kind)));
    std::vector<QByteArray> rows{{}};
    const auto add = [&rows](const std::vector<QByteArray> &more) {
        rows.insert(rows.end(), more.begin(), more.end());
    };
    add(artisticGeneralText(study));
    const QByteArray centres = trimTrailingBlanks(interfaceText(kCentresCaption));
    switch (study.kind) {
    case ArtisticKind::PlasticArts:
        rows.push_back(centres);
        add(plasticSchoolsOfRegion(study, region));
        break;
    case ArtisticKind::DramaticArt:
        add(artisticSpecialities(study));
        rows.push_back(centres);
        add(artisticPlaces(study));
        break;
    case ArtisticKind::Music:
        add(artisticSpecialities(study));
        // The places as the file has them, without their region numbers.
        if (study.f2 >= 0)
            for (const QByteArray &line : span(study.lines, study.f2 + 1, int(study.lines.size())))
                rows.push_back(line.mid(2));
        break;
    case ArtisticKind::Dance:
        add(artisticSpecialities(study));
        add(artisticPlaces(study));
        break;
    }
    report.rows = wrapRows(rows);
    for (size_t i = 0; i < report.rows.size(); ++i)
        if (report.rows[i].startsWith('-'))
            report.boldRows.insert(int(i) + 1);
    return report;
}

} // namespace velmira
