#pragma once
// The ESO questionnaire's results as lines: the result list of the short and
// of the full questionnaire, how each line is drawn, the details of a ranked
// itinerary, and the lines printed and saved.

#include "data/picture_names.h"

#include <QByteArray>

#include <array>
#include <optional>
#include <set>
#include <vector>

namespace velmira {

class LineTable;
struct ContentTables;
struct EsoData;
struct FullResult;
struct ShortResult;

constexpr int kResultLineCapacity = 60;
constexpr int kFirstRankedLine = 17; // result lines 17-22 hold the RA ranks 1-6
constexpr int kLastRankedLine = 22;
constexpr int kMinimumFullResultLines = 37;

struct EsoResultList
{
    bool full = false;
    std::vector<QByteArray> lines;     // result line k at index k - 1, as built
    std::set<int> emphasis;            // print-buffer line numbers (result line + 1)
    std::array<int, 6> rankedGroups{}; // group at RA rank 1..6
    int firstGroup = 0;                // group of the first recommendation
    int secondGroup = 0;               // of the second, 0 when it is empty

    int count() const { return static_cast<int>(lines.size()); }
    // Result line k (from 1); empty outside the list.
    QByteArray line(int k) const;
};

EsoResultList shortResultList(const ShortResult &result, const EsoData &data);
EsoResultList fullResultList(const FullResult &result, const EsoData &data);

// The items of `ListresCues`: the short list as built, the full one with
// trailing blanks and control characters removed.
std::vector<QByteArray> resultListItems(const EsoResultList &list);

enum class LineColour { ListFont, Maroon };

// An icon of `ImageListIconos` stretched over the item's height between two
// offsets from the item's left edge.
struct ResultIcon
{
    pictures::Icon icon;
    int left;
    int right;
};

struct ResultLineLook
{
    LineColour colour = LineColour::ListFont;
    std::optional<ResultIcon> icon;
};

// How result line k (from 1) is drawn: maroon when the shown item starts with
// two blanks or two underscores; in the full list, the icon of the first
// recommendation on line 10, of the ranked groups on lines 17-22 and of the
// second recommendation (the first when there is none) on line 25.
ResultLineLook resultLineLook(const EsoResultList &list, int line);

using pictures::itineraryIcon; // the icon of an itinerary group 1..13

// Whether the hint over the ranked lines shows for a pointer at y, with items
// of the given height and the first visible item top (from 0).
bool rankingHintShown(const EsoResultList &list, int y, int itemHeight, int topItem);

// The group whose details a click on result line k opens; 0 for no details.
int detailsGroupAt(const EsoResultList &list, int line);

// The details of an itinerary group: its name, the higher-grade titles and
// the degrees of the group, each line at most 60 characters without
// trailing blanks.
std::vector<QByteArray> itineraryDetails(int group, const EsoData &data, const ContentTables &tables);

// What goes with a filled print buffer to `PrintLines`.
struct EsoPrintJob
{
    int lastLine = 0;
    bool monospaced = false;
    int fontSize = 9;
    std::set<int> boldLines;
};

// The details as lines 1..m under an empty title, in the settings font.
EsoPrintJob fillDetailsPrint(LineTable &buffer, const std::vector<QByteArray> &details);

// Line 0 the student name, line 1 empty, then the result lines as built.
std::vector<QByteArray> resultPrintLines(const QByteArray &studentName, const EsoResultList &list);
// Those lines in "Courier" with the four emphasis marks in bold.
EsoPrintJob fillResultPrint(LineTable &buffer, const QByteArray &studentName, const EsoResultList &list);
// The saved file: the same lines, each followed by a line feed.
QByteArray savedResultText(const QByteArray &studentName, const EsoResultList &list);

} // namespace velmira
