// The map machinery the explorer windows share: the pointer over the map,
// regions and their provinces, the localities and centres of the place
// lists, which regions teach a title, the rules of printed listings, and the
// middle-grade questionnaire's preparation.

#include "data_test_support.h"
#include "support/numbered_texts.h"

#include "data/centre_listings.h"
#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/interface_texts.h"
#include "data/listing_rows.h"
#include "data/loaders.h"
#include "data/text_bytes.h"

#include <QtTest>

using namespace velmira;
using testsupport::joinLines;
using testsupport::writeFile;

namespace {

using Lines = std::vector<QByteArray>;

// Regions 1-18 start at codes 1, 4, 7 ... 52; region 19 at 63. Province
// codes 1-3 are keys "37", "38", "39" of lu3; 4-6 are "3A", "3B", "3C";
// 12 and 13 are "1I" and "1J" of lu1; 63 and 64 are "31" and "32".
void fillRegions(const Lines &provinceEntries = {})
{
    LineTable &comunida = content().comunida;
    for (int r = 1; r <= kRegionCount; ++r) {
        const int first = r < kRegionCount ? 3 * r - 2 : 63;
        comunida.set(r,
                     padTo(QByteArray::number(first).rightJustified(2, '0') + "Region "
                               + QByteArray::number(r) + " de Ejemplo",
                           kWidthB));
    }
    int i = kRegionCount;
    for (const QByteArray &entry : provinceEntries)
        comunida.set(++i, padTo(entry, kWidthB));
    comunida.setCount(i);
}

// A place line of a list: key and locality in characters 1-18 (1-44 for a
// heading key), the centre to 44, the telephone from 46.
QByteArray placeLine(char key, const QByteArray &locality, const QByteArray &centre,
                     const QByteArray &telephone, int localityWidth = 17)
{
    return padTo(key + padTo(locality, localityWidth) + centre, 45) + telephone;
}

void loadList(const char *name, const QList<QByteArray> &lines)
{
    QVERIFY(writeFile(name, joinLines(lines)));
    LoadPlaceList(name, content().placeLists[name[2] - '1']);
}

void teach(int list, int place, std::initializer_list<int> titles)
{
    PlaceTitleTable &table = content().datluggm[list - 1];
    table.set(place, 0, int(titles.size()));
    int k = 0;
    for (int t : titles)
        table.set(place, ++k, t);
}

QByteArray titleName(int title) { return "Titulo " + QByteArray::number(title); }

QStringList texts(const std::vector<ListingRow> &rows)
{
    QStringList out;
    for (const ListingRow &row : rows)
        out << QString::fromLatin1(row.text);
    return out;
}

} // namespace

class TestMapListings : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::freshTablesWithNumberedTexts(); }

    void pointerKeepsTheLastRegionOverGaps()
    {
        const RegionRect one = regionRect(1);
        // The map windows shift the pointer by (5, 90) before testing.
        QCOMPARE(hoveredRegion(one.left - 5, one.top - 1 - 90, 0), 1);
        QCOMPARE(hoveredRegion(one.right - 5, one.top - 90, 7), 7);
        QCOMPARE(hoveredRegion(one.left - 5, one.bottom - 90, 7), 7);
        QCOMPARE(hoveredRegion(-200, -200, 13), 13);
    }

    void regionsListTheirProvincesOrStandForThemselves()
    {
        fillRegions({"01Almeria", "01Cadiz", "02Huesca", "01Cordoba"});
        const RegionProvinces andalucia = provincesOfRegion(1);
        QCOMPARE(andalucia.firstCode, 1);
        QCOMPARE(andalucia.count(), 3);
        QCOMPARE(andalucia.code(3), 3);
        QCOMPARE(andalucia.listName(3), padTo("Cordoba", 55));
        QCOMPARE(andalucia.printName(1), padTo("Almeria", 35));
        QCOMPARE(andalucia.regionName, QByteArray("Region 1 de Ejemplo"));

        const RegionProvinces lone = provincesOfRegion(3);
        QCOMPARE(lone.count(), 1);
        QCOMPARE(lone.firstCode, 7);
        QCOMPARE(lone.listName(1), padTo("Region 3 de Ejemplo", 55));
        QCOMPARE(regionName(19), QByteArray("Region 19 de Ejemplo"));
        QCOMPARE(provinceKeyOf(13).longNames, true);
        QCOMPARE(provinceKeyOf(12).longNames, false);
        QCOMPARE(provinceKeyOf(65).isValid(), false);
    }

    void provinceCodesBetweenRegionsCountForTheEarlierOne()
    {
        testsupport::ScratchDir dir;
        fillRegions();
        // Code 3 ("39") lies between region 1's first code (1) and region 2's (4).
        loadList("lu3",
                 {placeLine('9', "Sevilla", "IES Uno", "954000001"),
                  placeLine('2', "Melilla", "IES Dos", "952000002"),
                  placeLine('1', "Melilla", "IES Tres", "952000003"),
                  placeLine('A', "Huesca", "IES Cuatro", "974000004")});
        teach(3, 1, {5});
        teach(3, 2, {7});
        teach(3, 4, {7});
        auto teaching = regionsTeaching(content().datluggm, 5);
        QVERIFY(teaching[1]);
        QVERIFY(!teaching[2]);
        // Region 19 is searched on its first code (63, "31") only, not on 64 ("32").
        teaching = regionsTeaching(content().datluggm, 7);
        QVERIFY(!teaching[19]);
        QVERIFY(teaching[2]);
        teach(3, 3, {7});
        QVERIFY(regionsTeaching(content().datluggm, 7)[19]);
    }

    void localitiesAreRunsOfEqualNamesOnTheirWidth()
    {
        testsupport::ScratchDir dir;
        // "I" files a province read 17 wide; "J" is a heading key of lu1,
        // read whole with 35-character localities.
        loadList("lu1",
                 {placeLine('I', "Villanueva de la Serena", "IES A", "1"),
                  placeLine('I', "Villanueva de la Canada", "IES B", "2"),
                  placeLine('I', "Merida", "IES Sin Ciclos", "3"), placeLine('I', "Merida", "IES C", "4"),
                  placeLine('I', "Villanueva de la Serena", "IES D", "5"),
                  placeLine('J', "Villanueva de la Serena", "A", "6", 35),
                  placeLine('J', "Villanueva de la Canada", "B", "7", 35)});
        for (int p : {1, 2, 4, 5, 6, 7})
            teach(1, p, {10 + p});

        const ProvincePlaces shortNames = placesOfProvince(content().datluggm, provinceKeyOf(12));
        QCOMPARE(shortNames.places, (std::vector<int>{1, 2, 4, 5}));
        QCOMPARE(shortNames.localities.size(), size_t(3));
        QCOMPARE(shortNames.localities[0].name, QByteArray("Villanueva de la "));
        QCOMPARE(shortNames.localities[1].name, padTo("Merida", 17));
        QCOMPARE(shortNames.localities[1].firstPlace, 4);
        QCOMPARE(shortNames.localities[2].firstPlace, 5);

        const ProvincePlaces longNames = placesOfProvince(content().datluggm, provinceKeyOf(13));
        QCOMPARE(longNames.localities.size(), size_t(2));
        QCOMPARE(longNames.localities[1].name, padTo("Villanueva de la Canada", 35));
    }

    void placeNamesAreCutByCharacterThenShownInUtfMode()
    {
        testsupport::ScratchDir dir;
        // "Alcal\xe1 de Henares" fills the 17 characters of a locality; in
        // UTF-8 it takes 18 bytes, and none of them is lost.
        loadList("lu1", {placeLine('I', "Alcal\xe1 de Henares", "IES Complutense", "918000001")});
        teach(1, 1, {3});
        setUtfMode(true);
        const ProvincePlaces province = placesOfProvince(content().datluggm, provinceKeyOf(12));
        QCOMPARE(province.localities.front().name, QByteArray("Alcal\xc3\xa1 de Henares"));
        const ProvinceGrid grid = gridOfProvince(content().datluggm, province, 1, titleName);
        QCOMPARE(grid.rows.front().text, "-Alcal\xc3\xa1 de Henares" + padTo("IES Complutense", 26));
    }

    void provinceGridListsEachCentreWithItsTitles()
    {
        testsupport::ScratchDir dir;
        loadList("lu1",
                 {placeLine('I', "Badajoz", "IES Zurbaran", "924000001"),
                  placeLine('I', "Merida", "IES Emerita", "924000002")});
        teach(1, 1, {3});
        teach(1, 2, {4, 9});
        const ProvincePlaces province = placesOfProvince(content().datluggm, provinceKeyOf(12));
        const ProvinceGrid grid = gridOfProvince(content().datluggm, province, 2, titleName);
        QCOMPARE(texts(grid.rows),
                 (QStringList{"-" + padTo("Badajoz", 17) + padTo("IES Zurbaran", 26), "Titulo 3",
                              QString(60, ' '), "-" + padTo("Merida", 17) + padTo("IES Emerita", 26),
                              "Titulo 4", "Titulo 9", QString(60, ' ')}));
        QCOMPARE(grid.targetRow, 3);
        QCOMPARE(grid.rows[3].telephone, QByteArray("924000002"));
        QCOMPARE(grid.rows[5].title, 9);
        QCOMPARE(grid.rows[3].title, 0);
    }

    void regionCentresAreHeadedByProvinceOnlyWhenFound()
    {
        testsupport::ScratchDir dir;
        fillRegions({"01Almeria", "01Cadiz", "01Cordoba"});
        // Provinces 1-3 are filed under "7", "8", "9" of lu3.
        loadList("lu3",
                 {placeLine('7', "Almeria", "IES Uno", "950000001"),
                  placeLine('9', "Cordoba", "IES Dos", "957000002"),
                  placeLine('9', "Lucena", "IES Tres", "957000003")});
        teach(3, 1, {4});
        teach(3, 2, {5});
        teach(3, 3, {5, 4});
        const std::vector<ListingRow> rows =
            centresTeachingInRegion(content().datluggm, provincesOfRegion(1), 5);
        QCOMPARE(texts(rows),
                 (QStringList{"- " + padTo("Cordoba", 35) + QString(7, ' '),
                              padTo("Cordoba", 17) + padTo("IES Dos", 26),
                              padTo("Lucena", 17) + padTo("IES Tres", 26), QString(60, ' ')}));
        QCOMPARE(rows[2].telephone, QByteArray("957000003"));
        QVERIFY(centresTeachingInRegion(content().datluggm, provincesOfRegion(1), 8).empty());
    }

    void printedListingsKeepTheirLimits()
    {
        Lines rows = {"a", "", "b"};
        for (int i = 0; i < 12; ++i)
            rows.push_back(QByteArray(60, ' '));
        trimTrailingBlankRows(rows);
        QCOMPARE(rows.size(), size_t(5));
        trimTrailingBlankRows(rows);
        QCOMPARE(rows, (Lines{"a", "", "b"}));

        QVERIFY(!mustChooseRegions(150, true));
        QVERIFY(mustChooseRegions(151, true));
        QVERIFY(!mustChooseRegions(400, false));

        fillRegions();
        content().comunida.set(5, "10Castilla-La Mancha y sus alrededores de ejemplo");
        QCOMPARE(regionPrintHeading(5), QByteArray("***  CASTILLA-LA MANCHA Y SUS ALRED  ***"));
        QCOMPARE(printedRow({QByteArray(55, 'x'), "924000001", 0}), QByteArray(55, 'x') + "92400");
        QCOMPARE(printedRow({QByteArray(50, 'x'), "924000001", 0}, 44), QByteArray(44, 'x') + "924000001");
    }

    // A region's first row scrolls to the top of the list: blank rows are
    // appended only when too few rows follow it to fill the list.
    void rowsAppendedToScrollARegionToTheTop()
    {
        // Region headings at rows 2 and 40 of a 45-row list showing 19 rows.
        QCOMPARE(blankRowsToScrollToTop(45, 2, 19), 0);
        QCOMPARE(blankRowsToScrollToTop(45, 26, 19), 0);
        QCOMPARE(blankRowsToScrollToTop(45, 27, 19), 19);
        QCOMPARE(blankRowsToScrollToTop(45, 40, 19), 19);
        // A list that shows more rows is given a screenful of its own.
        QCOMPARE(blankRowsToScrollToTop(45, 20, 30), 30);
        QCOMPARE(blankRowsToScrollToTop(45, 15, 30), 0);
        // A short list shows no fewer than 19 rows' worth.
        QCOMPARE(blankRowsToScrollToTop(10, 5, 4), 19);
    }

    void middleQuestionnaireSeparatesAreasFromItems()
    {
        LineTable &cuesgm = content().cuesgm;
        MiddleQuestionnaire &q = content().middleQuestionnaire;
        for (int i = 1; i <= 11; ++i)
            cuesgm.set(i, padTo("Area " + QByteArray::number(i), 75));
        cuesgm.set(12, padTo("0T1 Cuidar enfermos", 75));
        cuesgm.set(13, padTo("A205Vender", 75));
        cuesgm.set(14, padTo("B?x Sin areas", 75));
        cuesgm.setCount(14);
        prepareMiddleQuestionnaire(cuesgm, q);
        QCOMPARE(cuesgm.count(), 3);
        QCOMPARE(cuesgm.at(2), padTo("A205Vender", 75));
        QCOMPARE(q.areas.at(11), padTo("Area 11", 75));
        QCOMPARE(q.firstArea[1], 1);
        QCOMPARE(q.secondArea[1], -1);
        QCOMPARE(q.firstArea[2], 0);
        QCOMPARE(q.secondArea[2], 5);
        QCOMPARE(q.firstArea[3], -1);

        cuesgm.setCount(11);
        prepareMiddleQuestionnaire(cuesgm, q);
        QCOMPARE(cuesgm.count(), 0);
        cuesgm.setCount(4);
        prepareMiddleQuestionnaire(cuesgm, q);
        QCOMPARE(cuesgm.count(), 0);
        QCOMPARE(q.areas.count(), 4);
    }
};

QTEST_GUILESS_MAIN(TestMapListings)
#include "tst_map_listings.moc"
