#include "eso_results.h"

#include "data/content_tables.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/line_table.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "eso/eso_scoring.h"

namespace velmira {

namespace {

constexpr int kHeadingWidth = 42;
constexpr int kRuleWidth = 52;
constexpr int kShortListLines = 13;
constexpr int kResultFontSize = 9;
constexpr int kIconLeftSpanEnd = 20;
constexpr int kIconRecommendationLeft = 50;
constexpr int kIconRecommendationRight = 75;

// Result lines carrying the emphasis marks (heading, first recommendation,
// ranking heading, advice heading).
constexpr int kEmphasisLines[] = {1, 10, 14, 29};
constexpr int kFirstRecommendationLine = 10;
constexpr int kSecondRankingLine = 25;

QByteArray heading(const EsoData &data)
{
    return leftCharacters(QByteArray(7, ' ') + data.modalityText(kFirstModalityLine), kHeadingWidth);
}

QByteArray rule() { return QByteArray(kRuleWidth, '_'); }

// Trailing blanks and control characters go, as the list box shows a line.
QByteArray shownLine(const QByteArray &line)
{
    qsizetype end = line.size();
    while (end > 0 && static_cast<unsigned char>(line[end - 1]) <= ' ')
        --end;
    return line.left(end);
}

// Lines are added cut to the list's capacity.
class LineBuilder
{
public:
    void add(const QByteArray &line) { m_lines.push_back(leftCharacters(line, kResultLineCapacity)); }
    void add(int interfaceTextNumber) { add(interfaceText(interfaceTextNumber)); }
    int count() const { return static_cast<int>(m_lines.size()); }
    std::vector<QByteArray> take() { return std::move(m_lines); }

private:
    std::vector<QByteArray> m_lines;
};

} // namespace

QByteArray EsoResultList::line(int k) const { return k >= 1 && k <= count() ? lines[k - 1] : QByteArray(); }

EsoResultList shortResultList(const ShortResult &result, const EsoData &data)
{
    const ShortAdvice &advice = result.advice;
    const bool nearPass = advice.band == MarkBand::NearPass;
    LineBuilder b;
    b.add(heading(data));
    b.add(QByteArray());
    b.add(kResultsOpening);
    for (size_t k = 0; k < 4; ++k)
        b.add(k < advice.texts.size() ? interfaceText(advice.texts[k]) : QByteArray());
    while (b.count() < kShortListLines - 2)
        b.add(QByteArray());
    b.add(nearPass ? QByteArray() : "   " + interfaceText(kToContinue));
    b.add(nearPass || advice.closingText == 0 ? QByteArray() : interfaceText(advice.closingText));
    EsoResultList list;
    list.lines = b.take();
    return list;
}

EsoResultList fullResultList(const FullResult &result, const EsoData &data)
{
    const Recommendation &rec = result.recommendation;
    const QByteArray indent(6, ' ');
    LineBuilder b;
    b.add(heading(data));
    b.add(QByteArray());
    b.add(kResultsOpening);
    b.add(result.mark >= 5.0 ? 142 : 146);
    b.add(result.mark >= 5.0 ? 143 : 147);
    b.add(interfaceText(kMarkLabel) + " " + formatTenths(result.mark));
    b.add(rule());
    b.add(QByteArray());
    b.add(kRecommendedModalityHeading);
    b.add(indent + rec.first);
    b.add(indent + rec.second);
    b.add(rule());
    b.add(QByteArray());
    b.add(QByteArray(8, ' ') + data.itinerarLine(30).left(kResultLineCapacity));
    b.add(trimTrailingBlanks(data.itinerarLine(33)) + QByteArray(9, ' ')
          + trimTrailingBlanks(data.itinerarLine(32)));
    b.add("  " + interfaceText(kBestItinerariesHeading));
    for (int rank = 0; rank < kLastRankedLine - kFirstRankedLine + 1; ++rank)
        b.add(result.byAll.at(rank).entry);
    b.add(QByteArray());
    b.add(storedText(QStringLiteral("  Y los que más te gustan son:")));
    b.add(result.byInterest.at(0).entry);
    b.add(result.byInterest.at(1).entry);
    b.add(rule());
    b.add(QByteArray());
    b.add(data.itinerarLine(34));
    b.add(QByteArray());
    for (int line : result.adviceLines)
        b.add(data.itinerarLine(line));
    b.add(QByteArray());
    b.add(data.itinerarLine(50));
    b.add(QByteArray());
    b.add(data.itinerarLine(51));
    b.add(data.itinerarLine(52));

    EsoResultList list;
    list.full = true;
    list.lines = b.take();
    for (int line : kEmphasisLines)
        list.emphasis.insert(line + 1);
    for (size_t rank = 0; rank < list.rankedGroups.size(); ++rank)
        list.rankedGroups[rank] = result.byAll.at(rank).group;
    list.firstGroup = rec.firstGroup;
    list.secondGroup = rec.secondGroup;
    return list;
}

std::vector<QByteArray> resultListItems(const EsoResultList &list)
{
    if (!list.full)
        return list.lines;
    std::vector<QByteArray> items;
    for (const QByteArray &line : list.lines)
        items.push_back(shownLine(line));
    return items;
}

ResultLineLook resultLineLook(const EsoResultList &list, int line)
{
    ResultLineLook look;
    const QByteArray item = list.full ? shownLine(list.line(line)) : list.line(line);
    if (item.startsWith("  ") || item.startsWith("__"))
        look.colour = LineColour::Maroon;
    if (!list.full)
        return look;
    const auto iconOf = [](int group, int left, int right) -> std::optional<ResultIcon> {
        if (const auto icon = itineraryIcon(group))
            return ResultIcon{*icon, left, right};
        return std::nullopt;
    };
    if (line == kFirstRecommendationLine)
        look.icon = iconOf(list.firstGroup, kIconRecommendationLeft, kIconRecommendationRight);
    else if (line >= kFirstRankedLine && line <= kLastRankedLine)
        look.icon = iconOf(list.rankedGroups[line - kFirstRankedLine], 0, kIconLeftSpanEnd);
    else if (line == kSecondRankingLine)
        look.icon = iconOf(list.secondGroup ? list.secondGroup : list.firstGroup, 0, kIconLeftSpanEnd);
    return look;
}

bool rankingHintShown(const EsoResultList &list, int y, int itemHeight, int topItem)
{
    return list.full && y >= (kFirstRankedLine - 1 - topItem) * itemHeight
        && y <= (kLastRankedLine - topItem) * itemHeight;
}

int detailsGroupAt(const EsoResultList &list, int line)
{
    if (!list.full || line < kFirstRankedLine || line > kLastRankedLine)
        return 0;
    return list.rankedGroups[line - kFirstRankedLine];
}

std::vector<QByteArray> itineraryDetails(int group, const EsoData &data, const ContentTables &tables)
{
    std::vector<QByteArray> lines;
    const auto add = [&](const QByteArray &line) {
        lines.push_back(trimTrailingBlanks(line.left(kResultLineCapacity)));
    };
    add("   " + data.itinerarLine(group));
    const ItineraryStudies studies = itineraryStudies(group, tables);
    if (studies.listsTitles) {
        add(QByteArray());
        add("- " + interfaceText(kHigherGradeTitlesHeading));
        for (int title : studies.titles)
            add(tables.fp.at(title));
    }
    if (studies.listsDegrees) {
        add(QByteArray());
        add("- " + interfaceText(kUniversityDegreesCaption) + " "
            + interfaceText(kUniversityDegreesAdjective));
        for (int degree : studies.degrees)
            add(tables.carreran.at(degree));
        // Group 11 closes with the note on artistic studies.
        if (group == 11) {
            add(interfaceText(kItineraryElevenNote));
            add(QByteArray());
            for (int text = 387; text <= 389; ++text)
                add(interfaceText(text));
        }
    }
    return lines;
}

EsoPrintJob fillDetailsPrint(LineTable &buffer, const std::vector<QByteArray> &details)
{
    buffer.set(0, QByteArray());
    for (size_t i = 0; i < details.size(); ++i)
        buffer.set(static_cast<int>(i) + 1, details[i]);
    return {static_cast<int>(details.size()), false, kResultFontSize, {}};
}

std::vector<QByteArray> resultPrintLines(const QByteArray &studentName, const EsoResultList &list)
{
    std::vector<QByteArray> lines{studentName, QByteArray()};
    lines.insert(lines.end(), list.lines.begin(), list.lines.end());
    return lines;
}

EsoPrintJob fillResultPrint(LineTable &buffer, const QByteArray &studentName, const EsoResultList &list)
{
    const auto lines = resultPrintLines(studentName, list);
    for (size_t i = 0; i < lines.size(); ++i)
        buffer.set(static_cast<int>(i), lines[i]);
    return {list.count() + 1, true, kResultFontSize, list.emphasis};
}

QByteArray savedResultText(const QByteArray &studentName, const EsoResultList &list)
{
    QByteArray text;
    for (const QByteArray &line : resultPrintLines(studentName, list))
        text += line + '\n';
    return text;
}

} // namespace velmira
