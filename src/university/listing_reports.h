#pragma once
// The printed listings of the university window: a report is a title, rows
// of at most 60 bytes (what a print buffer entry holds; longer lines are
// wrapped, never cut) and the rows printed bold.

#include <QByteArray>

#include <set>
#include <vector>

namespace velmira {

struct ListingReport
{
    QByteArray title;
    std::vector<QByteArray> rows;
    std::set<int> boldRows; // row numbers from 1
};

// The bytes one report row holds.
constexpr int kReportRowBytes = 60;
// The printed size of the listings, and of the double degrees' longer rows.
constexpr int kListingFontSize = 9;
constexpr int kDoubleDegreeFontSize = 7;

// Each row too long for a report row is broken at its last blank that fits
// (or, with none, at the limit, never inside a UTF-8 letter); the rest goes
// on following rows indented as the row was, plus three blanks.
std::vector<QByteArray> wrapRows(const std::vector<QByteArray> &rows);

// A degree: interface text 522 + ":  " + its name as the title; its centre
// list, its requirements, an empty row, 11 blanks + interface text 278 and
// its information text (without the blank rows that end it). The two title
// rows of the centre list and the requirements and information headings are
// bold.
ListingReport degreeReport(int degree);

// Double degrees, by degree or by university: the centre's name, their
// heading (interface text 242), the choice (interface text 325 or 289 + ": "
// + the chosen name) and a rule, then the list as shown.
ListingReport doubleDegreeReport(bool byDegree, const QByteArray &chosenName,
                                 const std::vector<QByteArray> &list);

// Entry e of the other studies: interface text 290 + ": " + the entry as the
// title, then its lines as shown.
ListingReport otherStudyReport(int entry);

// The masters: 11 blanks + their title (interface text 551), then the text.
ListingReport mastersReport();

// The degrees of centre c as shown, under the centre's name; the branch
// headings bold.
ListingReport centreDegreesReport(int centre);

} // namespace velmira
