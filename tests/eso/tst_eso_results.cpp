// The ESO result lists line by line, how their lines are drawn, the details
// of a ranked itinerary, the student name, and the printed and saved lines.

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/foundation_state.h"
#include "eso/eso_results.h"
#include "eso_test_support.h"

#include <QtTest>

using namespace velmira;

namespace {

// A full result ranked by the given group order; every advice group at or
// above 6.0 unless advice lines are given.
FullResult fullResult(const std::vector<int> &order, double mark, int interestTop, std::vector<int> advice,
                      const EsoData &data)
{
    FullResult result;
    result.mark = mark;
    std::array<double, kQuestionGroups + 1> ratios{};
    for (size_t rank = 0; rank < order.size(); ++rank)
        ratios[order[rank]] = 9.0 - 0.5 * static_cast<double>(rank);
    result.byAll = rankGroups(ratios, data);
    std::array<double, kQuestionGroups + 1> interest{};
    interest[interestTop] = 7.0;
    result.byInterest = rankGroups(interest, data);
    result.recommendation =
        recommend(result.byAll.front().group, groupNamedByEntry(result.byInterest, data), data);
    result.adviceLines = advice.empty() ? std::vector<int>{48, 49} : std::move(advice);
    return result;
}

ShortResult shortResult(double mark, bool weak)
{
    bool notice = true;
    return {mark, weak, shortAdvice(mark, weak, notice)};
}

QByteArray line(const EsoData &data, int n) { return data.itinerarLine(n); }

} // namespace

class TestEsoResults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void shortListLines();
    void shortListNearPass();
    void shortListHasNoDetailsIconsOrHint();

    void fullListHas37LinesWithoutAdvice();
    void fullListLinesInOrder();
    void fullListAdviceLines();
    void fullListBelowFive();
    void emphasisMarks();
    void shownItemsLoseTrailingBlanks();

    void lineColours();
    void iconsOfTheFullList();
    void secondRankingLineFallsBackToFirstGroup();
    void groupIcons();
    void rankingHint();
    void clicksOpenRankedGroupsOnly();

    void detailsOfOrdinaryGroup();
    void detailsOfGroup11();
    void detailsOfGroup12And13();
    void detailsPrint();

    void savingFirstThenPrinting();
    void printingFirstThenSaving();
    void longNameLeavesNoRoomForCourse();
    void emptyNameIsAskedAgain();
    void suffixFollowsUtfMode();

    void resultPrintBuffer();
    void savedText();

private:
    std::unique_ptr<EsoData> m_data;
};

void TestEsoResults::initTestCase()
{
    esotest::nameInterfaceTexts();
    m_data = esotest::itineraryData();
}

void TestEsoResults::init() { resetFoundationState(); }

void TestEsoResults::shortListLines()
{
    const EsoResultList list = shortResultList(shortResult(5.5, true), *m_data);
    QCOMPARE(list.count(), 13);
    QCOMPARE(list.line(1), QByteArray(7, ' ') + m_data->modalityText(21));
    QCOMPARE(list.line(1).size(), 42);
    QCOMPARE(list.line(2), QByteArray());
    QCOMPARE(list.line(3), QByteArray("T124"));
    QCOMPARE(list.line(4), QByteArray("T144"));
    QCOMPARE(list.line(5), QByteArray("T145"));
    for (int k = 6; k <= 11; ++k)
        QCOMPARE(list.line(k), QByteArray());
    QCOMPARE(list.line(12), QByteArray("   T125"));
    QCOMPARE(list.line(13), QByteArray("T201"));
    QVERIFY(list.emphasis.empty());

    const EsoResultList low = shortResultList(shortResult(2.0, false), *m_data);
    QCOMPARE(low.line(4), QByteArray("T150"));
    QCOMPARE(low.line(13), QByteArray("T202"));
}

void TestEsoResults::shortListNearPass()
{
    const EsoResultList list = shortResultList(shortResult(4.6, false), *m_data);
    QCOMPARE(list.count(), 13);
    for (int k = 0; k < 4; ++k)
        QCOMPARE(list.line(4 + k), "T" + QByteArray::number(146 + k));
    QCOMPARE(list.line(12), QByteArray());
    QCOMPARE(list.line(13), QByteArray());
}

void TestEsoResults::shortListHasNoDetailsIconsOrHint()
{
    const EsoResultList list = shortResultList(shortResult(7.0, false), *m_data);
    for (int k = 1; k <= list.count(); ++k) {
        QCOMPARE(detailsGroupAt(list, k), 0);
        QVERIFY(!resultLineLook(list, k).icon);
    }
    QVERIFY(!rankingHintShown(list, 330, 20, 0));
    QCOMPARE(resultListItems(list), list.lines);
}

void TestEsoResults::fullListHas37LinesWithoutAdvice()
{
    const EsoResultList list = fullResultList(fullResult({3}, 7.5, 3, {}, *m_data), *m_data);
    QCOMPARE(list.count(), kMinimumFullResultLines);
    QCOMPARE(list.line(31), line(*m_data, 48));
    QCOMPARE(list.line(32), line(*m_data, 49));
    QCOMPARE(list.line(33), QByteArray());
    QCOMPARE(list.line(34), line(*m_data, 50));
    QCOMPARE(list.line(35), QByteArray());
    QCOMPARE(list.line(36), line(*m_data, 51));
    QCOMPARE(list.line(37), line(*m_data, 52));
}

void TestEsoResults::fullListLinesInOrder()
{
    const FullResult result = fullResult({2, 5, 7, 9, 11, 13}, 7.5, 8, {}, *m_data);
    const EsoResultList list = fullResultList(result, *m_data);
    const QByteArray rule(52, '_');
    QCOMPARE(list.line(1), QByteArray(7, ' ') + m_data->modalityText(21));
    QCOMPARE(list.line(3), QByteArray("T124"));
    QCOMPARE(list.line(4), QByteArray("T142"));
    QCOMPARE(list.line(5), QByteArray("T143"));
    QCOMPARE(list.line(6), QByteArray("T152  7.5"));
    QCOMPARE(list.line(7), rule);
    QCOMPARE(list.line(8), QByteArray());
    QCOMPARE(list.line(9), QByteArray("T153"));
    QCOMPARE(list.line(10), QByteArray(6, ' ') + m_data->modalityText(22));
    QCOMPARE(list.line(11), QByteArray(6, ' ') + "T123 " + m_data->modalityText(23));
    QCOMPARE(list.line(12), rule);
    QCOMPARE(list.line(13), QByteArray());
    QCOMPARE(list.line(14), (QByteArray(8, ' ') + line(*m_data, 30)).left(60));
    QCOMPARE(list.line(15), "Linea 33" + QByteArray(9, ' ') + "Linea 32");
    QCOMPARE(list.line(16), QByteArray("  T240"));
    const int expectedRanks[] = {2, 5, 7, 9, 11, 13};
    for (int rank = 1; rank <= 6; ++rank)
        QCOMPARE(list.line(16 + rank), result.byAll[rank - 1].entry);
    QCOMPARE(list.line(17), padTo("Grupo 2", 45) + " 9.0");
    QCOMPARE(list.line(22), padTo("Grupo 13", 45) + " 6.5");
    QCOMPARE(list.line(23), QByteArray());
    QCOMPARE(list.line(24), QByteArray("  Y los que m\xe1s te gustan son:"));
    QCOMPARE(list.line(25), padTo("Grupo 8", 45) + " 7.0");
    QCOMPARE(list.line(26), padTo("Grupo 1", 45) + " 0.0");
    QCOMPARE(list.line(27), rule);
    QCOMPARE(list.line(28), QByteArray());
    QCOMPARE(list.line(29), line(*m_data, 34));
    QCOMPARE(list.line(30), QByteArray());
    for (int rank = 0; rank < 6; ++rank)
        QCOMPARE(list.rankedGroups[rank], expectedRanks[rank]);
    QCOMPARE(list.firstGroup, 2);
    QCOMPARE(list.secondGroup, 8);
    for (const QByteArray &l : list.lines)
        QVERIFY(l.size() <= kResultLineCapacity);
}

void TestEsoResults::fullListAdviceLines()
{
    const FullResult result = fullResult({4}, 6.2, 4, adviceLines([] {
                                             GroupRatios r;
                                             r.all.fill(8.0);
                                             r.all[14] = 1.0;
                                             r.all[15] = 5.99;
                                             return r;
                                         }()),
                                         *m_data);
    const EsoResultList list = fullResultList(result, *m_data);
    QCOMPARE(list.count(), 40);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(list.line(31 + k), line(*m_data, 35 + k));
    QCOMPARE(list.line(36), QByteArray());
    QCOMPARE(list.line(37), line(*m_data, 50));
    QCOMPARE(list.line(40), line(*m_data, 52));
}

void TestEsoResults::fullListBelowFive()
{
    const EsoResultList list = fullResultList(fullResult({1}, 4.99, 1, {}, *m_data), *m_data);
    QCOMPARE(list.line(4), QByteArray("T146"));
    QCOMPARE(list.line(5), QByteArray("T147"));
    QCOMPARE(list.line(6), QByteArray("T152  5.0"));
    QCOMPARE(list.line(11), QByteArray(6, ' ')); // group 1 names two modalities already
    QCOMPARE(list.secondGroup, 0);
}

void TestEsoResults::emphasisMarks()
{
    const EsoResultList list = fullResultList(fullResult({3}, 7.5, 3, {}, *m_data), *m_data);
    QCOMPARE(list.emphasis, (std::set<int>{2, 11, 15, 30}));
}

void TestEsoResults::shownItemsLoseTrailingBlanks()
{
    const EsoResultList list = fullResultList(fullResult({3}, 7.5, 3, {}, *m_data), *m_data);
    const auto items = resultListItems(list);
    QCOMPARE(int(items.size()), list.count());
    QCOMPARE(items[0], QByteArray("       Modalidad 21"));
    QCOMPARE(items[10], QByteArray());
    QCOMPARE(items[30], QByteArray("Linea 48"));
}

void TestEsoResults::lineColours()
{
    const EsoResultList list = fullResultList(fullResult({2}, 7.5, 8, {}, *m_data), *m_data);
    const std::set<int> maroon{1, 7, 10, 11, 12, 14, 16, 24, 27};
    for (int k = 1; k <= list.count(); ++k) {
        const LineColour expected = maroon.count(k) ? LineColour::Maroon : LineColour::ListFont;
        QVERIFY2(resultLineLook(list, k).colour == expected, QByteArray::number(k).constData());
    }
    const EsoResultList shortList = shortResultList(shortResult(7.0, false), *m_data);
    QCOMPARE(resultLineLook(shortList, 12).colour, LineColour::Maroon);
    QCOMPARE(resultLineLook(shortList, 13).colour, LineColour::ListFont);
}

void TestEsoResults::iconsOfTheFullList()
{
    const EsoResultList list = fullResultList(fullResult({2, 5, 7, 9, 11, 13}, 7.5, 8, {}, *m_data), *m_data);
    const auto first = resultLineLook(list, 10).icon;
    QVERIFY(first);
    QCOMPARE(first->icon, *itineraryIcon(2));
    QCOMPARE(first->left, 50);
    QCOMPARE(first->right, 75);
    const int ranks[] = {2, 5, 7, 9, 11, 13};
    for (int k = 17; k <= 22; ++k) {
        const auto icon = resultLineLook(list, k).icon;
        QVERIFY(icon);
        QCOMPARE(icon->icon, *itineraryIcon(ranks[k - 17]));
        QCOMPARE(icon->left, 0);
        QCOMPARE(icon->right, 20);
    }
    QCOMPARE(resultLineLook(list, 25).icon->icon, *itineraryIcon(8));
    for (int k : {1, 11, 16, 23, 24, 26, 29})
        QVERIFY(!resultLineLook(list, k).icon);
}

void TestEsoResults::secondRankingLineFallsBackToFirstGroup()
{
    const EsoResultList list = fullResultList(fullResult({5}, 7.5, 6, {}, *m_data), *m_data);
    QCOMPARE(list.secondGroup, 0);
    QCOMPARE(resultLineLook(list, 25).icon->icon, *itineraryIcon(5));
}

void TestEsoResults::groupIcons()
{
    const int expected[] = {1, 9, 16, 13, 25, 29, 17, 23, 24, 14, 27, 26, 28};
    for (int g = 1; g <= 13; ++g)
        QCOMPARE(int(*itineraryIcon(g)), expected[g - 1]);
    QCOMPARE(*itineraryIcon(1), pictures::IconAgriculture);
    QCOMPARE(*itineraryIcon(13), pictures::IconBuilding);
    QVERIFY(!itineraryIcon(0));
    QVERIFY(!itineraryIcon(14));
}

void TestEsoResults::rankingHint()
{
    const EsoResultList list = fullResultList(fullResult({3}, 7.5, 3, {}, *m_data), *m_data);
    QVERIFY(!rankingHintShown(list, 319, 20, 0));
    QVERIFY(rankingHintShown(list, 320, 20, 0));
    QVERIFY(rankingHintShown(list, 440, 20, 0));
    QVERIFY(!rankingHintShown(list, 441, 20, 0));
    QVERIFY(rankingHintShown(list, 220, 20, 5));
    QVERIFY(!rankingHintShown(list, 219, 20, 5));
}

void TestEsoResults::clicksOpenRankedGroupsOnly()
{
    const EsoResultList list = fullResultList(fullResult({2, 5, 7, 9, 11, 13}, 7.5, 8, {}, *m_data), *m_data);
    QCOMPARE(detailsGroupAt(list, 16), 0);
    QCOMPARE(detailsGroupAt(list, 23), 0);
    QCOMPARE(detailsGroupAt(list, 25), 0);
    QCOMPARE(detailsGroupAt(list, 17), 2);
    QCOMPARE(detailsGroupAt(list, 22), 13);
}

namespace {

// Three higher-grade titles and three degrees; title 2 and degree 3 belong
// to groups 4 and 11 (degree 3 through its second itinerary).
ContentTables &detailTables()
{
    allocateGlobalTables();
    ContentTables &t = content();
    for (int i = 1; i <= 3; ++i) {
        t.fp.set(i, padTo("Titulo " + QByteArray::number(i), 60));
        t.carreran.set(i, padTo("Grado " + QByteArray::number(i), 60));
    }
    t.fp.setCount(3);
    t.carreran.setCount(3);
    t.datfps.set(2, 3, 4);
    t.datfps.set(3, 0, 11);
    t.datfps.set(1, 4, 4); // a requirement number, not an itinerary
    t.datgrados.set(1, DegreeField::FirstItinerary, 4);
    t.datgrados.set(3, DegreeField::SecondItinerary, 11);
    t.datgrados.set(2, DegreeField::Group, 4);
    t.datgrados.set(2, DegreeField::SecondItinerary, 13);
    return t;
}

} // namespace

void TestEsoResults::detailsOfOrdinaryGroup()
{
    const auto details = itineraryDetails(4, *m_data, detailTables());
    const std::vector<QByteArray> expected{"   Grupo 4", "", "- T80", "Titulo 2", "", "- T84 T46", "Grado 1"};
    QCOMPARE(details, expected);
}

void TestEsoResults::detailsOfGroup11()
{
    const auto details = itineraryDetails(11, *m_data, detailTables());
    const std::vector<QByteArray> expected{"   Grupo 11", "",     "- T84 T46", "Grado 3", "T386", "",
                                           "T387",        "T388", "T389"};
    QCOMPARE(details, expected);
}

void TestEsoResults::detailsOfGroup12And13()
{
    ContentTables &t = detailTables();
    QCOMPARE(itineraryDetails(12, *m_data, t), (std::vector<QByteArray>{"   Grupo 12", "", "- T84 T46"}));
    QCOMPARE(itineraryDetails(13, *m_data, t), (std::vector<QByteArray>{"   Grupo 13", "", "- T80"}));
}

void TestEsoResults::detailsPrint()
{
    LineTable buffer(1501, 60);
    buffer.set(0, "old title");
    const std::vector<QByteArray> details{"   Grupo 4", "", "- T80"};
    const EsoPrintJob job = fillDetailsPrint(buffer, details);
    QCOMPARE(job.lastLine, 3);
    QVERIFY(!job.monospaced);
    QCOMPARE(job.fontSize, 9);
    QVERIFY(job.boldLines.empty());
    QCOMPARE(buffer.at(0), QByteArray());
    QCOMPARE(buffer.at(1), QByteArray("   Grupo 4"));
    QCOMPARE(buffer.at(3), QByteArray("- T80"));
}

void TestEsoResults::savingFirstThenPrinting()
{
    StudentName name;
    QVERIFY(name.isEmpty());
    QVERIFY(name.accept("Lucia Perez", kEsoCourse, StudentNameUse::Saving));
    QCOMPARE(name.text(), QByteArray("Lucia Perez  -  4\xba de ESO.TXT"));
    QVERIFY(!name.isEmpty()); // printing now reuses it without asking
    LineTable buffer(1501, 60);
    fillResultPrint(buffer, name.text(), shortResultList(shortResult(7, false), *m_data));
    QVERIFY(buffer.at(0).endsWith("\xba de ESO.TXT"));
}

void TestEsoResults::printingFirstThenSaving()
{
    StudentName name;
    QVERIFY(name.accept("Lucia Perez", kEsoCourse, StudentNameUse::Printing));
    QCOMPARE(name.text(), QByteArray("Lucia Perez  -  4\xba de ESO"));
}

void TestEsoResults::longNameLeavesNoRoomForCourse()
{
    const QByteArray full(45, 'N');
    StudentName name;
    QVERIFY(name.accept(full + "extra", kEsoCourse, StudentNameUse::Saving));
    QCOMPARE(name.text(), full);
    QCOMPARE(studentHeading(QByteArray(40, 'N'), kEsoCourse, StudentNameUse::Printing),
             QByteArray(40, 'N') + "  -  ");
}

void TestEsoResults::emptyNameIsAskedAgain()
{
    StudentName name;
    QVERIFY(!name.accept("", kEsoCourse, StudentNameUse::Printing));
    QVERIFY(name.isEmpty());
    QVERIFY(name.accept(" ", kEsoCourse, StudentNameUse::Printing));
    name.clear();
    QVERIFY(name.isEmpty());
}

void TestEsoResults::suffixFollowsUtfMode()
{
    setUtfMode(true);
    QCOMPARE(studentHeading("Ana", 4, StudentNameUse::Saving), QByteArray("Ana  -  4\xc2\xba de ESO.TXT"));
    const EsoResultList list = fullResultList(fullResult({3}, 7.5, 3, {}, *m_data), *m_data);
    QCOMPARE(list.line(24), QByteArray("  Y los que m\xc3\xa1s te gustan son:"));
}

void TestEsoResults::resultPrintBuffer()
{
    const EsoResultList list = fullResultList(fullResult({3}, 7.5, 3, {}, *m_data), *m_data);
    LineTable buffer(1501, 60);
    const EsoPrintJob job = fillResultPrint(buffer, "Ana  -  4\xba de ESO", list);
    QCOMPARE(job.lastLine, 38);
    QVERIFY(job.monospaced);
    QCOMPARE(job.fontSize, 9);
    QCOMPARE(job.boldLines, (std::set<int>{2, 11, 15, 30}));
    QCOMPARE(buffer.at(0), QByteArray("Ana  -  4\xba de ESO"));
    QCOMPARE(buffer.at(1), QByteArray());
    for (int k = 1; k <= list.count(); ++k)
        QCOMPARE(buffer.at(k + 1), list.line(k)); // trailing blanks as built
    QCOMPARE(buffer.at(2), QByteArray(7, ' ') + m_data->modalityText(21));
    QCOMPARE(buffer.at(15), list.line(14));
}

void TestEsoResults::savedText()
{
    const EsoResultList list = fullResultList(fullResult({3}, 7.5, 3, {}, *m_data), *m_data);
    const QByteArray name = "Ana  -  4\xba de ESO.TXT";
    const QByteArray text = savedResultText(name, list);
    const QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines.size(), list.count() + 3); // name, empty line, K lines, and after the last line feed
    QCOMPARE(lines[0], name);
    QCOMPARE(lines[1], QByteArray());
    QCOMPARE(lines[2], list.line(1));
    QCOMPARE(lines[list.count() + 1], list.line(list.count()));
    QVERIFY(text.endsWith('\n'));
}

QTEST_GUILESS_MAIN(TestEsoResults)
#include "tst_eso_results.moc"
