// The artistic studies read from their files: sections, the schools of a
// plastic-arts title and of a region, music and dramatic-art places, and the
// printed kind.

#include "university_test_support.h"

#include "university/artistic_studies.h"

#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;

// Latin-1 bytes, as the files store them.
QByteArray latin1(const char *utf8) { return QString::fromUtf8(utf8).toLatin1(); }

// A school record: region, name (columns 3-24), telephone (25-33), titles from 41.
QByteArray school(const char *region, const QByteArray &name, const char *telephone, const char *titles)
{
    return region + padTo(name, 22) + padTo(telephone, 16) + titles;
}

// A plastic-arts file: general text, "f1", 17 titles, a line, the schools
// (columns: region, name 3-24, telephone 25-33, titles 41-50), a last line.
Lines plasticArtsFile()
{
    Lines file{"ARTES PLASTICAS", "Escuelas de Arte", "f1 Especialidades"};
    for (int t = 0; t < 17; ++t)
        file.push_back(QByteArray::number(t).rightJustified(2, '0') + "Titulo " + QByteArray::number(t)
                       + "   ");
    file.push_back("f2 Centros");
    file.push_back(school("01", latin1("E.A. de Almería"), "950000104", "0001"));
    file.push_back(school("01", "E.A. de Sevilla", "954000101", "0002"));
    file.push_back(school("02", "E.A. de Huesca", "974000106", "02"));
    file.push_back(school("01", "E.A. de Jerez", "956000103", "0001"));
    file.push_back("Telefonos ficticios");
    return file;
}

Lines musicFile()
{
    return {"MUSICA",
            "f1",
            "- Composicion",
            "f2",
            "01CSM de Sevilla http://www.sevilla.es",
            "01CSM de Malaga http://www.malaga.es",
            "02Sin web",
            "13RCSM Madrid http://www.rcsmm.eu"};
}

Lines dramaticFile()
{
    Lines file{"ARTE DRAMATICO", "f1", "- Interpretacion", "f2", "Titulos:"};
    for (int t = 0; t < 8; ++t)
        file.push_back(" Nombre " + QByteArray::number(t));
    file.push_back("-RESAD, Madrid           910000201      025");
    file.push_back("http://www.resad.es");
    file.push_back("-ESAD de Murcia          968000206      ");
    return file;
}

} // namespace

class TestArtisticStudies : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        unitest::freshTables();
        content().comunida.set(1, latin1("01Andalucía"));
        content().comunida.set(2, "02Aragon");
        content().comunida.set(13, "13Madrid");
    }

    void sectionsAreSplitAtTheirMarks()
    {
        const ArtisticStudy music = readArtisticStudy(ArtisticKind::Music, musicFile());
        QCOMPARE(artisticGeneralText(music), Lines{"MUSICA"});
        QCOMPARE(artisticSpecialities(music), Lines{"- Composicion"});
        // Without marks the whole file is the general text.
        const ArtisticStudy plain = readArtisticStudy(ArtisticKind::Dance, {"uno", "dos"});
        QCOMPARE(artisticGeneralText(plain), (Lines{"uno", "dos"}));
        QVERIFY(artisticSpecialities(plain).empty() && artisticPlaces(plain).empty());
    }

    void plasticArtsSchoolsOfATitleShareTheirRegionsHeading()
    {
        const ArtisticStudy study = readArtisticStudy(ArtisticKind::PlasticArts, plasticArtsFile());
        QCOMPARE(plasticArtsTitles(study).size(), size_t(17));
        QCOMPARE(plasticArtsTitles(study)[2], QByteArray("Titulo 2"));
        // Title 1: two schools of region 1 under one heading; title 2: a
        // heading for each region.
        QCOMPARE(plasticSchoolsOfTitle(study, 1),
                 (Lines{latin1("- Andalucía"), latin1("   E.A. de Almería  -  Tel. 950000104"),
                        "   E.A. de Jerez  -  Tel. 956000103"}));
        QCOMPARE(plasticSchoolsOfTitle(study, 2),
                 (Lines{latin1("- Andalucía"), "   E.A. de Sevilla  -  Tel. 954000101", "- Aragon",
                        "   E.A. de Huesca  -  Tel. 974000106"}));
        // The last line of the file is no school.
        QVERIFY(plasticSchoolsOfRegion(study, 0).empty());
        QCOMPARE(plasticSchoolsOfRegion(study, 2),
                 (Lines{"-   E.A. de Huesca  -  Tel. 974000106", "Titulo 2"}));
    }

    // In UTF mode the names are converted, while the telephone and the title
    // numbers still come from the columns of the stored line.
    void utfModeConvertsNamesButReadsColumnsFromTheStoredBytes()
    {
        setUtfMode(true);
        const ArtisticStudy study = readArtisticStudy(ArtisticKind::PlasticArts, plasticArtsFile());
        QCOMPARE(plasticSchoolsOfRegion(study, 1).front(),
                 QByteArray("-   E.A. de Almería  -  Tel. 950000104"));
        QCOMPARE(study.schools[1].titles, (std::vector<int>{0, 1}));
        QCOMPARE(artisticGeneralText(readArtisticStudy(ArtisticKind::Dance, {latin1("Danza clásica")})),
                 Lines{"Danza clásica"});
    }

    void musicPlacesHeadTheirRegionAndGiveTheAddressItsOwnLine()
    {
        const ArtisticStudy music = readArtisticStudy(ArtisticKind::Music, musicFile());
        QCOMPARE(
            artisticPlaces(music),
            (Lines{latin1("- Andalucía"), "  CSM de Sevilla", "http://www.sevilla.es", "  CSM de Malaga",
                   "http://www.malaga.es", "- Aragon", "- Madrid", "  RCSM Madrid", "http://www.rcsmm.eu"}));
    }

    void dramaticSchoolsListTheirTitlesAndTelephone()
    {
        const ArtisticStudy drama = readArtisticStudy(ArtisticKind::DramaticArt, dramaticFile());
        QCOMPARE(drama.titleNames.size(), size_t(8));
        QCOMPARE(artisticPlaces(drama),
                 (Lines{"-RESAD, Madrid            Nombre 0", "   Nombre 2", "   Nombre 5", "Tel. 910000201",
                        "http://www.resad.es", "-ESAD de Murcia", "Tel. 968000206"}));
    }

    void printedKindsAndTheirBoldRows()
    {
        const ArtisticStudy study = readArtisticStudy(ArtisticKind::PlasticArts, plasticArtsFile());
        const ListingReport plastic = artisticReport(study, 2);
        QCOMPARE(plastic.title, QByteArray("T529"));
        QCOMPARE(plastic.rows,
                 (Lines{"", "ARTES PLASTICAS", "Escuelas de Arte", "T593",
                        "-   E.A. de Huesca  -  Tel. 974000106", "Titulo 2"}));
        QCOMPARE(plastic.boldRows, std::set<int>{5});

        const ListingReport music = artisticReport(readArtisticStudy(ArtisticKind::Music, musicFile()), 0);
        QCOMPARE(music.title, QByteArray("T530"));
        QCOMPARE(music.rows,
                 (Lines{"", "MUSICA", "- Composicion", "CSM de Sevilla http://www.sevilla.es",
                        "CSM de Malaga http://www.malaga.es", "Sin web", "RCSM Madrid http://www.rcsmm.eu"}));
        QCOMPARE(music.boldRows, std::set<int>{3});

        const ListingReport drama =
            artisticReport(readArtisticStudy(ArtisticKind::DramaticArt, dramaticFile()), 0);
        QCOMPARE(
            Lines(drama.rows.begin(), drama.rows.begin() + 5),
            (Lines{"", "ARTE DRAMATICO", "- Interpretacion", "T593", "-RESAD, Madrid            Nombre 0"}));
        QCOMPARE(drama.boldRows, (std::set<int>{3, 5, 10}));
    }
};

QTEST_GUILESS_MAIN(TestArtisticStudies)
#include "tst_artistic_studies.moc"
