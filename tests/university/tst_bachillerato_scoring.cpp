// The Bachillerato questionnaire's scores, rankings, what follows from an
// itinerary, and the two pages of its report.

#include "university_test_support.h"

#include "data/record_files.h"
#include "university/bachillerato_questionnaire.h"
#include "university/bachillerato_scoring.h"

#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;

// Row k of a record holds the given items.
ItemGroupRecord record(const std::vector<std::vector<int>> &rows)
{
    QByteArray bytes(ItemGroupRecord::kRecordBytes, '\0');
    for (size_t k = 0; k < rows.size(); ++k) {
        const int at = static_cast<int>(k) * ItemGroupRecord::kGroupBytes;
        bytes[at] = static_cast<char>(rows[k].size());
        for (size_t p = 0; p < rows[k].size(); ++p)
            bytes[at + 1 + static_cast<int>(p)] = static_cast<char>(rows[k][p]);
    }
    ItemGroupRecord filled;
    filled.fillFrom(bytes.constData());
    return filled;
}

Lines names(int count)
{
    Lines all;
    for (int t = 1; t <= count; ++t)
        all.push_back("Itinerario " + QByteArray::number(t));
    return all;
}

} // namespace

class TestBachilleratoScoring : public QObject
{
    Q_OBJECT

private slots:
    void init() { unitest::freshTables(); }

    void scoresCountTheMarkedItemsOfEachRow()
    {
        const ItemGroupRecord rows = record({{1, 2, 3, 4}, {5, 5, 6}, {7}});
        // Nothing marked: 0.01 x 10 / m, and the ranking keeps itinerary order.
        const std::vector<double> none = partScores({}, rows, 3);
        QCOMPARE(none[0], 0.01 * 10 / 4);
        QCOMPARE(none[1], 0.01 * 10 / 3);
        QCOMPARE(rankResult("t", std::vector<double>(5, 0.1), names(5)).ranking,
                 (std::vector<int>{1, 2, 3, 4, 5}));
        // Item 5 listed twice gains 2.
        const std::vector<double> marked = partScores({2, 5, 7}, rows, 3);
        QCOMPARE(marked[0], 1.01 * 10 / 4);
        QCOMPARE(marked[1], 2.01 * 10 / 3);
        QCOMPARE(marked[2], 1.01 * 10);
        QCOMPARE(combinedScores({1.0, 4.0}, {3.0, 0.0}), (std::vector<double>{2.0, 2.0}));
        QCOMPARE(scoreText(3.3366), QByteArray(" 3.3"));
        QCOMPARE(scoreText(10.1), QByteArray("10.1"));
    }

    void rankingIsStableAndLinesFollowIt()
    {
        const RankedResult result = rankResult("T", {2.0, 5.0, 2.0, 5.0}, names(4));
        QCOMPARE(result.ranking, (std::vector<int>{2, 4, 1, 3}));
        QCOMPARE(result.lines[0], padTo("Itinerario 2", 45) + " 5.0");
        QCOMPARE(result.lines[3], padTo("Itinerario 3", 45) + " 2.0");
        // Accented names keep the score in its column in UTF mode.
        setUtfMode(true);
        const RankedResult accented = rankResult("T", {1.0},
                                                 {"Ciencias y Tecnolog\xC3\xAD"
                                                  "a"});
        QCOMPARE(QString::fromUtf8(accented.lines[0]).indexOf(QStringLiteral("1.0")), 46);
    }

    void anItineraryLeadsToItsDegreesAndTitles()
    {
        unitest::setDegreeNames({"Derecho", "Fisica", "Quimica"});
        unitest::fillPadded(universityData().itinerar, names(12), kWidthA);
        DegreeRows &rows = content().datgrados;
        rows.set(1, DegreeField::SecondItinerary, 3);
        rows.set(2, DegreeField::FirstItinerary, 3);
        rows.set(3, DegreeField::FirstItinerary, 11);
        unitest::fillPadded(content().fp, {"Tecnico A", "Tecnico B", "Tecnico C"}, kWidthD);
        content().datfps.set(1, 3, 3);
        content().datfps.set(2, 0, 11);
        content().datfps.set(3, 1, 3);
        QCOMPARE(
            itineraryOutcomes(3),
            (Lines{"Itinerario 3", "", "T327", "Derecho", "Fisica", "", "T326", "Tecnico A", "Tecnico C"}));
        QCOMPARE(itineraryOutcomes(11),
                 (Lines{"Itinerario 11", "", "T327", "Quimica", "", "T386", "", "T387", "T388", "T389",
                        "Tecnico B"}));

        // Page 2 holds the first two itineraries of the ranking, even when more share the top.
        std::vector<int> bold;
        const Lines page2 = resultsReportPage2({11, 3, 1, 2}, &bold);
        QCOMPARE(page2,
                 (Lines{"T340",
                        "",
                        "Itinerario 11",
                        "",
                        "T327",
                        "   Quimica",
                        "",
                        "T386",
                        "",
                        "T387",
                        "T388",
                        "T389",
                        "   Tecnico B",
                        "",
                        QByteArray(29, '_'),
                        "",
                        "Itinerario 3",
                        "",
                        "T327",
                        "   Derecho",
                        "   Fisica",
                        "",
                        "T326",
                        "   Tecnico A",
                        "   Tecnico C",
                        "",
                        QByteArray(29, '_'),
                        ""}));
        QCOMPARE(bold, (std::vector<int>{2, 16}));
    }

    void pageOneListsTheThreeRankings()
    {
        const RankedResult part = rankResult("x", {1.0, 2.0}, names(2));
        std::vector<int> bold;
        const Lines page = resultsReportPage1("Ana", part, part, part, &bold);
        const QByteArray first = QByteArray(9, ' ') + padTo("Itinerario 2", 45) + " 2.0";
        QCOMPARE(page,
                 (Lines{"T284Ana",
                        "T596 T597",
                        "",
                        QByteArray(26, ' ') + "T301",
                        "",
                        first,
                        QByteArray(9, ' ') + padTo("Itinerario 1", 45) + " 1.0",
                        "",
                        "",
                        QByteArray(26, ' ') + "T302",
                        "",
                        first,
                        QByteArray(9, ' ') + padTo("Itinerario 1", 45) + " 1.0",
                        "",
                        "",
                        QByteArray(11, ' ') + "T285",
                        "",
                        first,
                        QByteArray(9, ' ') + padTo("Itinerario 1", 45) + " 1.0",
                        "",
                        QByteArray(44, ' ') + "T598"}));
        QCOMPARE(bold, (std::vector<int>{3, 9, 15}));
        QCOMPARE(partResultsTitle(301), QByteArray("T286    T301"));
    }

    // Results follow the ranking shown last; restarting forgets both parts.
    void theQuestionnaireKeepsTheLastRankingShown()
    {
        unitest::fillPadded(universityData().itinerar, names(kItineraries), 60);
        std::vector<std::vector<int>> qualities(kItineraries, {1});
        qualities[4] = {2};
        std::vector<std::vector<int>> interests(kItineraries, {1});
        interests[7] = {3, 3};
        content().datgrub.first = record(qualities);
        content().datgrub.second = record(interests);

        BachilleratoQuestionnaire answers;
        answers.markStarted(BachilleratoPart::Qualities);
        QVERIFY(!answers.bothStarted());
        QCOMPARE(answers.scorePart(BachilleratoPart::Qualities, {2}).ranked.ranking.front(), 5);
        QCOMPARE(answers.lastRanking().front(), 5);
        QCOMPARE(answers.scorePart(BachilleratoPart::Interests, {3}).ranked.ranking.front(), 8);
        QCOMPARE(answers.lastRanking().front(), 8);
        // 5 scores (10.1 + 0.1) / 2, 8 scores (0.1 + 10.05) / 2.
        const RankedResult &mean = answers.combine();
        QCOMPARE(mean.ranking.front(), 5);
        QCOMPARE(mean.ranking.at(1), 8);
        QCOMPARE(answers.lastRanking(), mean.ranking);
        QVERIFY(mean.lines.front().endsWith(" 5.1"));

        answers.markStarted(BachilleratoPart::Interests);
        answers.studentName = "Ana";
        answers.restart();
        QVERIFY(!answers.anyStarted());
        QVERIFY(answers.lastRanking().empty());
        QVERIFY(answers.studentName.isEmpty());
    }

    void theSavedTextLeavesOutThePrintedHeader()
    {
        QCOMPARE(savedResultsText({"header", "one", ""}, {"page 2", "two"}),
                 QByteArray("one\n\npage 2\ntwo\n"));
        QCOMPARE(savedResultsText({"header"}, {}), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestBachilleratoScoring)
#include "tst_bachillerato_scoring.moc"
