#pragma once
// The loaders of the text data files. Each takes the file name as opened
// (bare, or language directory + name) and fills its table in place.
// A missing file either shows the missing-file message and sets the start-up
// abort flag, or raises FileError, as each loader states.

#include "line_table.h"

#include <QByteArray>

#include <vector>

namespace velmira {

class IntRows;

constexpr int kWidthA = 60;
constexpr int kWidthB = 45;
constexpr int kWidthD = 60;
constexpr int kWidthE = 90;

// For the data tool, while load notes are collected: notes a text of a file
// line (Latin-1, as written) that `room` bytes cannot hold whole, showing
// where it is cut. A convertible text is measured as UTF mode stores it.
void noteCutLine(const QByteArray &name, int line, QByteArrayView text, int room, bool convertible);

// Padded lines: converted, padded to the width, cut to the table's capacity.
// Missing file: message and abort flag.
void LoadPaddedLines(const QByteArray &name, LineTable &table, int width);
// The same format for the 75-byte table of "cuesgm".
void LoadWidePaddedLines(const QByteArray &name, LineTable &table, int width);
// The padded format for "artesplas" and "dramatico" in UTF mode: always
// converts, and a missing file raises FileError after entry 0 is set.
void LoadArtLines(const QByteArray &name, LineTable &table, int width);
// Trimmed lines ("activida", "familias"). Missing file: message and abort flag.
void LoadTrimmedLines(const QByteArray &name, LineTable &table);
// The interface texts: trimmed, no count kept. Missing file: message and abort flag.
void LoadInterfaceTexts(const QByteArray &name, LineTable &table);
// Long lines ("certificah"): converted, kept whole up to the capacity.
void LoadLongLines(const QByteArray &name, LineTable &table);
// Plain lines ("materiasp"): no entry 0, lines from entry 1. Missing file: FileError.
void LoadPlainLines(const QByteArray &name, LineTable &table);
// Title lines of "fp" and "fp2": the lines starting with "-", without the dash,
// padded; lineNumbers[k] receives the file line of title k.
void LoadDashedLines(const QByteArray &name, LineTable &table, std::vector<int> &lineNumbers, int width);

// Blocks of one heading and `members` member lines: group g is block g.
// Missing file: message and abort flag.
void LoadSubjectGroups(const QByteArray &name, GroupedTable &groups);
void LoadOtherSubjectGroups(const QByteArray &name, GroupedTable &groups);

// "lugar": region code, centre name, second field (web address).
struct Places
{
    LineTable names{1101, 60};
    LineTable second{1101, 60};
    std::vector<int> region = std::vector<int>(1101, 0);
};
void LoadPlaces(const QByteArray &name, Places &places); // missing file: FileError

// "comuint": characters 15-114 of each line, no entry 0. Missing file: FileError.
void LoadRegionTexts(const QByteArray &name, LineTable &table);

// "lu1" to "lu4": heading lines and place lines in three columns.
struct PlaceList
{
    LineTable columnA{1101, 60};
    LineTable columnB{1101, 60};
    LineTable columnC{1101, 60};
    int count() const { return columnA.count(); }
};
// The kind (1-4) of a place list from its name, 0 when it is none of them.
int placeListKind(const QByteArray &name);
bool isPlaceListHeading(int kind, char first);
void LoadPlaceList(const QByteArray &name, PlaceList &list); // missing: message and abort flag

// "dobles": groups of double degrees, each pair named by the degrees' outlet codes.
struct DoubleDegreeMember
{
    int selected = 0;
    int firstDegree = 0;
    int secondDegree = 0;
    QByteArray tag;
};
struct DoubleDegrees
{
    static constexpr int kMaxGroups = 200;
    static constexpr int kMaxMembers = 25;
    LineTable names{kMaxGroups + 1, 40};
    std::vector<int> code = std::vector<int>(kMaxGroups + 1, 0);
    std::vector<int> memberCount = std::vector<int>(kMaxGroups + 1, 0);
    std::vector<DoubleDegreeMember> members =
        std::vector<DoubleDegreeMember>((kMaxGroups + 1) * (kMaxMembers + 1));
    int groupCount = 0;
    DoubleDegreeMember &member(int group, int m) { return members[group * (kMaxMembers + 1) + m]; }
    const DoubleDegreeMember &member(int group, int m) const
    {
        return members[group * (kMaxMembers + 1) + m];
    }
};
// Degree positions come from the outlet codes of the degree rows, searched
// over the first degreeCount rows. Missing file: message and abort flag.
void LoadDoubleDegrees(const QByteArray &name, DoubleDegrees &doubles, const IntRows &degreeRows,
                       int degreeCount);

} // namespace velmira
