#pragma once
// What the Bachillerato questionnaire keeps while the pupil answers it: which
// parts were started, the scores and rankings last shown, the name typed for
// a report; and the pieces the questionnaire page shows from the tables.

#include "university/bachillerato_scoring.h"

#include <QByteArray>

#include <array>
#include <vector>

namespace velmira {

class LineTable;

enum class BachilleratoPart { Qualities = 0, Interests = 1 };

// One part's scores (in itinerary order) and the ranking they give.
struct PartResult
{
    std::vector<double> scores;
    RankedResult ranked;
};

class BachilleratoQuestionnaire
{
public:
    bool started(BachilleratoPart part) const { return m_started[index(part)]; }
    void markStarted(BachilleratoPart part) { m_started[index(part)] = true; }
    bool anyStarted() const { return m_started[0] || m_started[1]; }
    bool bothStarted() const { return m_started[0] && m_started[1]; }
    // Both parts forgotten: the pupil starts afresh.
    void restart();

    // Scores the part from its marked items (numbers from 1); its ranking is
    // the one shown last.
    const PartResult &scorePart(BachilleratoPart part, const std::vector<int> &marked);
    // The mean of the two parts as last scored; its ranking is the one shown last.
    const RankedResult &combine();

    const PartResult &part(BachilleratoPart part) const { return m_parts[index(part)]; }
    const RankedResult &combined() const { return m_combined; }
    // The itineraries in the order of the result shown last.
    const std::vector<int> &lastRanking() const { return m_lastRanking; }

    // The name typed for the last report, offered again for the next one.
    QByteArray studentName;

private:
    static size_t index(BachilleratoPart part) { return static_cast<size_t>(part); }

    std::array<bool, 2> m_started{};
    std::array<PartResult, 2> m_parts;
    RankedResult m_combined;
    std::vector<int> m_lastRanking;
};

// The items of a part as the list shows them: entries 1..count, without
// surrounding blanks.
std::vector<QByteArray> questionnaireItems(const LineTable &table);

// The saved results: every report line after the header of page 1, then
// page 2 whole, each followed by a line feed.
QByteArray savedResultsText(const std::vector<QByteArray> &page1, const std::vector<QByteArray> &page2);

} // namespace velmira
