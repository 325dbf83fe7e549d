// The families catalogue on a small installation of its own: which families
// the list shows, the five lists of a family (family "5" with its rows of
// related titles), the details of an entry of each list, and the printed
// catalogue with a section for each list that has entries.

#include "support/numbered_texts.h"

#include "data/text_bytes.h"
#include "data/university_tables.h"
#include "explorers/family_catalogue.h"

#include <QtTest>

#include <tuple>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;
using Numbers = std::vector<int>;

constexpr int kSanidad = 1; // familias lines
constexpr int kMecanica = 2;
constexpr int kServicios = 3;
constexpr int kVidrio = 4;

void setLines(LineTable &table, const Lines &lines, int width = 60)
{
    for (size_t i = 0; i < lines.size(); ++i)
        table.set(int(i) + 1, padTo(lines[i], width));
    table.setCount(int(lines.size()));
}

// Families 0 ("Sanidad"), 5, 10 ("A") and 26 ("Q"); degrees of families 0
// and 10; titles and headings of families 0 and 5 in both catalogues, the
// middle-grade one closed by its empty heading; programmes and certificates
// of family 0.
void fillInstallation()
{
    ContentTables &t = content();
    t.familias.set(kSanidad, "0Sanidad");
    t.familias.set(kMecanica, "5Fabricacion Mecanica");
    t.familias.set(kServicios, "AServicios Socioculturales");
    t.familias.set(kVidrio, "QVidrio y Ceramica");
    t.familias.set(30, "010200Salud y servicios");
    t.familias.setCount(38);

    setLines(t.carreran, {"Enfermeria", "Trabajo Social", "Medicina"});
    for (const auto &[degree, family, branch] :
         std::initializer_list<std::tuple<int, int, int>>{{1, 0, 4}, {2, 10, 3}, {3, 0, 4}}) {
        t.datgrados.set(degree, DegreeField::Family, family);
        universityData().branch[degree] = branch;
    }

    setLines(t.fp,
             {"-Sanidad", "Anatomia Patologica", "-Fabricacion Mecanica", "Construcciones Metalicas",
              "Energias Renovables"});
    for (const auto &[line, family] :
         std::initializer_list<std::pair<int, int>>{{1, 0}, {2, 0}, {3, 5}, {4, 5}, {5, 22}})
        t.datfps.set(line, 23, family);
    t.datfps.set(2, 4, 2); // requirements of title 2: reqfp lines 2 and 1
    t.datfps.set(2, 6, 1);
    t.datfps.set(4, 4, 1);
    setLines(t.reqfp, {"Bachillerato", "Prueba de acceso"}, 45);
    for (int m = 1; m <= 5; ++m) {
        t.asignafp.set(2, m, "Puesto " + QByteArray::number(m));
        t.asignafp.set(4, m, "Soldador " + QByteArray::number(m));
    }

    setLines(t.fp2, {"-Sanidad", "Farmacia", "-Fabricacion Mecanica", "Mecanizado", "-"});
    for (const auto &[line, family] :
         std::initializer_list<std::pair<int, int>>{{1, 0}, {2, 0}, {3, 5}, {4, 5}, {5, -1}})
        t.datfpm.set(line, 3, family);
    for (int m = 1; m <= 5; ++m)
        t.asignagm.set(2, m, "Tecnico " + QByteArray::number(m));

    setLines(t.fpip, {"0-Sanidad", "0Auxiliar de Clinica", "5-Fabricacion", "5Soldadura"});
    for (int m = 1; m <= 10; ++m)
        t.ipmodulos.set(10 + m, "Modulo " + QByteArray::number(m));
    setLines(t.certifica, {"0-Sanidad", "0Transporte Sanitario", "0Farmacia"});
    t.certificah.set(2, "AZB120 Traslado de pacientes");
    t.certificah.set(3, "    40 Dispensacion");
    t.certificah.setCount(3);
    setLines(t.certificateRequirements, {"AGraduado en ESO", "BPrueba de acceso", "ACertificado de nivel 1"},
             90);
    setLines(t.informa, {"38Tener 16 anos", "39Un oficio", "17Graduado en ESO", "18Otra cosa"});
}

Numbers linesOf(const CatalogueRows &rows)
{
    Numbers lines;
    for (const CatalogueRow &row : rows)
        lines.push_back(row.line);
    return lines;
}

Lines textsOf(const CatalogueRows &rows)
{
    Lines texts;
    for (const CatalogueRow &row : rows)
        texts.push_back(row.text);
    return texts;
}

Lines details(CatalogueList list, int familyLine, int row)
{
    const FamilyCatalogue catalogue = familyCatalogue(familyLine);
    return catalogueDetails(list, catalogue[list].at(row), content().familias.at(familyLine)[0]);
}

} // namespace

class TestFamilyCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::freshTablesWithNumberedTexts();
        fillInstallation();
    }

    void theListShowsTheFamiliesBeforeTheGroups()
    {
        QCOMPARE(catalogueFamilyLines(), (Numbers{kSanidad, kMecanica, kServicios, kVidrio}));
        QCOMPARE(catalogueFamilyName(kServicios), QByteArray("Servicios Socioculturales"));
        QCOMPARE(familyNumberOfCode('0'), 0);
        QCOMPARE(familyNumberOfCode('A'), 10);
        QCOMPARE(familyNumberOfCode('Q'), 26);
        QCOMPARE(familyNumberOfCode('R'), -1);
        QCOMPARE(familyNumberOfCode('-'), -1);
        QCOMPARE(catalogueFamilyIcon(0), 31);
        QCOMPARE(catalogueFamilyIcon(25), 42);
        QCOMPARE(catalogueFamilyIcon(26), -1);
    }

    void theFiveListsOfAFamily()
    {
        const FamilyCatalogue sanidad = familyCatalogue(kSanidad);
        QCOMPARE(linesOf(sanidad[DegreesList]), (Numbers{1, 3}));
        QCOMPARE(textsOf(sanidad[DegreesList]), (Lines{"Enfermeria", "Medicina"}));
        // Headings are no titles, whatever family their record names.
        QCOMPARE(linesOf(sanidad[HigherTitlesList]), Numbers{2});
        QCOMPARE(linesOf(sanidad[MiddleTitlesList]), Numbers{2});
        QCOMPARE(textsOf(sanidad[ProgrammesList]), Lines{"Auxiliar de Clinica"});
        QCOMPARE(linesOf(sanidad[ProgrammesList]), Numbers{2});
        QCOMPARE(linesOf(sanidad[CertificatesList]), (Numbers{2, 3}));

        // A family known by a letter, with degrees only.
        const FamilyCatalogue servicios = familyCatalogue(kServicios);
        QCOMPARE(linesOf(servicios[DegreesList]), Numbers{2});
        for (int list = HigherTitlesList; list < kCatalogueLists; ++list)
            QVERIFY(servicios[list].empty());
        QVERIFY(familyCatalogue(kVidrio)[DegreesList].empty());
    }

    void familyFiveAddsTheRelatedTitlesLast()
    {
        const FamilyCatalogue mecanica = familyCatalogue(kMecanica);
        QCOMPARE(textsOf(mecanica[HigherTitlesList]), (Lines{"Construcciones Metalicas", "T176"}));
        QCOMPARE(linesOf(mecanica[HigherTitlesList]), (Numbers{4, 5}));
        QCOMPARE(textsOf(mecanica[MiddleTitlesList]), (Lines{"Mecanizado", "T177"}));
        QCOMPARE(linesOf(mecanica[MiddleTitlesList]), (Numbers{4, 5}));
        QCOMPARE(textsOf(mecanica[ProgrammesList]), Lines{"Soldadura"});
        QVERIFY(mecanica[DegreesList].empty());
        QVERIFY(mecanica[CertificatesList].empty());
    }

    void theDetailsOfEachKind()
    {
        QCOMPARE(details(DegreesList, kSanidad, 1), (Lines{"T277", "", "T674", "", "T385", "T518"}));
        QCOMPARE(details(HigherTitlesList, kSanidad, 0),
                 (Lines{"T277", padTo("Prueba de acceso", 45), padTo("Bachillerato", 45), "", "T271",
                        "Puesto 1", "Puesto 2", "Puesto 3", "Puesto 4", "Puesto 5"}));
        // Family "5" shows the requirements alone.
        QCOMPARE(details(HigherTitlesList, kMecanica, 0), (Lines{"T277", padTo("Bachillerato", 45)}));
        QCOMPARE(details(MiddleTitlesList, kSanidad, 0),
                 (Lines{"T271", "Tecnico 1", "Tecnico 2", "Tecnico 3", "Tecnico 4", "Tecnico 5", "T277",
                        padTo("Graduado en ESO", 58)}));
        QCOMPARE(details(ProgrammesList, kSanidad, 0),
                 (Lines{"T67", "     Modulo 1", "     Modulo 2", "     Modulo 3", "     Modulo 4",
                        "     Modulo 5", padTo("Un oficio", 58), "T29", padTo("Tener 16 anos", 58)}));
        // Code A matches two labels, Z none; B one.
        QCOMPARE(details(CertificatesList, kSanidad, 0),
                 (Lines{"T29", "Graduado en ESO", "Certificado de nivel 1", "Prueba de acceso", "T582: 120",
                        "Traslado de pacientes"}));
        QCOMPARE(details(CertificatesList, kSanidad, 1), (Lines{"T29", "T582: 40", "Dispensacion"}));
    }

    void thePrintedCatalogueHasASectionPerListWithEntries()
    {
        const CatalogueReport servicios =
            catalogueReport(catalogueFamilyName(kServicios), familyCatalogue(kServicios));
        QCOMPARE(servicios.title, QByteArray("T103: Servicios Socioculturales"));
        QCOMPARE(servicios.rows, (Lines{"", "T299", " -Trabajo Social"}));
        QCOMPARE(servicios.sectionStarts, std::set<int>{2});

        const CatalogueReport mecanica =
            catalogueReport(catalogueFamilyName(kMecanica), familyCatalogue(kMecanica));
        QCOMPARE(mecanica.rows,
                 (Lines{"", "T47", " -Construcciones Metalicas", " -T176", "", "T113", " -Mecanizado",
                        " -T177", "", "T172", " -Soldadura"}));
        QCOMPARE(mecanica.sectionStarts, (std::set<int>{2, 6, 10}));

        const CatalogueReport sanidad =
            catalogueReport(catalogueFamilyName(kSanidad), familyCatalogue(kSanidad));
        QCOMPARE(sanidad.sectionStarts, (std::set<int>{2, 6, 9, 12, 15}));
        QCOMPARE(sanidad.rows.at(14), QByteArray("T580"));
        QCOMPARE(sanidad.rows.back(), QByteArray(" -Farmacia"));

        // A family with nothing prints its title alone.
        const CatalogueReport vidrio =
            catalogueReport(catalogueFamilyName(kVidrio), familyCatalogue(kVidrio));
        QVERIFY(vidrio.rows.empty() && vidrio.sectionStarts.empty());
    }
};

QTEST_GUILESS_MAIN(TestFamilyCatalogue)
#include "tst_family_catalogue.moc"
