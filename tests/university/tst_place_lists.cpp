// Starting from a place: map regions, the centres and double-degree groups
// of a region, the double degrees of a degree, and the other studies.

#include "university_test_support.h"

#include "data/map_geometry.h"
#include "university/place_lists.h"

#include <QtTest>

#include <tuple>

using namespace velmira;

using Lines = std::vector<QByteArray>;
using Numbers = std::vector<int>;

class TestPlaceLists : public QObject
{
    Q_OBJECT

private slots:
    void init() { unitest::freshTables(); }

    void mapPointerNamesRegionsAndTheIslandsActAsRegionOne()
    {
        // The middle of the first region rectangle that no earlier one covers.
        int r = 1;
        auto middle = [](int region) {
            const RegionRect rect = regionRect(region);
            return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        };
        while (r < kRegionCount && RegionAt(middle(r).x(), middle(r).y()) != r)
            ++r;
        QCOMPARE(hoveredRegion(middle(r).x() - 5, middle(r).y() - 90, 0), r);
        QCOMPARE(hoveredRegion(-1000, -1000, 7), 7);
        QCOMPARE(clickedRegion(18), 1);
        QCOMPARE(clickedRegion(19), 1);
        QCOMPARE(clickedRegion(5), 5);
        QCOMPARE(clickedRegion(0), 0);
    }

    void regionsListTheirCentresAndGroupsOrTheEmptyText()
    {
        Places &lugar = content().lugar;
        const Lines names = {"Sevilla", "Madrid", "Granada"};
        const int regions[] = {1, 13, 1};
        for (int c = 1; c <= 3; ++c) {
            lugar.names.set(c, names[c - 1]);
            lugar.region[c] = regions[c - 1];
        }
        lugar.names.setCount(3);
        DoubleDegrees &dobles = content().dobles;
        dobles.groupCount = 3;
        for (int g = 1; g <= 3; ++g) {
            dobles.code[g] = regions[g - 1];
            dobles.names.set(g, "Universidad " + names[g - 1]);
        }

        const NumberedLines centres = centresOfRegion(1);
        QCOMPARE(centres.lines, (Lines{"Sevilla", "Granada"}));
        QCOMPARE(centres.numbers, (Numbers{1, 3}));
        const NumberedLines groups = doubleDegreeGroupsOfRegion(1);
        QCOMPARE(groups.lines, (Lines{"Universidad Sevilla", "Universidad Granada"}));
        QCOMPARE(groups.numbers, (Numbers{1, 3}));

        for (const NumberedLines &none : {centresOfRegion(2), doubleDegreeGroupsOfRegion(2)}) {
            QCOMPARE(none.lines, Lines{"T292"});
            QCOMPARE(none.numbers, Numbers{0});
        }
    }

    void doubleDegreesAreFoundFromEitherMember()
    {
        const QByteArray longName = "Administracion y Direccion de Empresas Internacionales";
        unitest::setDegreeNames({"Derecho", "Fisica", longName, "Matematicas", "Historia", "Quimica"});
        DoubleDegrees &dobles = content().dobles;
        dobles.groupCount = 3;
        dobles.names.set(1, "Universidad A");
        dobles.names.set(2, "Universidad B");
        dobles.names.set(3, "Universidad C");
        dobles.memberCount = {0, 2, 1, 1};
        dobles.member(1, 1) = {0, 3, 1, "A1"};
        dobles.member(1, 2) = {0, 2, 4, "A2"};
        dobles.member(2, 1) = {0, 4, 3, "B1"};
        dobles.member(3, 1) = {0, 0, 5, "C1"};

        const NumberedLines marked = degreesWithDoubles();
        QCOMPARE(marked.lines, (Lines{"Derecho", "Fisica", longName, "Matematicas", "Historia"}));
        QCOMPARE(marked.numbers, (Numbers{1, 2, 3, 4, 5}));

        const QByteArray eight(8, ' ');
        QCOMPARE(
            doubleDegreesOfDegree(3),
            (Lines{eight + "Universidad A",
                   (" " + longName.left(30) + "...+ " + padTo("Derecho", 60)).left(70),
                   eight + "Universidad B", (" " + padTo("Matematicas", 30) + "...+ " + longName).left(70)}));
        QVERIFY(doubleDegreesOfDegree(6).empty());
        QCOMPARE(doubleDegreesOfDegree(5),
                 (Lines{eight + "Universidad C", " ...+ " + padTo("Historia", 60)}));
    }

    void otherStudyLinesEndBeforeTwoBlankSlots()
    {
        GroupedTable &asignaot = content().asignaot;
        asignaot.set(2, 1, "Linea a");
        asignaot.set(2, 3, "Linea c");
        asignaot.set(2, 4, QByteArray(16, ' ') + "hidden");
        asignaot.set(2, 6, "Linea f");
        QCOMPARE(otherStudyLines(2), (Lines{"Linea a", "", "Linea c"}));

        for (int slot = 1; slot <= 49; ++slot)
            asignaot.set(3, slot, "L" + QByteArray::number(slot));
        QCOMPARE(otherStudyLines(3).size(), size_t(50));
    }

    void otherStudyClicksAreClassifiedByIndexAndPrefix()
    {
        using A = OtherStudyAction;
        const std::tuple<int, QByteArray, bool, A, int> cases[] = {
            {2, "   Deportes", true, A::Nothing, 0},
            {0, "- 2 Cursos", false, A::DirectoryPage, 2},
            {2, "- 3", true, A::DirectoryPage, 3},
            {1, "- 4 Otros", false, A::ShowEntry, 0},
            {5, "Idiomas", false, A::ShowEntry, 0}};
        for (const auto &[index, line, pdf, action, page] : cases) {
            const OtherStudyClick click = classifyOtherStudyClick(index, line);
            QCOMPARE(std::tuple(click.openSportsDocument, click.action, click.directoryPage),
                     std::tuple(pdf, action, page));
        }
    }
};

QTEST_GUILESS_MAIN(TestPlaceLists)
#include "tst_place_lists.moc"
