#include "bachillerato_questionnaire.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/line_table.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/university_tables.h"

namespace velmira {

namespace {

std::vector<QByteArray> itineraryNames()
{
    std::vector<QByteArray> names;
    for (int t = 1; t <= kItineraries; ++t)
        names.push_back(trimTrailingBlanks(universityData().itinerar.at(t)));
    return names;
}

const ItemGroupRecord &itemGroups(BachilleratoPart part)
{
    const ItemGroups &groups = content().datgrub;
    return part == BachilleratoPart::Qualities ? groups.first : groups.second;
}

int partCaption(BachilleratoPart part)
{
    return part == BachilleratoPart::Qualities ? kQualitiesCaption : kInterestsCaption;
}

} // namespace

void BachilleratoQuestionnaire::restart() { *this = BachilleratoQuestionnaire{}; }

const PartResult &BachilleratoQuestionnaire::scorePart(BachilleratoPart which, const std::vector<int> &marked)
{
    PartResult &result = m_parts[index(which)];
    result.scores = partScores(marked, itemGroups(which));
    result.ranked = rankResult(partResultsTitle(partCaption(which)), result.scores, itineraryNames());
    m_lastRanking = result.ranked.ranking;
    return result;
}

const RankedResult &BachilleratoQuestionnaire::combine()
{
    m_combined = rankResult(trimTrailingBlanks(interfaceText(kCombinedResultsTitle)),
                            combinedScores(m_parts[0].scores, m_parts[1].scores), itineraryNames());
    m_lastRanking = m_combined.ranking;
    return m_combined;
}

std::vector<QByteArray> questionnaireItems(const LineTable &table)
{
    std::vector<QByteArray> items;
    for (int i = 1; i <= table.count(); ++i)
        items.push_back(table.at(i).trimmed());
    return items;
}

QByteArray savedResultsText(const std::vector<QByteArray> &page1, const std::vector<QByteArray> &page2)
{
    QByteArray text;
    for (size_t i = 1; i < page1.size(); ++i)
        text += page1[i] + '\n';
    for (const QByteArray &line : page2)
        text += line + '\n';
    return text;
}

} // namespace velmira
