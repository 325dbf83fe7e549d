// The questionnaire's first two steps: the long statements answered in the
// pop-up, the short statements they reach, their pages, the choices kept on
// each page and the last page made of them.

#include "professions_test_support.h"

#include "professions/long_statement_round.h"
#include "professions/statement_pages.h"

#include <QtTest>

#include <numeric>

using namespace velmira;
using namespace proftest;

using Numbers = std::vector<int>;

namespace {

Numbers oneTo(int n)
{
    Numbers numbers(n);
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

} // namespace

class TestStatementPages : public QObject
{
    Q_OBJECT

private slots:
    void init() { freshTexts(); }

    void longStatementsAreAnsweredInTurn()
    {
        LongStatementRound round;
        round.restart(3);
        QCOMPARE(round.shown(), LongStatementRound::Shown::Introduction);
        QCOMPARE(popupText(round.shown(), {}, 0), QByteArray("T632 T633"));
        QCOMPARE(popupHeading(round.shown()), QByteArray("T631"));

        // The introduction's yes chooses nothing; each later yes chooses the
        // statement it answers.
        QCOMPARE(round.answer(true), -1);
        QCOMPARE(round.shown(), LongStatementRound::Shown::Statement);
        QCOMPARE(round.current(), 0);
        QCOMPARE(popupText(round.shown(), "Me gusta", 0), QByteArray("Me gusta"));
        QCOMPARE(round.answer(true), 0);
        QCOMPARE(round.answer(false), -1);
        QCOMPARE(round.answer(true), 2);
        QCOMPARE(round.shown(), LongStatementRound::Shown::Closing);
        QCOMPARE(popupHeading(round.shown()), QByteArray("T639"));

        // Acknowledging the closing message hides the pop-up; a choice that
        // is not one to three brings the closing message back.
        QCOMPARE(round.answer(true), -1);
        QCOMPARE(round.shown(), LongStatementRound::Shown::Nothing);
        round.reopenClosing();
        QCOMPARE(round.shown(), LongStatementRound::Shown::Closing);

        round.restart(0);
        round.answer(true);
        QCOMPARE(round.shown(), LongStatementRound::Shown::Closing);
    }

    void oneToThreeLongStatementsGoOn()
    {
        QVERIFY(!acceptsLongChoice(0));
        QVERIFY(acceptsLongChoice(1));
        QVERIFY(acceptsLongChoice(3));
        QVERIFY(!acceptsLongChoice(4));
        using Shown = LongStatementRound::Shown;
        QCOMPARE(popupText(Shown::Closing, {}, 4), QByteArray("T634 T635 T636"));
        QCOMPARE(popupText(Shown::Closing, {}, 3), QByteArray("T637 T636"));
        QCOMPARE(popupText(Shown::Closing, {}, 0), QByteArray("T637 T636"));
    }

    void statementsBeyondFifteenTakeTheIconsAgain()
    {
        QCOMPARE(longStatementIcon(14), 12);
        QCOMPARE(longStatementIcon(15), longStatementIcon(0));
        QCOMPARE(longStatementIcon(19), longStatementIcon(4));
    }

    void chosenStatementsGiveTheirCodesOnce()
    {
        const ProfessionsData data =
            questionnaire({}, {},
                          {longLine("Uno", {"AAAA", "", "BBBB", "AAAA"}), longLine("Dos", {"CCCC"}),
                           longLine("Tres", {"BBBB", "DDDD"})},
                          {});
        QCOMPARE(chosenActivityCodes(data.longStatements, {1, 3, 9}),
                 (std::vector<QByteArray>{"AAAA", "BBBB", "DDDD"}));
        QVERIFY(chosenActivityCodes(data.longStatements, {}).empty());
    }

    void candidatesComeInFourPasses()
    {
        const ProfessionsData data = questionnaire(
            {}, {}, {},
            {professionLine("AAAA", "CCCC", "Uno", 5, 2), professionLine("CCCC", "BBBB", "Dos", 3, 4),
             professionLine("BBBB", "AAAA", "Tres", 5, 6), professionLine("CCCC", "CCCC", "Cuatro", 7, 8),
             professionLine("AAAA", "", "Cinco", 0, 99)});
        // Pass 1 gives 5, pass 2 gives 2 and 6, pass 3 gives 3, pass 4 gives 4;
        // 0 and 99 (beyond the ten short statements) are none.
        QCOMPARE(candidateStatements(data.professions, {"AAAA", "BBBB"}, 10), (Numbers{5, 2, 6, 3, 4}));
        QCOMPARE(candidateStatements(data.professions, {"CCCC"}, 10), (Numbers{3, 7, 4, 8, 5, 2}));
        QVERIFY(candidateStatements(data.professions, {"ZZZZ"}, 10).empty());
    }

    void candidatesAreDealtInTurn_data()
    {
        QTest::addColumn<int>("candidates");
        QTest::addColumn<StatementPages>("pages");
        QTest::newRow("none: one empty page") << 0 << StatementPages{{}};
        QTest::newRow("4") << 4 << StatementPages{{1, 2, 3, 4}};
        QTest::newRow("5") << 5 << StatementPages{{1, 3, 5}, {2, 4}};
        QTest::newRow("9") << 9 << StatementPages{{1, 4, 7}, {2, 5, 8}, {3, 6, 9}};
        QTest::newRow("17: five on the first page")
            << 17 << StatementPages{{1, 5, 9, 13, 17}, {2, 6, 10, 14}, {3, 7, 11, 15}, {4, 8, 12, 16}};
    }

    void candidatesAreDealtInTurn()
    {
        QFETCH(int, candidates);
        QFETCH(StatementPages, pages);
        QCOMPARE(dealPages(oneTo(candidates)), pages);
    }

    void manyCandidatesFillFourPages()
    {
        const StatementPages twenty = dealPages(oneTo(20));
        QCOMPARE(twenty.size(), size_t(4));
        for (const Numbers &page : twenty)
            QCOMPARE(page.size(), size_t(5));

        // Beyond 44 candidates only the first 44 are dealt, eleven to a page.
        const StatementPages fifty = dealPages(oneTo(50));
        QCOMPARE(fifty.size(), size_t(4));
        for (const Numbers &page : fifty)
            QCOMPARE(page.size(), size_t(kMaxPerPage));
        QCOMPARE(fifty[0].front(), 1);
        QCOMPARE(fifty[3].back(), 44);
    }

    void aPageKeepsItsFirstTwoChoices()
    {
        QCOMPARE(keptPageChoices({5, 1, 3}), (Numbers{1, 3}));
        QCOMPARE(keptPageChoices({2}), (Numbers{2}));
    }

    void stepsRecordTheChoicesOfEveryPage()
    {
        StatementSteps steps;
        steps.restart();
        QCOMPARE(steps.step(), 0);
        QVERIFY(!steps.onPage() && !steps.onLastPage());

        steps.enterPages(dealPages(oneTo(9)));
        QCOMPARE(steps.step(), 1);
        QCOMPARE(steps.shownStatements(), (Numbers{1, 4, 7}));
        steps.forward({0, 1, 2}); // a third choice is not kept
        QCOMPARE(steps.shownStatements(), (Numbers{2, 5, 8}));
        steps.back({2});
        QCOMPARE(steps.shownChoices(), (Numbers{0, 1}));
        steps.forward({0});
        QCOMPARE(steps.shownChoices(), (Numbers{2}));
        steps.forward({2});
        steps.forward({1, 2});

        // The last page: the choices page by page, top to bottom.
        QVERIFY(steps.onLastPage());
        QCOMPARE(steps.step(), 4);
        QCOMPARE(steps.shownStatements(), (Numbers{1, 8, 6, 9}));
        QVERIFY(steps.shownChoices().empty());
        steps.forward({});
        QVERIFY(steps.onLastPage());

        steps.back({});
        QCOMPARE(steps.shownChoices(), (Numbers{1, 2}));
        while (steps.step() > 0)
            steps.back(steps.shownChoices());
        steps.back({});
        QCOMPARE(steps.step(), 0);

        // The same long statements again keep the choices; others start afresh.
        steps.enterPages(dealPages(oneTo(9)));
        QCOMPARE(steps.shownChoices(), (Numbers{0}));
        steps.back({});
        steps.enterPages(dealPages(oneTo(8)));
        QVERIFY(steps.shownChoices().empty());
    }
};

QTEST_GUILESS_MAIN(TestStatementPages)
#include "tst_statement_pages.moc"
