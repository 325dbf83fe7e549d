// The higher-grade titles as the university window lists them, on a small
// catalogue of their own: families and their headings, a title's sections,
// the centres of a title province by province, and the printed title with
// its bold rows and the rule that makes a long listing ask for regions.

#include "university_test_support.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/map_geometry.h"
#include "data/text_bytes.h"
#include "data/vocational_families.h"
#include "university/higher_grade_titles.h"

#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;
using Numbers = std::vector<int>;

const QByteArray kBlank = padTo("", 60);

// fp: headings at lines 1 (Sanidad: 2-3), 4 (Comercio: 5), 6 ("|Energia": 7).
void fillCatalogue()
{
    ContentTables &t = content();
    const Lines fp = {"-Sanidad", "Laboratorio", "Higiene", "-Comercio", "Ventas", "-|Energia", "Renovables"};
    int heading = 0;
    for (size_t i = 0; i < fp.size(); ++i) {
        const int line = int(i) + 1;
        t.fp.set(line, padTo(fp[i], 60));
        if (fp[i].startsWith('-')) {
            t.fpTitles.set(++heading, padTo(fp[i].mid(1), 60));
            t.fpTitleLines[heading] = line;
        }
    }
    t.fp.setCount(int(fp.size()));
    t.fpTitles.setCount(heading);
    t.familias.set(30, "010200Salud");
    t.familias.set(35, "000000Otras familias");
    // Title 2: three job positions, modules in slots 6 and 7; title 3: a
    // module in slot 7 only.
    for (int slot = 1; slot <= 25; ++slot) {
        const QByteArray line = "Linea " + QByteArray::number(slot);
        t.asignafp.set(2, slot, slot <= 3 || slot == 6 || slot == 7 ? line : kBlank);
        t.asignafp.set(3, slot, slot == 7 ? line : kBlank);
    }
    for (int r = 1; r <= 3; ++r)
        t.reqfp.set(r, "Requisito " + QByteArray::number(r));
    t.datfps.set(2, 4, 3);
    t.datfps.set(2, 6, 1);
    t.datfps.set(2, 16, 2);
}

// Region 1 starts at province code 1 (key "37") and has two provinces,
// codes 1 and 2 (keys "37", "38"); region 2 starts at code 4 (key "3A") and
// is its own province; region 3 starts at code 7.
void fillPlaces()
{
    FillProvinceKeys();
    LineTable &comunida = content().comunida;
    for (int r = 1; r <= kRegionCount; ++r)
        comunida.set(
            r,
            padTo(QByteArray::number(3 * r - 2).rightJustified(2, '0') + "Region " + QByteArray::number(r),
                  kWidthB));
    comunida.set(20, padTo("01Almeria", kWidthB));
    comunida.set(21, padTo("01Cadiz", kWidthB));
    comunida.setCount(21);

    PlaceList &lu3 = content().placeLists[2];
    PlaceTitleTable &titles = content().datluggs[2];
    const struct
    {
        char key;
        QByteArray town, centre, telephone;
        Numbers titles;
    } places[] = {{'7', "Almeria", "IES Uno", "950000001", {2}},
                  {'7', "Almeria", "IES Dos", "950000002", {5}},
                  {'8', "Cadiz", "IES Tres", "956000003", {3, 2}},
                  {'A', "Huesca", "IES Cuatro", "974000004", {2}}};
    int p = 0;
    for (const auto &place : places) {
        ++p;
        lu3.columnA.set(p, place.key + padTo(place.town, 17));
        lu3.columnB.set(p, padTo(place.centre, 26));
        lu3.columnC.set(p, place.telephone);
        titles.set(p, 0, int(place.titles.size()));
        for (size_t k = 0; k < place.titles.size(); ++k)
            titles.set(p, int(k) + 1, place.titles[k]);
    }
    lu3.columnA.setCount(p);
}

QByteArray centre(const QByteArray &town, const QByteArray &name)
{
    return padTo(town, 17) + padTo(name, 26);
}

} // namespace

class TestHigherGradeTitles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        unitest::freshTables();
        fillCatalogue();
        fillPlaces();
    }

    void familyGroupsListTheirHeadingsWithTheirIcons()
    {
        const VocationalCatalogue fp = higherGradeCatalogue();
        QCOMPARE(familiesOfGroup(fp, 1), (Numbers{1, 2}));
        // The sixth group lists the marked headings after its own (none here).
        QCOMPARE(familiesOfGroup(fp, 6), Numbers{3});
        QCOMPARE(familyName(fp, 3), padTo("Energia", 59));
        QCOMPARE(titlesOfFamily(fp, 1), (Numbers{2, 3}));
        QCOMPARE(titlesOfFamily(fp, 3), Numbers{7});
        QCOMPARE(higherTitleName(5), QByteArray("Ventas"));
        // Heading 10 has an icon of its own here; an unknown one repeats the
        // icon before it, and headings after the third take icon 9.
        QCOMPARE(higherFamilyListIcons({10, 11, 99, 2}), (Numbers{43, 34, 0, 0, 9}));
    }

    void sectionsOfATitle()
    {
        QCOMPARE(requirementsSection(2), (Lines{"Requisito 3", "Requisito 1", "Requisito 2"}));
        QCOMPARE(requirementsSection(3), Lines{});
        QCOMPARE(accessSection(), (Lines{"T711", "T712", "T713", "T714", "T715"}));

        // Slot 6 holds a module: an empty line before it and before slot 7.
        Lines subjects = {"-   T271", "Linea 1", "Linea 2", "Linea 3", kBlank,
                          kBlank,     "",        "Linea 6", "",        "Linea 7"};
        subjects.insert(subjects.end(), 18, kBlank);
        QCOMPARE(subjectsSection(2), subjects);
        // A blank slot 6 gets none.
        const Lines blankSix = subjectsSection(3);
        QCOMPARE(blankSix.size(), size_t(27));
        QCOMPARE(blankSix[6], kBlank);
        QCOMPARE(blankSix[7], QByteArray());
        QCOMPARE(blankSix[8], QByteArray("Linea 7"));

        QCOMPARE(subjectPreview(2).size(), size_t(26));
        QCOMPARE(subjectPreview(2).front(), QByteArray("      T271"));
        QCOMPARE(subjectPreview(5), Lines{});
    }

    void centresOfATitleProvinceByProvince()
    {
        // Two provinces: each heads its centres and ends with a blank row.
        const std::vector<ListingRow> both = higherCentresInRegion(1, 2);
        QCOMPARE(both.size(), size_t(6));
        QVERIFY(both[0].text.startsWith("- Almeria "));
        QVERIFY(both[0].text.endsWith(QByteArray(8, ' ')));
        QCOMPARE(both[1].text, centre("Almeria", "IES Uno"));
        QCOMPARE(both[1].telephone, QByteArray("950000001"));
        QCOMPARE(both[2].text, QByteArray(60, ' '));
        QVERIFY(both[3].text.startsWith("- Cadiz "));
        QCOMPARE(both[4].text, centre("Cadiz", "IES Tres"));
        // A province without the title loses its heading.
        const std::vector<ListingRow> cadiz = higherCentresInRegion(1, 3);
        QCOMPARE(cadiz.size(), size_t(3));
        QVERIFY(cadiz[0].text.startsWith("- Cadiz "));
        // A region that is its own province has no heading.
        const std::vector<ListingRow> huesca = higherCentresInRegion(2, 2);
        QCOMPARE(huesca.size(), size_t(2));
        QCOMPARE(huesca[0].text, centre("Huesca", "IES Cuatro"));
        QVERIFY(higherCentresInRegion(2, 3).empty());

        const auto regions = regionsTeachingHigherTitle(2);
        QVERIFY(regions[1] && regions[2] && !regions[3]);
        QVERIFY(!regionsTeachingHigherTitle(3)[2]);
    }

    void reportRowsAndBoldRows()
    {
        interfaceTextTable().set(317, "D\xf3nde se estudia");
        AssignInterfaceTexts();
        const HigherTitleReport report = higherTitleReport(2, {2});
        QCOMPARE(report.title, QByteArray("Laboratorio (T47)"));
        QVERIFY(!report.everyRegion);
        Lines expected = {"- T277", "Requisito 3", "Requisito 1", "Requisito 2", "", "- T312"};
        const Lines subjects = subjectsSection(2);
        expected.insert(expected.end(), subjects.begin(), subjects.end());
        const Lines tail = {"",
                            "- T717",
                            "T711",
                            "T712",
                            "T713",
                            "T714",
                            "T715",
                            "",
                            "      ________________________",
                            "",
                            "-D\xd3NDE SE ESTUDIA",
                            "",
                            "***  " + padTo("Region 2", 30) + "***",
                            "",
                            centre("Huesca", "IES Cuatro") + "974000004",
                            QByteArray(60, ' ')};
        expected.insert(expected.end(), tail.begin(), tail.end());
        QCOMPARE(report.rows, expected);
        // Rows count from the title, row 0.
        QCOMPARE(report.boldRows, (std::set<int>{1, 6, 36, 45, 47}));

        // Chosen regions print in the order chosen; none chosen prints all 19.
        const HigherTitleReport two = higherTitleReport(2, {2, 1});
        QCOMPARE(two.rows[46].left(13), QByteArray("***  Region 2"));
        QCOMPARE(two.rows[50].left(13), QByteArray("***  Region 1"));
        const HigherTitleReport all = higherTitleReport(2, {});
        QVERIFY(all.everyRegion);
        QCOMPARE(int(all.boldRows.size()), 4 + kRegionCount);
        QVERIFY(!mustChooseRegionsFirst(all, false));
    }

    void longListingOfEveryRegionAsksForRegions()
    {
        // Enough centres of title 2 in region 2 to pass 150 rows over every region.
        PlaceList &lu3 = content().placeLists[2];
        for (int p = 5; p <= 90; ++p) {
            lu3.columnA.set(p, "A" + padTo("Huesca", 17));
            lu3.columnB.set(p, padTo("IES " + QByteArray::number(p), 26));
            content().datluggs[2].set(p, 0, 1);
            content().datluggs[2].set(p, 1, 2);
        }
        lu3.columnA.setCount(90);
        const HigherTitleReport all = higherTitleReport(2, {});
        QVERIFY(all.rows.size() > 150);
        QVERIFY(mustChooseRegionsFirst(all, false));
        // Asked for every region on purpose, it is listed whatever its length.
        QVERIFY(!mustChooseRegionsFirst(all, true));
        // Regions the pupil chose are printed as they are.
        QVERIFY(!mustChooseRegionsFirst(higherTitleReport(2, {2}), false));
    }
};

QTEST_GUILESS_MAIN(TestHigherGradeTitles)
#include "tst_higher_grade_titles.moc"
