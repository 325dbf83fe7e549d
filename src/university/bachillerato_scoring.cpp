#include "bachillerato_scoring.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/record_files.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/university_tables.h"
#include "university/degree_catalogue.h"

#include <algorithm>
#include <utility>

namespace velmira {

namespace {

constexpr int kNameCharacters = 45;
constexpr int kFpLineCharacters = 60;
constexpr int kFpItineraries = 4;

QByteArray text(int k) { return trimTrailingBlanks(interfaceText(k)); }

// A part's title is its menu caption.
QByteArray partTitle(int part) { return text(part); }

QByteArray itineraryName(int t) { return universityData().itinerar.at(t).trimmed(); }

// The degrees of itinerary t, in degree order.
std::vector<QByteArray> degreesOf(int t)
{
    std::vector<QByteArray> names;
    for (int d = 1; d <= catalogueDegreeCount(); ++d)
        if (degreeField(d, DegreeField::FirstItinerary) == t
            || degreeField(d, DegreeField::SecondItinerary) == t)
            names.push_back(degreeName(d).trimmed());
    return names;
}

// The higher-grade titles heading, or itinerary 11's note in its place.
std::vector<QByteArray> titlesHeading(int t)
{
    if (t == 11)
        return {text(kItineraryElevenNote), "", text(kItineraryElevenNote + 1),
                text(kItineraryElevenNote + 2), text(kItineraryElevenNote + 3)};
    return {text(kHigherTitlesOfItinerary)};
}

// The "fp" lines that list itinerary t, in table order.
std::vector<QByteArray> titlesOf(int t)
{
    const ContentTables &tables = content();
    std::vector<QByteArray> lines;
    for (int i = 1; i <= tables.fp.count(); ++i)
        for (int k = 0; k < kFpItineraries; ++k)
            if (tables.datfps.at(i, k) == t) {
                lines.push_back(leftCharacters(tables.fp.at(i), kFpLineCharacters).trimmed());
                break;
            }
    return lines;
}

} // namespace

QByteArray partResultsTitle(int partCaption)
{
    return text(kPartResultsTitle) + QByteArray(4, ' ') + partTitle(partCaption);
}

std::vector<double> partScores(const std::vector<int> &marked, const ItemGroupRecord &rows, int count)
{
    std::vector<double> scores;
    for (int k = 1; k <= count; ++k) {
        const int m = rows.itemCount(k);
        int matches = 0;
        for (int p = 1; p <= m; ++p)
            matches += static_cast<int>(std::count(marked.begin(), marked.end(), rows.item(k, p)));
        scores.push_back(m > 0 ? (0.01 + matches) * 10 / m : 0.0);
    }
    return scores;
}

std::vector<double> combinedScores(const std::vector<double> &qualities, const std::vector<double> &interests)
{
    std::vector<double> combined;
    for (size_t k = 0; k < qualities.size() && k < interests.size(); ++k)
        combined.push_back((qualities[k] + interests[k]) / 2);
    return combined;
}

QByteArray scoreText(double score) { return QByteArray::number(score, 'f', 1).rightJustified(4); }

RankedResult rankResult(const QByteArray &title, const std::vector<double> &scores,
                        const std::vector<QByteArray> &names)
{
    const int count = static_cast<int>(scores.size());
    std::vector<int> order;
    for (int k = 1; k <= count; ++k)
        order.push_back(k);
    std::vector<double> sorted = scores;
    for (int pass = 0; pass < count; ++pass)
        for (int i = 0; i + 1 < count; ++i)
            if (sorted[i] < sorted[i + 1]) {
                std::swap(sorted[i], sorted[i + 1]);
                std::swap(order[i], order[i + 1]);
            }
    RankedResult result{title, order, {}};
    for (int t : order)
        result.lines.push_back(
            padToCharacters(t - 1 < static_cast<int>(names.size()) ? names[t - 1] : QByteArray(),
                            kNameCharacters)
            + scoreText(scores[t - 1]));
    return result;
}

std::vector<QByteArray> itineraryOutcomes(int t)
{
    std::vector<QByteArray> lines{itineraryName(t), "", text(kDegreesOfItinerary)};
    for (const QByteArray &name : degreesOf(t))
        lines.push_back(name);
    lines.push_back("");
    for (const QByteArray &line : titlesHeading(t))
        lines.push_back(line);
    for (const QByteArray &line : titlesOf(t))
        lines.push_back(line);
    for (QByteArray &line : lines)
        line = line.trimmed();
    return lines;
}

std::vector<QByteArray> resultsReportPage1(const QByteArray &student, const RankedResult &qualities,
                                           const RankedResult &interests, const RankedResult &combined,
                                           std::vector<int> *boldLines)
{
    std::vector<QByteArray> lines{text(kBachilleratoReportHeader) + student,
                                  text(kBachilleratoReportLine) + ' ' + text(kBachilleratoReportLine + 1),
                                  ""};
    const auto part = [&](int indent, const QByteArray &title, const RankedResult &result, int blanksAfter) {
        if (boldLines)
            boldLines->push_back(static_cast<int>(lines.size()));
        lines.push_back(QByteArray(indent, ' ') + title);
        lines.push_back("");
        for (const QByteArray &line : result.lines)
            lines.push_back(QByteArray(9, ' ') + line);
        for (int i = 0; i < blanksAfter; ++i)
            lines.push_back("");
    };
    part(26, partTitle(kQualitiesCaption), qualities, 2);
    part(26, partTitle(kInterestsCaption), interests, 2);
    part(11, text(kCombinedReportTitle), combined, 1);
    lines.push_back(QByteArray(44, ' ') + text(kBachilleratoReportClosing));
    return lines;
}

std::vector<QByteArray> resultsReportPage2(const std::vector<int> &ranking, std::vector<int> *boldLines)
{
    std::vector<QByteArray> lines{text(kBachilleratoReportPage2), ""};
    for (size_t r = 0; r < 2 && r < ranking.size(); ++r) {
        const int t = ranking[r];
        if (boldLines)
            boldLines->push_back(static_cast<int>(lines.size()));
        lines.insert(lines.end(), {itineraryName(t), "", text(kDegreesOfItinerary)});
        for (const QByteArray &name : degreesOf(t))
            lines.push_back("   " + name);
        lines.push_back("");
        for (const QByteArray &line : titlesHeading(t))
            lines.push_back(line);
        for (const QByteArray &line : titlesOf(t))
            lines.push_back("   " + line);
        lines.insert(lines.end(), {"", QByteArray(29, '_'), ""});
    }
    return lines;
}

} // namespace velmira
