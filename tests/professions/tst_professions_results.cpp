// The questionnaire's results: activity scores and their ranking, the
// professions of the picked statement, the details shown over the result
// lists, and the printed report.

#include "professions_test_support.h"

#include "data/line_table.h"
#include "professions/activity_scores.h"
#include "professions/professions_results.h"

#include <QtTest>

using namespace velmira;
using namespace proftest;

using Lines = std::vector<QByteArray>;
using Numbers = std::vector<int>;

namespace {

const QByteArray kFirst = "1\xBA"; // 1º in Latin-1
const QByteArray kSecond = "2\xBA";

ProfessionsData sample()
{
    return questionnaire(
        {activityLine("AAAA", "Arte"), activityLine("BBBB", "Banca"), activityLine("CCCC", "Ciencia"),
         activityLine("DDDD", "Deporte")},
        {shortLine("AAAA", "BBBB", "Pintar y vender"), shortLine("CCCC", "CCCC", "Investigar"),
         shortLine("BBBB", "", "Contar dinero"), shortLine("DDDD", "AAAA", "Bailar")},
        {},
        {professionLine("AAAA", "", "Pintor", 1), professionLine("AAAA", "DDDD", "Pintor", 4, 1),
         professionLine("BBBB", "AAAA", "Banquero", 3, 1), professionLine("CCCC", "", "Quimico", 2)});
}

} // namespace

class TestProfessionsResults : public QObject
{
    Q_OBJECT

private slots:
    void init() { freshTexts(); }

    void shownAndChosenStatementsScoreTheirActivities()
    {
        const ProfessionsData data = sample();
        // A chosen statement whose two codes are equal: 2.5 + 1.25.
        std::vector<double> scores = activityScores(data.activities, data.shortStatements, {2}, {0});
        QCOMPARE(scores, (std::vector<double>{0, 0, 0, 3.75, 0}));

        // Shown only: 1 for the first code and 0.5 for the second; chosen
        // (row 1, "Contar dinero"): 2.5 for its only code.
        scores = activityScores(data.activities, data.shortStatements, {1, 3, 4}, {1});
        QCOMPARE(scores, (std::vector<double>{0, 1.5, 3.0, 0, 1.0}));
        QCOMPARE(rankedActivities(scores), (Numbers{2, 1, 4}));
    }

    void equalScoresKeepActivityOrder()
    {
        const ProfessionsData data = sample();
        for (const Numbers &page : {Numbers{3, 4}, Numbers{4, 3}}) {
            const auto scores = activityScores(data.activities, data.shortStatements, page, {});
            QCOMPARE(rankedActivities(scores), (Numbers{2, 4, 1}));
        }
    }

    void noPointsLeaveOnlyTheHeading()
    {
        const ProfessionsData data = sample();
        const ProfessionsResults results = professionsResults(data, {}, {});
        QVERIFY(results.activities.empty());
        QVERIFY(results.professions.empty());
        QCOMPARE(activityRows(data, results.activities), (Lines{"         T625"}));
        QCOMPARE(professionRows(data, results.professions), (Lines{""}));
    }

    void thePickedStatementNamesItsProfessionsOnce()
    {
        const ProfessionsData data = sample();
        // The last chosen row counts: "Pintar y vender", named by two
        // professions called "Pintor" and by "Banquero".
        const ProfessionsResults results = professionsResults(data, {3, 1}, {0, 1});
        QCOMPARE(results.professions, (Numbers{1, 3}));
        QCOMPARE(professionRows(data, results.professions), (Lines{"", " - Pintor", " - Banquero"}));
        QCOMPARE(results.activities, (Numbers{2, 1}));
        QCOMPARE(activityRows(data, {2, 1, 4}),
                 (Lines{"         T625", kFirst + " Banca", kSecond + " Arte"}));

        QCOMPARE(activityDetails(data, 1, 2), (Lines{"     T624 " + kSecond, " - Pintor", " - Banquero"}));
        QCOMPARE(statementProfessions(data.professions, 9), Numbers{});
    }

    void aProfessionListsItsStudiesByKind()
    {
        ProfessionsData data = sample();
        ContentTables &tables = content();
        tables.carreran.set(1, padTo("Bellas Artes", 60));
        tables.carreran.set(2, padTo("Historia del Arte", 60));
        tables.fp2.set(5, padTo("Pintura Decorativa", 60));
        data.degrees.add(1, 2);
        data.degrees.add(1, 1);
        data.middleTitles.add(1, 5);

        QCOMPARE(
            studiesLines(data, tables, 1),
            (Lines{"      T627:", "Historia del Arte", "Bellas Artes", "      T113:", "Pintura Decorativa"}));
        QVERIFY(studiesLines(data, tables, 3).empty());
    }

    void theReportListsResultsStudiesAndTheFirstActivity()
    {
        ProfessionsData data = sample();
        content().fp.set(7, padTo("Artes Aplicadas", 60));
        data.higherTitles.add(1, 7);
        // "Contar dinero" shown, "Pintar y vender" picked: Arte 2.5, Banca 2.25.
        const ProfessionsResults results = professionsResults(data, {3, 1}, {1});

        const ProfessionsReport report = professionsReport(data, content(), results);
        const Lines expected{"T648",
                             "",
                             "T124",
                             "T644",
                             "",
                             " - Pintor",
                             "          T47:",
                             "    Artes Aplicadas",
                             " - Banquero",
                             "",
                             "T642",
                             "         T625",
                             kFirst + " Arte",
                             kSecond + " Banca",
                             "",
                             "     T624 " + kFirst + ":",
                             "  - Pintor",
                             "  - Banquero"};
        QCOMPARE(report.lines, expected);
        QCOMPARE(report.boldLines, (std::set<int>{1, 4, 6, 9, 11}));

        LineTable buffer(1501, 60);
        QCOMPARE(fillProfessionsReport(buffer, "Ana", report), int(expected.size()));
        QCOMPARE(buffer.at(0), QByteArray("Ana"));
        QCOMPARE(buffer.at(18), QByteArray("  - Banquero"));

        // A buffer too small keeps what fits.
        LineTable small(4, 60);
        QCOMPARE(fillProfessionsReport(small, "Ana", report), 3);
        QCOMPARE(small.at(3), QByteArray("T124"));
    }

    void noActivityPrintsNoActivityProfessions()
    {
        const ProfessionsData data = sample();
        const ProfessionsReport report = professionsReport(data, content(), {});
        QCOMPARE(report.lines.back(), QByteArray("         T625"));
    }

    void leavingFromTheStudiesExplainsWhere()
    {
        QCOMPARE(leaveQuestionSecondLine(true), QByteArray("T650"));
        QVERIFY(leaveQuestionSecondLine(false).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProfessionsResults)
#include "tst_professions_results.moc"
