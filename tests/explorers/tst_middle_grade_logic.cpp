// The middle-grade explorer's logic on a small catalogue of its own: family
// groups and families, titles and their details, the questionnaire's code
// rules, and the printed listings by title and by province.

#include "support/numbered_texts.h"

#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "explorers/middle_grade_catalogue.h"
#include "explorers/middle_grade_report.h"
#include "explorers/questionnaire_titles.h"

#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;
using Numbers = std::vector<int>;

// fp2: families at lines 1 (Sanidad: 2-4), 5 (Comercio: 6), 7 (Quimica:
// 8-9), 10 ("|Vidrio": 11), and the closing empty heading at line 12.
void fillCatalogue()
{
    ContentTables &t = content();
    const Lines fp2 = {"-Sanidad", "Cuidados",    "Farmacia", "Emergencias", "-Comercio", "Ventas",
                       "-Quimica", "Laboratorio", "Planta",   "-|Vidrio",    "Ceramica",  "-"};
    int family = 0;
    for (size_t i = 0; i < fp2.size(); ++i) {
        const int line = int(i) + 1;
        t.fp2.set(line, padTo(fp2[i], 60));
        if (fp2[i].startsWith('-')) {
            t.fp2Titles.set(++family, padTo(fp2[i].mid(1), 60));
            t.fp2TitleLines[family] = line;
        }
    }
    t.fp2.setCount(int(fp2.size()));
    t.fp2Titles.setCount(family);
    t.fp2TitleLines[family] = t.fp2.count() + 1;
    t.familias.set(30, "010200Salud");
    t.familias.set(35, "030000Otras familias");
    for (int m = 1; m <= 25; ++m)
        t.asignagm.set(3, m, m <= 3 || m == 6 || m == 7 ? "Linea " + QByteArray::number(m) : padTo("", 60));
    t.informa.set(1, "17Tener el graduado en ESO");
    t.informa.set(2, "18Otra cosa");
    t.informa.set(3, "17O una prueba de acceso");
    t.informa.setCount(3);
}

void fillQuestionnaire(const Lines &items)
{
    ContentTables &t = content();
    for (int i = 1; i <= 11; ++i)
        t.cuesgm.set(i, "Area " + QByteArray::number(i));
    int line = 11;
    for (const QByteArray &item : items)
        t.cuesgm.set(++line, padTo(item, 75));
    t.cuesgm.setCount(line);
    prepareMiddleQuestionnaire(t.cuesgm, t.middleQuestionnaire);
}

Numbers titlesMarkedBy(const Lines &codes)
{
    MarkedTitles marked;
    for (const QByteArray &code : codes)
        markTitlesOfCode(code, marked);
    Numbers titles;
    for (const auto &[family, set] : marked)
        titles.insert(titles.end(), set.begin(), set.end());
    return titles;
}

} // namespace

class TestMiddleGradeLogic : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::freshTablesWithNumberedTexts();
        fillCatalogue();
    }

    void groupsListTheirFamiliesAndTheSixthAddsTheMarkedOnes()
    {
        const std::vector<FamilyGroup> groups = middleFamilyGroups();
        QCOMPARE(groups.size(), size_t(9));
        QCOMPARE(groups[0].name, QByteArray("Salud"));
        QCOMPARE(familiesOfGroup(1), (Numbers{1, 2}));
        QCOMPARE(familiesOfGroup(6), (Numbers{3, 4}));
        QCOMPARE(middleFamilyCount(), 4);
        QCOMPARE(familyName(4), padTo("Vidrio", 59));
        QCOMPARE(familyName(1), padTo("Sanidad", 45));
        // Item 0 goes back; a family outside the icon table repeats the icon before it.
        QCOMPARE(familyListIcons({1, 2, 99, 4}), (Numbers{43, 1, 31, 31, 9}));
    }

    void familiesHoldTheLinesUpToTheNextHeading()
    {
        QCOMPARE(titlesOfFamily(1), (Numbers{2, 3, 4}));
        QCOMPARE(titlesOfFamily(2), Numbers{6});
        QCOMPARE(titlesOfFamily(4), Numbers{11});
        QCOMPARE(titlesOfFamily(5), Numbers{});
        QCOMPARE(middleTitleName(8), padTo("Laboratorio", 60));
        QCOMPARE(familyOfTitle(9), 3);
        QCOMPARE(familyOfTitle(5), 0);
        QCOMPARE(groupOfFamily(4), 6);
        QCOMPARE(groupOfFamily(2), 1);
        QCOMPARE(jobPositionsOfTitle(3).size(), size_t(5));
        QCOMPARE(jobPositionsOfTitle(3).front(), QByteArray("Linea 1"));
        QCOMPARE(subjectsOfTitle(3).size(), size_t(20));
        QCOMPARE(middleGradeRequirements(), (Lines{"Tener el graduado en ESO", "O una prueba de acceso"}));
    }

    void itemCodesMarkTitlesOfTheirFamily()
    {
        QCOMPARE(titlesMarkedBy({"1T"}), (Numbers{2, 3, 4}));
        QCOMPARE(titlesMarkedBy({"1Z"}), (Numbers{2, 3}));
        QCOMPARE(titlesMarkedBy({"32", "1Z", "13"}), (Numbers{2, 3, 4, 9}));
        // A title beyond the family's own, or an unknown character, marks nothing.
        QCOMPARE(titlesMarkedBy({"24", "2X", "3"}), Numbers{});
        QCOMPARE(familyOfCode('0'), 0);
        QCOMPARE(familyOfCode('9'), 9);
        QCOMPARE(familyOfCode('A'), 10);
        QCOMPARE(familyOfCode('U'), 30);
        QCOMPARE(familyOfCode('V'), 0);

        MarkedTitles marked;
        markTitlesOfCode("3T", marked);
        markTitlesOfCode("11", marked);
        const std::vector<ListingRow> rows = markedTitleRows(marked);
        QCOMPARE(rows.size(), size_t(5));
        QCOMPARE(rows[0].text, QByteArray(" - T583:  Sanidad"));
        QCOMPARE(rows[1].title, 2);
        QCOMPARE(rows[2].text, QByteArray(" - T583:  Quimica"));
        QCOMPARE(rows[2].title, 0);
        QCOMPARE(rows[4].text, padTo("Planta", 60));
    }

    void areasLeadToTheirItems()
    {
        fillQuestionnaire({"1T1 primero", "2T21segundo", "3T0 decimo", "1Z30tercero"});
        QCOMPARE(recordedAreas({9, 1, 10}), (Numbers{2, 0}));
        QVERIFY(choosesByPlace({2, 10}));
        QVERIFY(!choosesByPlace({2, 9}));
        QCOMPARE(itemsOfAreas({1}), (Numbers{1, 2}));
        QCOMPARE(itemsOfAreas({0}), Numbers{3});
        // A second area of 0 is no area: item 4 is listed through area 3 only.
        QCOMPARE(itemsOfAreas({3}), Numbers{4});
        QCOMPARE(itemText(2), padTo("segundo", 70));
        QCOMPARE(itemCode(2), QByteArray("2T"));

        const Lines path = questionnairePathLines({0, 9}, {1, 3});
        QCOMPARE(path,
                 (Lines{"T594", "", "Area 1", "Area 10", "T595", padTo("primero", 70), padTo("decimo", 70)}));
        const Lines centres = questionnaireCentreLines(8, {{QByteArray(50, 'c'), "91", 0}});
        QCOMPARE(centres, (Lines{"", "T592: Laboratorio", "", "T593:", QByteArray(44, 'c') + "91"}));
    }

    void titleListingCarriesDetailsThenRegions()
    {
        content().comunida.set(2, padTo("04Aragon", 45));
        const ExplorerReport report = titleReport(content().datluggm, 3, {2});
        QCOMPARE(report.title, QByteArray("Farmacia (T113)"));
        const Lines expected = {"** T29 **",
                                "Tener el graduado en ESO",
                                "O una prueba de acceso",
                                "",
                                "** T199 **",
                                "Linea 1",
                                "Linea 2",
                                "Linea 3",
                                padTo("", 60),
                                padTo("", 60),
                                "",
                                "** T312 **",
                                "Linea 6",
                                "Linea 7",
                                QByteArray(34, '_'),
                                "",
                                "-T317",
                                ""};
        // Eighteen blank subjects follow "Linea 7": ten are removed, eight stay.
        Lines rows = report.rows;
        QCOMPARE(int(rows.size()), int(expected.size()) + 8);
        rows.erase(rows.begin() + 14, rows.begin() + 22);
        QCOMPARE(rows, expected);
        QVERIFY(regionHeadingRows(report).empty());
        QCOMPARE(allRegions().size(), size_t(kRegionCount));

        const ExplorerReport province =
            provinceReport("Huesca", middle_grade_text::kMiddleGrade,
                           {{"-" + QByteArray(50, 'x'), "974000001", 0}, {"Ventas", {}, 6}});
        QCOMPARE(province.title, QByteArray("T289: Huesca - T113"));
        QCOMPARE(province.rows, (Lines{"-" + QByteArray(43, 'x') + "974000001", "Ventas"}));
    }
};

QTEST_GUILESS_MAIN(TestMiddleGradeLogic)
#include "tst_middle_grade_logic.moc"
