#pragma once
// The four artistic studies of the university window, each from a text file
// of its own: the general text before the "f1" line, the specialities between
// "f1" and "f2", and the places after "f2", laid out per kind. Plastic arts
// and dramatic art also list their schools with telephones and the titles
// each one offers, read from fixed columns of the stored lines.

#include "university/listing_reports.h"

#include <QByteArray>

#include <vector>

namespace velmira {

enum class ArtisticKind { PlasticArts, Music, Dance, DramaticArt };

// "artesplas", "musica", "danza", "dramatico".
QByteArray artisticFileName(ArtisticKind kind);
// The kind's title: interface text 529 to 532.
int artisticTitleText(ArtisticKind kind);

struct ArtisticSchool
{
    int region = 0;       // plastic arts; 0 when the field holds no region
    QByteArray name;      // in the tables' encoding
    QByteArray telephone; // the stored bytes of its columns
    std::vector<int> titles;
};

struct ArtisticStudy
{
    ArtisticKind kind = ArtisticKind::Music;
    std::vector<QByteArray> lines;      // in the tables' encoding, file line n at n - 1
    int f1 = -1;                        // index of the "f1" line, -1 when missing
    int f2 = -1;                        // index of the "f2" line, -1 when missing
    std::vector<QByteArray> titleNames; // plastic arts (17) or dramatic art (8)
    std::vector<ArtisticSchool> schools;
};

// Reads a kind from its file lines as stored (Latin-1). Columns are taken
// from these bytes; what is shown (lines, title and school names) is
// converted to UTF-8 in UTF mode, so an accented name never moves a telephone.
ArtisticStudy readArtisticStudy(ArtisticKind kind, const std::vector<QByteArray> &stored);
// The kind's file of the language directory; an empty study, after the
// file error is reported, when it cannot be read.
ArtisticStudy loadArtisticStudy(ArtisticKind kind);

// The lines before "f1".
std::vector<QByteArray> artisticGeneralText(const ArtisticStudy &study);
// The lines between "f1" and "f2".
std::vector<QByteArray> artisticSpecialities(const ArtisticStudy &study);
// Plastic arts: the title names without trailing blanks.
std::vector<QByteArray> plasticArtsTitles(const ArtisticStudy &study);
// Music, dance and dramatic art: the places after "f2", laid out per kind.
// A music line gives its region's heading (once for neighbouring lines of one
// region), then its name and, from "http", its address on a line of its own.
std::vector<QByteArray> artisticPlaces(const ArtisticStudy &study);
// Plastic arts: the schools offering title t, under a heading for each region.
std::vector<QByteArray> plasticSchoolsOfTitle(const ArtisticStudy &study, int title);
// Plastic arts: the schools of region r, each followed by its titles.
std::vector<QByteArray> plasticSchoolsOfRegion(const ArtisticStudy &study, int region);

// The printed kind: its title, an empty row, the general text and what
// follows it (for plastic arts the schools of region r, none for 0), the
// rows starting with "-" bold.
ListingReport artisticReport(const ArtisticStudy &study, int region);

} // namespace velmira
