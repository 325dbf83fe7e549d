// The initial programmes on a small installation of their own: the nine
// groups, the programme list of a group in three passes, the group that
// lists centres by place, and the printed programme with its region.

#include "support/numbered_texts.h"

#include "data/text_bytes.h"
#include "explorers/initial_programme_catalogue.h"
#include "explorers/initial_programme_report.h"

#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;
using Numbers = std::vector<int>;

void setLines(LineTable &table, const Lines &lines, int width = 60)
{
    for (size_t i = 0; i < lines.size(); ++i)
        table.set(int(i) + 1, width > 0 ? padTo(lines[i], width) : lines[i]);
    table.setCount(int(lines.size()));
}

// Group 1 passes families B, 6, G; group 2 lists centres by place; group 3
// names family 7 twice; group 4 a family with no programme.
void fillInstallation()
{
    ContentTables &t = content();
    setLines(t.fpipGroups,
             {"B6G Imagen y hosteleria", "0   Donde se imparten", "7B7 Comercio e imagen", "Z   Nada"});
    setLines(t.fpip,
             {"6-Hosteleria", "6Ayudante de Cocina", "B-Imagen Personal", "BAuxiliar de Peluqueria",
              "7Auxiliar de Comercio", "GPanaderia", "BAuxiliar de Estetica"});
    for (int m = 1; m <= 10; ++m)
        t.ipmodulos.set(10 + m, "Linea " + QByteArray::number(m)); // programme 2
    setLines(t.informa, {"38Tener 16 anos", "17Otra cosa", "39Un oficio", "38Sin titulo"}, 0);
    t.comunida.set(3, "22Castilla y Leon");
}

} // namespace

class TestInitialProgrammeLogic : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::freshTablesWithNumberedTexts();
        fillInstallation();
    }

    void groupsListTheirProgrammesInThreePasses()
    {
        QCOMPARE(programmes::groupName(1), QByteArray("Imagen y hosteleria"));
        // First every line of family B, then of 6, then of G, each in table order.
        QCOMPARE(programmes::linesOfGroup(1), (Numbers{3, 4, 7, 1, 2, 6}));
        // A family named twice is listed once per pass.
        QCOMPARE(programmes::linesOfGroup(3), (Numbers{5, 3, 4, 7, 5}));
        QCOMPARE(programmes::linesOfGroup(4), Numbers{});

        QVERIFY(programmes::opensByPlace(2));
        QVERIFY(!programmes::opensByPlace(1) && !programmes::opensByPlace(3));

        QVERIFY(programmes::isHeading(1) && programmes::isHeading(3));
        QVERIFY(!programmes::isHeading(2));
        QCOMPARE(programmes::lineName(3), QByteArray("-Imagen Personal"));
        QCOMPARE(programmes::lineName(2), QByteArray("Ayudante de Cocina"));
    }

    void detailsOfAProgramme()
    {
        QCOMPARE(programmeRequirementLines(), (Lines{"Tener 16 anos", "Sin titulo"}));
        QCOMPARE(programmeStudyLines(), (Lines{"T67", "Un oficio"}));
        QCOMPARE(programmeModuleLines(2),
                 (Lines{"T67", "Linea 1", "Linea 2", "Linea 3", "Linea 4", "Linea 5", "T199", "Linea 6",
                        "Linea 7", "Linea 8", "Linea 9", "Linea 10"}));
    }

    void theReportPrintsTheProgrammeAndTheCentresOfItsRegion()
    {
        const ListingRow centre{"-Leon - IES Uno" + QByteArray(40, ' ') + "Calle", "987000001", 0};
        const ExplorerReport report = programmeReport(2, 3, {centre, {"Ayudante de Cocina", {}, 2}});
        QCOMPARE(report.title, QByteArray("Ayudante de Cocina (T172)"));
        const Lines expected = {"** T29 **",
                                "Tener 16 anos",
                                "Sin titulo",
                                {},
                                "** T312 **",
                                "Un oficio",
                                {},
                                "T67",
                                "Linea 1",
                                "Linea 2",
                                "Linea 3",
                                "Linea 4",
                                "Linea 5",
                                {},
                                "** T199 **",
                                "Linea 6",
                                "Linea 7",
                                "Linea 8",
                                "Linea 9",
                                "Linea 10",
                                {},
                                {},
                                "T323",
                                "***  CASTILLA Y LEON  ***",
                                "-Leon - IES Uno" + QByteArray(29, ' ') + "  987000001",
                                "Ayudante de Cocina  "};
        QCOMPARE(report.rows, expected);

        // A region with no centre prints what the grid said.
        const ExplorerReport none = programmeReport(2, 3, {});
        QCOMPARE(none.rows.back(), QByteArray("T292"));
        QCOMPARE(none.rows.at(none.rows.size() - 2), QByteArray("***  CASTILLA Y LEON  ***"));
    }
};

QTEST_GUILESS_MAIN(TestInitialProgrammeLogic)
#include "tst_initial_programme_logic.moc"
