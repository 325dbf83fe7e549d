#pragma once
// The Bachillerato questionnaire's scoring: each part (qualities, interests)
// gives every itinerary a score from the share of its characteristic items
// that were marked; the parts can be averaged; the itineraries are ranked,
// and each leads to degrees and higher-grade titles. Also the results report.

#include <QByteArray>

#include <vector>

namespace velmira {

class ItemGroupRecord;

constexpr int kItineraries = 12;

// Scores of itineraries 1..count (element k - 1 for itinerary k): for row k
// of the record, with m items, (0.01 + the marked items among them) x 10 / m.
// An item listed twice in a row counts twice. A row without items scores 0.
std::vector<double> partScores(const std::vector<int> &marked, const ItemGroupRecord &rows,
                               int count = kItineraries);
// The mean of two parts, itinerary by itinerary.
std::vector<double> combinedScores(const std::vector<double> &qualities,
                                   const std::vector<double> &interests);

// A score with one decimal and a point, in 4 characters (" 3.3", "10.0").
QByteArray scoreText(double score);

// One result shown: the itineraries in ranked order, their lines.
struct RankedResult
{
    QByteArray title;
    std::vector<int> ranking;      // position r (from 0) holds the itinerary shown in row r
    std::vector<QByteArray> lines; // in ranked order: the name in 45 characters + the score
};

// Stable descending ranking: neighbours swap only when the upper score is
// strictly smaller, so equal scores keep itinerary order.
RankedResult rankResult(const QByteArray &title, const std::vector<double> &scores,
                        const std::vector<QByteArray> &names);

// What follows from itinerary t: its name, the degrees whose first or second
// itinerary is t, and the higher-grade titles ("fp" lines) that list t;
// itinerary 11's titles come after its own note. Lines without surrounding blanks.
std::vector<QByteArray> itineraryOutcomes(int itinerary);

// The title line of a part's results: interface text 286, 4 blanks and the
// part's title (the caption of its menu button).
QByteArray partResultsTitle(int partCaption);

// The results report. Page 1 (line 0 the header with the pupil's name): the
// three rankings under their titles; boldLines receives the title lines.
std::vector<QByteArray> resultsReportPage1(const QByteArray &student, const RankedResult &qualities,
                                           const RankedResult &interests, const RankedResult &combined,
                                           std::vector<int> *boldLines = nullptr);
// Page 2 (line 0 its header): the outcomes of the first two itineraries of
// the ranking; boldLines receives their name lines.
std::vector<QByteArray> resultsReportPage2(const std::vector<int> &ranking,
                                           std::vector<int> *boldLines = nullptr);

} // namespace velmira
