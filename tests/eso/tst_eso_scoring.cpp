// Scoring of the ESO questionnaire on small tables built here: the points
// table, answer scales, the mark and its bands, the group ratios, rankings,
// recommendations and advice, and the short questionnaire continued.

#include "data/encoding.h"
#include "eso/eso_scoring.h"
#include "eso_test_support.h"

#include <QtTest>

using namespace velmira;
using esotest::answer;
using esotest::questionLine;

namespace {

// Questions 1..count of weight w and scale s, all left at answer 1.
void fillQuestions(EsoAnswerSheet &sheet, int count, char weight, char scale)
{
    for (int r = 1; r <= count; ++r)
        sheet.fillRow(r, questionLine(weight, scale));
}

LineTable questionTable(int count, char weight, char scale)
{
    LineTable table(1101, 60);
    for (int r = 1; r <= count; ++r)
        table.set(r, questionLine(weight, scale));
    table.setCount(count);
    return table;
}

std::vector<int> rankedGroupNumbers(const std::vector<RankedGroup> &ranking)
{
    std::vector<int> groups;
    for (const RankedGroup &r : ranking)
        groups.push_back(r.group);
    return groups;
}

} // namespace

class TestEsoScoring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pointsTable_data();
    void pointsTable();
    void maxima();
    void twoOptionQuestions();
    void answerOutsideOptionsScoresNothing();

    void questionRecord();
    void scalesCycle();
    void scaleLabelsAndStars();
    void otherScaleKeepsAnswerAndPreviousLabels();

    void formatsOneDecimalInFour();
    void untouchedShortQuestionnaireScoresZero();
    void markUsesFirst35Only();
    void bands_data();
    void bands();
    void nearPassOnlyOnce();
    void weakAreaLooksUpToN();
    void emptyAdviceGroupIsNotWeak();
    void groupCountBeyond50ReadsNoFurther();

    void ratiosOverAllAndInterest();
    void questionBeyondTableAddsSevenToMaximum();
    void equalRatiosKeepGroupOrder();
    void rankingRatiosAlignInUtfMode();
    void interestTopGroupIsLastNameMatch();
    void modalityOfGroups();
    void recommendations();
    void adviceLinesByGroup();

    void continuingKeepsFirst35Answers();
    void freshStartAndKeepingAnswers();

private:
    std::unique_ptr<EsoData> m_data;
};

void TestEsoScoring::initTestCase()
{
    esotest::nameInterfaceTexts();
    m_data = esotest::itineraryData();
}

void TestEsoScoring::pointsTable_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<QList<double>>("points");
    QTest::newRow("2") << 2 << QList<double>{0, 1, 2, 3, 5};
    QTest::newRow("3") << 3 << QList<double>{0, 1, 3, 5, 5};
    QTest::newRow("4") << 4 << QList<double>{0, 2, 5, 7, 5};
    QTest::newRow("5") << 5 << QList<double>{0, 4, 7, 10, 5};
    QTest::newRow("8") << 8 << QList<double>{0, 5, 10, 15, 20};
    QTest::newRow("9") << 9 << QList<double>{0, 8, 16, 23, 30};
    for (int w : {0, 1, 6, 7})
        QTest::newRow(QByteArray::number(w).constData()) << w << QList<double>{5, 5, 5, 5, 5};
}

void TestEsoScoring::pointsTable()
{
    QFETCH(int, weight);
    QFETCH(QList<double>, points);
    for (int a = 1; a <= 5; ++a) {
        QCOMPARE(answerPoints(a, weight, 5), points[a - 1]);
        QCOMPARE(answerPoints(a, weight, 4), points[a - 1]);
    }
}

void TestEsoScoring::maxima()
{
    const std::map<int, double> expected{{0, 7},  {1, 7}, {2, 3}, {3, 5},  {4, 7},
                                         {5, 10}, {6, 7}, {7, 7}, {8, 20}, {9, 30}};
    for (const auto &[weight, maximum] : expected)
        QCOMPARE(maximumPoints(weight), maximum);
}

void TestEsoScoring::twoOptionQuestions()
{
    QCOMPARE(answerPoints(1, 9, 2), 0.0);
    QCOMPARE(answerPoints(2, 9, 2), 30.0);
    QCOMPARE(answerPoints(2, 2, 2), 3.0);
    QCOMPARE(answerPoints(1, 1, 2), 5.0);
    QCOMPARE(answerPoints(2, 6, 2), 5.0);
}

void TestEsoScoring::answerOutsideOptionsScoresNothing()
{
    QCOMPARE(answerPoints(0, 4, 4), 0.0);
    QCOMPARE(answerPoints(6, 9, 5), 0.0);
    QCOMPARE(answerPoints(0, 0, 0), 5.0);
}

void TestEsoScoring::questionRecord()
{
    const EsoQuestion q = parseEsoQuestion(padTo("95Me gusta dibujar", 50));
    QCOMPARE(q.weight, 9);
    QCOMPARE(q.scale, 5);
    QCOMPARE(q.text, padTo("Me gusta dibujar", 48));
    const EsoQuestion bad = parseEsoQuestion("x?");
    QCOMPARE(bad.weight, 0);
    QCOMPARE(bad.scale, 0);
}

void TestEsoScoring::scalesCycle()
{
    QCOMPARE(nextAnswer(1, 2), 2);
    QCOMPARE(nextAnswer(2, 2), 1);
    QCOMPARE(nextAnswer(3, 3), 4);
    QCOMPARE(nextAnswer(4, 3), 1);
    QCOMPARE(nextAnswer(4, 4), 1);
    QCOMPARE(nextAnswer(4, 5), 5);
    QCOMPARE(nextAnswer(5, 5), 1);
    for (int scale : {0, 1, 6, 7, 8, 9})
        QCOMPARE(nextAnswer(1, scale), 1);
}

void TestEsoScoring::scaleLabelsAndStars()
{
    EsoAnswerSheet sheet;
    sheet.fillRow(1, questionLine('8', '5'));
    const QByteArray labels[] = {"T128", "T129", "T130", "T131", "T127"};
    const QByteArray stars[] = {"*", "*", "**", "***", ""};
    for (int k = 0; k < 5; ++k) {
        const AnswerCells cells = sheet.advance(1);
        QCOMPARE(cells.label, labels[k]);
        QCOMPARE(cells.stars, stars[k]);
    }
    sheet.fillRow(2, questionLine('9', '2'));
    QCOMPARE(sheet.advance(2).label, QByteArray("T141"));
    QCOMPARE(sheet.advance(2).stars, QByteArray(""));
    sheet.fillRow(3, questionLine('3', '3'));
    QCOMPARE(sheet.advance(3).label, QByteArray("T137"));
    sheet.fillRow(4, questionLine('3', '4'));
    QCOMPARE(sheet.advance(4).label, QByteArray("T133"));
}

void TestEsoScoring::otherScaleKeepsAnswerAndPreviousLabels()
{
    EsoAnswerSheet sheet;
    sheet.fillRow(1, questionLine('4', '7'));
    QCOMPARE(sheet.advance(1).label, QByteArray()); // nothing shown yet
    QCOMPARE(sheet.answer(1), 1);
    sheet.fillRow(2, questionLine('4', '3'));
    sheet.advance(2);
    const AnswerCells kept = sheet.advance(1);
    QCOMPARE(sheet.answer(1), 1);
    QCOMPARE(kept.label, QByteArray("T136"));
    QCOMPARE(kept.stars, QByteArray(""));
    sheet.fillRow(3, questionLine('4', '6'));
    const AnswerCells six = sheet.advance(3);
    QCOMPARE(sheet.answer(3), 1);
    QCOMPARE(six.label, QByteArray("T127"));
    QCOMPARE(answerPoints(sheet.answer(1), sheet.weight(1), sheet.scale(1)), 0.0);
}

void TestEsoScoring::formatsOneDecimalInFour()
{
    QCOMPARE(formatTenths(7.5), QByteArray(" 7.5"));
    QCOMPARE(formatTenths(10.0), QByteArray("10.0"));
    QCOMPARE(formatTenths(0.0), QByteArray(" 0.0"));
    QCOMPARE(formatTenths(4.44), QByteArray(" 4.4"));
}

void TestEsoScoring::untouchedShortQuestionnaireScoresZero()
{
    EsoQuestionnaire q;
    q.beginShort();
    const LineTable table = questionTable(40, '4', '4');
    q.fillRows(table, q.startGrid(table.count()));
    const ShortResult result = scoreShortQuestionnaire(q, esotest::questionGroups({{14, {1, 2}}}));
    QCOMPARE(result.mark, 0.0);
    QCOMPARE(formatTenths(result.mark), QByteArray(" 0.0"));
    QCOMPARE(result.advice.band, MarkBand::Low);
    QCOMPARE(result.advice.texts, (std::vector<int>{150, 151}));
    QCOMPARE(result.advice.closingText, 202);
    QVERIFY(!q.pass);
    QVERIFY(result.weakArea);
}

void TestEsoScoring::markUsesFirst35Only()
{
    EsoAnswerSheet sheet;
    fillQuestions(sheet, 40, '5', '4');
    for (int r = 1; r <= 10; ++r)
        answer(sheet, r, questionLine('5', '4'), 4);
    for (int r = 36; r <= 40; ++r)
        answer(sheet, r, questionLine('5', '4'), 4);
    const auto scores = questionScores(sheet, 40);
    QCOMPARE(scores[36], 10.0);
    QCOMPARE(esoMark(scores, sheet), 10 * 100.0 / (0.01 + 350));
    // Beyond N nothing scores.
    QCOMPARE(questionScores(sheet, 35)[36], 0.0);
}

void TestEsoScoring::bands_data()
{
    QTest::addColumn<double>("mark");
    QTest::addColumn<bool>("weak");
    QTest::addColumn<int>("band");
    QTest::addColumn<QList<int>>("texts");
    QTest::addColumn<int>("closing");
    QTest::addColumn<bool>("pass");
    QTest::newRow("above 6") << 6.01 << true << int(MarkBand::Good) << QList<int>{142, 143} << 201 << true;
    QTest::newRow("exactly 6") << 6.0 << false << int(MarkBand::Pass) << QList<int>{144} << 201 << true;
    QTest::newRow("exactly 5") << 5.0 << false << int(MarkBand::Pass) << QList<int>{144} << 201 << true;
    QTest::newRow("5 weak") << 5.0 << true << int(MarkBand::Pass) << QList<int>{144, 145} << 201 << true;
    QTest::newRow("near pass") << 4.4 << false << int(MarkBand::NearPass) << QList<int>{146, 147, 148, 149}
                               << 0 << false;
    QTest::newRow("below 4.4") << 4.39 << false << int(MarkBand::Low) << QList<int>{150, 151} << 202 << false;
}

void TestEsoScoring::bands()
{
    QFETCH(double, mark);
    QFETCH(bool, weak);
    QFETCH(int, band);
    QFETCH(QList<int>, texts);
    QFETCH(int, closing);
    QFETCH(bool, pass);
    bool notice = true;
    const ShortAdvice advice = shortAdvice(mark, weak, notice);
    QCOMPARE(int(advice.band), band);
    QCOMPARE(advice.texts, (std::vector<int>(texts.begin(), texts.end())));
    QCOMPARE(advice.closingText, closing);
    QCOMPARE(advice.pass, pass);
    QCOMPARE(notice, band != int(MarkBand::NearPass));
}

void TestEsoScoring::nearPassOnlyOnce()
{
    bool notice = true;
    QCOMPARE(shortAdvice(4.4, false, notice).band, MarkBand::NearPass);
    QVERIFY(!notice);
    const ShortAdvice second = shortAdvice(4.4, false, notice);
    QCOMPARE(second.band, MarkBand::Low);
    QCOMPARE(second.closingText, 202);
}

void TestEsoScoring::weakAreaLooksUpToN()
{
    EsoAnswerSheet sheet;
    fillQuestions(sheet, 40, '5', '4');
    for (int r = 1; r <= 35; ++r)
        answer(sheet, r, questionLine('5', '4'), 4);
    // Question 36 is unanswered but lies beyond N = 35.
    const auto groups = esotest::questionGroups({{14, {1, 2}}, {15, {3, 36}}, {19, {35}}});
    QVERIFY(!hasWeakArea(questionScores(sheet, 35), sheet, groups, 35));
    answer(sheet, 35, questionLine('5', '4'), 2); // 4 of 10 points
    QVERIFY(hasWeakArea(questionScores(sheet, 35), sheet, groups, 35));
}

void TestEsoScoring::emptyAdviceGroupIsNotWeak()
{
    EsoAnswerSheet sheet;
    fillQuestions(sheet, 35, '5', '4');
    for (int r = 1; r <= 35; ++r)
        answer(sheet, r, questionLine('5', '4'), 4);
    const auto scores = questionScores(sheet, 35);
    QVERIFY(!hasWeakArea(scores, sheet, esotest::questionGroups({}), 35));
    QVERIFY(!hasWeakArea(scores, sheet, esotest::questionGroups({{16, {50, 60}}}), 35));
}

void TestEsoScoring::groupCountBeyond50ReadsNoFurther()
{
    QByteArray bytes(ItemGroupRecord::kRecordBytes, '\0');
    bytes[0] = static_cast<char>(200);
    for (int k = 1; k <= 50; ++k)
        bytes[k] = 3;
    bytes[ItemGroupRecord::kGroupBytes] = 1; // group 2 starts here
    bytes[ItemGroupRecord::kGroupBytes + 1] = 9;
    ItemGroupRecord record;
    record.fillFrom(bytes.constData());
    const auto questions = groupQuestions(record, 1);
    QCOMPARE(questions.size(), size_t(50));
    QVERIFY(std::all_of(questions.begin(), questions.end(), [](int q) { return q == 3; }));
}

void TestEsoScoring::ratiosOverAllAndInterest()
{
    EsoAnswerSheet sheet;
    fillQuestions(sheet, 40, '8', '5');
    answer(sheet, 1, questionLine('8', '5'), 5);  // 20 of 20
    answer(sheet, 36, questionLine('8', '5'), 3); // 10 of 20
    const auto groups = esotest::questionGroups({{1, {1, 36}}, {2, {1}}});
    const GroupRatios r = groupRatios(questionScores(sheet, 40), sheet, groups);
    QCOMPARE(r.all[1], 10 * 30.0 / (0.05 + 40));
    QCOMPARE(r.interest[1], 10 * 10.0 / (0.05 + 20));
    QCOMPARE(r.all[2], 10 * 20.0 / (0.05 + 20));
    QCOMPARE(r.interest[2], 0.0);
    QCOMPARE(r.all[3], 0.0); // an empty group
}

void TestEsoScoring::questionBeyondTableAddsSevenToMaximum()
{
    EsoAnswerSheet sheet;
    fillQuestions(sheet, 40, '9', '5');
    answer(sheet, 1, questionLine('9', '5'), 5);
    const auto groups = esotest::questionGroups({{1, {1, 200}}});
    const GroupRatios r = groupRatios(questionScores(sheet, 40), sheet, groups);
    QCOMPARE(r.all[1], 10 * 30.0 / (0.05 + 30 + 7));
    QCOMPARE(r.interest[1], 0.0);
}

void TestEsoScoring::equalRatiosKeepGroupOrder()
{
    std::array<double, kQuestionGroups + 1> ratios{};
    ratios[4] = 8.0;
    ratios[2] = 8.0;
    ratios[7] = 3.5;
    const auto ranking = rankGroups(ratios, *m_data);
    QCOMPARE(rankedGroupNumbers(ranking), (std::vector<int>{2, 4, 7, 1, 3, 5, 6, 8, 9, 10, 11, 12, 13}));
    QCOMPARE(ranking[0].entry, padTo("Grupo 2", 45) + " 8.0");
    QCOMPARE(ranking[2].entry, padTo("Grupo 7", 45) + " 3.5");
}

// An accented letter is two bytes in UTF mode but one column: the ratio
// stands in the same column after every name.
void TestEsoScoring::rankingRatiosAlignInUtfMode()
{
    auto data = esotest::itineraryData();
    setUtfMode(true);
    data->itinerar.set(3, padTo(latin1ToUtf8("Educaci\xF3n F\xEDsica y T\xE9" "cnica"), kWidthEsoItineraries));
    std::array<double, kQuestionGroups + 1> ratios{};
    ratios[3] = 9.0;
    ratios[1] = 8.0;
    const auto ranking = rankGroups(ratios, *data);
    setUtfMode(false);
    QCOMPARE(ranking[0].group, 3);
    for (const RankedGroup &entry : ranking)
        QCOMPARE(QString::fromUtf8(entry.entry).size(), 49);
    QVERIFY(ranking[0].entry.endsWith(" 9.0"));
    QVERIFY(QString::fromUtf8(ranking[0].entry).startsWith(QStringLiteral("Educación Física")));
}

void TestEsoScoring::interestTopGroupIsLastNameMatch()
{
    auto data = esotest::itineraryData();
    data->itinerar.set(5, padTo("Ciencias de la naturaleza A", kWidthEsoItineraries));
    data->itinerar.set(9, padTo("Ciencias de la naturaleza B", kWidthEsoItineraries));
    std::array<double, kQuestionGroups + 1> ratios{};
    ratios[5] = 9.0;
    const auto ranking = rankGroups(ratios, *data);
    QCOMPARE(ranking[0].group, 5);
    QCOMPARE(groupNamedByEntry(ranking, *data), 9);
    QCOMPARE(groupNamedByEntry({}, *data), 0);
}

void TestEsoScoring::modalityOfGroups()
{
    const auto text = [&](int line) { return m_data->modalityText(line); };
    QCOMPARE(groupModality(1, *m_data), "Modalidad 27 o " + text(26));
    QCOMPARE(groupModality(10, *m_data), "Modalidad 24 o " + text(23));
    const std::map<int, int> single{{2, 22}, {3, 26}, {4, 27},  {5, 24},  {6, 24}, {7, 24},
                                    {8, 23}, {9, 23}, {11, 25}, {12, 25}, {13, 25}};
    for (const auto &[group, line] : single)
        QCOMPARE(groupModality(group, *m_data), text(line));
    QCOMPARE(groupModality(0, *m_data), QByteArray());
}

void TestEsoScoring::recommendations()
{
    const Recommendation two = recommend(2, 8, *m_data);
    QCOMPARE(two.first, m_data->modalityText(22));
    QCOMPARE(two.second, "T123 " + m_data->modalityText(23));
    QCOMPARE(two.firstGroup, 2);
    QCOMPARE(two.secondGroup, 8);
    for (const auto &[all, interest] :
         std::vector<std::pair<int, int>>{{1, 8}, {10, 2}, {5, 6}, {3, 1}, {1, 3}, {4, 0}}) {
        const Recommendation one = recommend(all, interest, *m_data);
        QVERIFY2(one.second.isEmpty(),
                 (QByteArray::number(all) + "/" + QByteArray::number(interest)).constData());
        QCOMPARE(one.secondGroup, 0);
        QCOMPARE(one.firstGroup, all);
    }
}

void TestEsoScoring::adviceLinesByGroup()
{
    GroupRatios ratios;
    ratios.all.fill(6.0);
    QCOMPARE(adviceLines(ratios), (std::vector<int>{48, 49}));
    ratios.all[14] = 5.9;
    ratios.all[16] = 0.0;
    ratios.all[13] = 0.0; // not an advice group
    QCOMPARE(adviceLines(ratios), (std::vector<int>{35, 36, 40, 41}));
    ratios.all.fill(0.0);
    QCOMPARE(adviceLines(ratios), (std::vector<int>{35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47}));
}

void TestEsoScoring::continuingKeepsFirst35Answers()
{
    const LineTable table = questionTable(40, '5', '4');
    const auto groups = esotest::questionGroups({{1, {1, 36}}, {2, {36, 37}}});
    EsoQuestionnaire q;
    q.beginShort();
    const GridRows shortRows = q.startGrid(table.count());
    QCOMPARE(shortRows.first, 1);
    QCOMPARE(shortRows.last, 35);
    q.fillRows(table, shortRows);
    for (int r = 1; r <= 35; ++r) {
        for (int click = 0; click < 3; ++click)
            q.sheet.advance(r); // answer 4
    }
    const ShortResult shortResult = scoreShortQuestionnaire(q, groups);
    QCOMPARE(shortResult.advice.band, MarkBand::Good);
    QVERIFY(q.pass);

    q.continueAfterPass(table.count());
    QCOMPARE(q.shownCount, 40);
    QVERIFY(!q.shortMode);
    const GridRows rest = q.startGrid(table.count());
    QCOMPARE(rest.first, 36);
    QCOMPARE(rest.last, 40);
    QCOMPARE(rest.topRow, 36);
    q.fillRows(table, rest);
    QCOMPARE(q.sheet.answer(1), 4);
    QCOMPARE(q.sheet.answer(36), 1);
    q.sheet.advance(36);

    const FullResult full = scoreFullQuestionnaire(q, groups, *m_data);
    QCOMPARE(full.ratios.all[1], 10 * (10.0 + 4.0) / (0.05 + 20));
    QCOMPARE(full.ratios.interest[1], 10 * 4.0 / (0.05 + 10));
    QCOMPARE(full.byAll.front().group, 1);
    QCOMPARE(full.byInterest.front().group, 1);
    QCOMPARE(full.recommendation.firstGroup, 1);
    QVERIFY(full.recommendation.second.isEmpty());
    QCOMPARE(full.adviceLines, (std::vector<int>{35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47}));
}

void TestEsoScoring::freshStartAndKeepingAnswers()
{
    const LineTable table = questionTable(40, '5', '4');
    EsoQuestionnaire q;
    q.beginShort();
    q.fillRows(table, q.startGrid(table.count()));
    q.sheet.advance(3);
    QVERIFY(q.studentName.accept("Ana", q.course, StudentNameUse::Printing));
    bool notice = q.nearPassNotice;
    shortAdvice(4.5, false, notice);
    q.nearPassNotice = notice;
    q.end();

    q.beginFull(table.count());
    QVERIFY(q.asksFreshStart());
    q.keepAnswers(table.count());
    QCOMPARE(q.shownCount, 40);
    QCOMPARE(q.startGrid(table.count()).last, -1); // the grid stays filled
    QCOMPARE(q.sheet.answer(3), 2);

    q.end();
    QVERIFY(q.asksFreshStart());
    q.startFresh();
    QVERIFY(q.studentName.isEmpty());
    QVERIFY(q.nearPassNotice);
    const GridRows rows = q.startGrid(table.count());
    QCOMPARE(rows.first, 1);
    QCOMPARE(rows.last, 40);
    q.fillRows(table, rows);
    QCOMPARE(q.sheet.answer(3), 1);
}

QTEST_GUILESS_MAIN(TestEsoScoring)
#include "tst_eso_scoring.moc"
