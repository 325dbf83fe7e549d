// The certificates' logic on small tables of its own: the families a group
// lists, the certificates of a family, the requirement text built from the
// codes, and the printed rows of a family.

#include "support/numbered_texts.h"

#include "data/text_bytes.h"
#include "explorers/certificate_catalogue.h"

#include <QtTest>

using namespace velmira;
using namespace velmira::certificates;

namespace {

using Lines = std::vector<QByteArray>;
using Numbers = std::vector<int>;

void fill(LineTable &table, const Lines &lines, int width)
{
    for (size_t i = 0; i < lines.size(); ++i)
        table.set(int(i) + 1, padTo(lines[i], width));
    table.setCount(int(lines.size()));
}

// Groups: 1 lists families A and B, 2 names A twice, 3 a letter no family has.
// certifica: family A at line 1 (certificates 2, 3), B at line 4 (5).
void fillCertificates()
{
    ContentTables &t = content();
    fill(t.certificaGroups, {"AB      Salud e imagen", "AA      Dos veces", "Z       Ninguna"}, 60);
    fill(t.certifica, {"A-Sanidad", "ACuidados auxiliares", "AFarmacia", "B-Imagen", "BPeluqueria"}, 60);
    fill(t.certificah,
         {"", "19 260 Cuidados basicos en centros sanitarios y en el domicilio del paciente dependiente",
          "3  120 Dispensacion", "", "2  300 Corte y peinado"},
         90);
    fill(t.certificateRequirements,
         {"1Sin requisitos", "2Graduado en ESO", "3Bachiller", "2Prueba de acceso de grado medio aprobada"},
         90);
}

} // namespace

class TestCertificateLogic : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::freshTablesWithNumberedTexts();
        fillCertificates();
    }

    void groupsListTheirFamiliesOncePerLetter()
    {
        QCOMPARE(groupName(1), QByteArray("Salud e imagen"));
        QCOMPARE(familiesOfGroup(1), (Numbers{1, 4}));
        QCOMPARE(familiesOfGroup(2), (Numbers{1, 1}));
        QCOMPARE(familiesOfGroup(3), Numbers{});
        QCOMPARE(rowText(1), QByteArray("-Sanidad"));
        QCOMPARE(certificatesOfFamily(1), (Numbers{2, 3}));
        // The last family runs to the end of the table.
        QCOMPARE(certificatesOfFamily(4), Numbers{5});
        QCOMPARE(rowText(5), QByteArray("Peluqueria"));
    }

    void requirementsComeFromTheCodesInOrder()
    {
        // Code 9 matches no label: only code 1's label shows.
        QCOMPARE(requirementText(2), QByteArray("Sin requisitos\r"));
        // Code 2 matches two labels: both, in table order, cut at character 28.
        QCOMPARE(requirementText(5), QByteArray("Graduado en ESO\rPrueba de acceso de grado m\r"));
        QCOMPARE(hoursOfCertificate(2), QByteArray("260"));
        QCOMPARE(hoursOfCertificate(3), QByteArray("120"));
        QCOMPARE(descriptionOfCertificate(3), QByteArray("Dispensacion"));
    }

    void familyReportListsEachCertificateWithItsDetails()
    {
        const Lines rows = familyReport(1, {2, 3});
        const Lines expected = {
            "T580",
            "T583:",
            "-Sanidad",
            "Cuidados auxiliares",
            "Cuidados basicos en centros sanitarios y en el domicilio del",
            "T581",
            "       Sin requisitos",
            "T582: 260",
            "",
            "Farmacia",
            "Dispensacion",
            "T581",
            "       Bachiller",
            "T582: 120",
            "",
        };
        QCOMPARE(rows, expected);
        // A label longer than the printed column is cut to 25 characters.
        QCOMPARE(familyReport(4, {5})[6], QByteArray("       Graduado en ESO"));
        QCOMPARE(familyReport(4, {5})[7], QByteArray("       Prueba de acceso de grado"));
    }
};

QTEST_GUILESS_MAIN(TestCertificateLogic)
#include "tst_certificate_logic.moc"
