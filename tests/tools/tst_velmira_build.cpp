// The content builder: fixed-column output, refusals with file and line,
// and the numbers it derives from keys.

#include "degrees.h"
#include "families.h"
#include "interface_texts_source.h"
#include "list_layouts.h"
#include "places.h"
#include "professions.h"
#include "regions.h"
#include "source_error.h"
#include "sources.h"

#include "data/record_files.h"

#include <QtEndian>
#include <QtTest>

#include "region_sources.h"

using namespace velmira::build;

namespace {

SourceSet catalogueSources()
{
    SourceSet set = regionSources();
    set.files.insert(QStringLiteral("activities.txt"),
                     "#fields: code | name\nSANI | Sanidad\nEDUC | Educación\n");
    set.files.insert(QStringLiteral("short-statements.txt"),
                     "#fields: key | activity1 | activity2 | text\n"
                     "cuidar | SANI | ~ | Me gusta cuidar a otras personas\n"
                     "ensenar | EDUC | SANI | Me gusta explicar cosas\n");
    set.files.insert(QStringLiteral("long-statements.txt"),
                     "#fields: text | activities\nAyudar a los demás | SANI, EDUC\n");
    set.files.insert(QStringLiteral("professions.txt"),
                     "#fields: key | activity1 | activity2 | name | statements | levels\n"
                     "medico | SANI | ~ | Médico | cuidar | degree\n"
                     "maestro | EDUC | ~ | Maestro | ensenar, cuidar | degree, higher\n");
    set.files.insert(QStringLiteral("families.txt"), "#fields: code | name\n0 | Sanidad\nA | Educación\n");
    set.files.insert(QStringLiteral("degree-groups.txt"),
                     "#fields: key | name\nsalud | Ciencias de la Salud\n");
    set.files.insert(QStringLiteral("bachillerato-subjects.txt"),
                     "#fields: key | name\nbio | Biología\nqui | Química\n");
    set.files.insert(
        QStringLiteral("degrees.txt"),
        "#fields: key | name | branch | years | group | itineraries | professions | family | subjects\n"
        "medicina | Medicina | 3 | 6 | salud | 4, 5 | medico | 0 | bio, qui\n"
        "magisterio | Psicopedagogía | 4 | 4 | ~ | 9 | maestro | A | *\n");
    set.files.insert(QStringLiteral("degree-centres.txt"),
                     "#fields: degree | university | mark\n"
                     "medicina | usal | 11,9\nmedicina | ucm | 12,1\nmagisterio | usal | -\n");
    set.files.insert(QStringLiteral("double-degrees.txt"),
                     "#fields: university | first | second | tag\nusal | medicina | magisterio | AB12\n");
    return set;
}

Degrees compileSampleDegrees(const SourceSet &set)
{
    const Regions regions = compileRegions(set);
    return compileDegrees(set, regions, compileProfessions(set), compileFamilies(set));
}

std::int32_t intAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<std::int32_t>(bytes.constData() + offset);
}

QString refusal(const std::function<void()> &compile)
{
    try {
        compile();
    } catch (const SourceError &e) {
        return e.message();
    }
    return QStringLiteral("accepted");
}

} // namespace

class TestVelmiraBuild : public QObject
{
    Q_OBJECT

private slots:
    void placesAreFixedColumnLatin1()
    {
        const Regions regions = compileRegions(regionSources());
        QCOMPARE(regions.lugar.size(), 2);
        QCOMPARE(regions.lugar[0],
                 QByteArray("08Universidad de Salamanca") + QByteArray(11, ' ') + "usal.es");
        QCOMPARE(regions.lugar[0].mid(2, 9), QByteArray("Universid"));
        // "Región" is stored with its Latin-1 accented letter, one byte.
        QCOMPARE(regions.comunida[0], QByteArray("01Regi\xf3n 1"));
        QCOMPARE(regions.comuint[0], QByteArray("01") + QByteArray(12, ' ') + "www.region1.es");
    }

    void provinceCodesFollowTheirOrder()
    {
        const Regions regions = compileRegions(regionSources());
        QCOMPARE(regions.comunida.size(), 19 + 20);
        // Madrid's second province takes the code after its first; region 14's
        // first province comes after both.
        const int madrid = regions.provinceCodes.value(QStringLiteral("Provincia 13"));
        QCOMPARE(regions.provinceCodes.value(QStringLiteral("Provincia 13 bis")), madrid + 1);
        QVERIFY(regions.provinceCodes.value(QStringLiteral("Provincia 14")) > madrid + 1);
        QCOMPARE(regions.comunida[13].left(2).toInt(),
                 regions.provinceCodes.value(QStringLiteral("Provincia 14")));
        QCOMPARE(regions.comunida[19 + 13], QByteArray("13Provincia 13 bis"));
        QCOMPARE(regions.universityRegions, (QList<int>{8, 13}));
    }

    void degreeRowsDeriveNumbersFromKeys()
    {
        const Degrees degrees = compileSampleDegrees(catalogueSources());
        QCOMPARE(degrees.carreran,
                 (QList<QByteArray>{"Medicina",
                                    "Psicopedagog\xed"
                                    "a"}));
        velmira::DegreeRows rows;
        rows.fillFrom(degrees.datgrados.constData());
        QCOMPARE(degrees.datgrados.size(), 16800);
        QCOMPARE(rows.at(1, velmira::DegreeField::Branch), 3);
        QCOMPARE(rows.at(1, velmira::DegreeField::Group), 1);
        QCOMPARE(rows.at(1, velmira::DegreeField::SecondItinerary), 5);
        QCOMPARE(rows.at(2, velmira::DegreeField::FirstProfession), 2);
        QCOMPARE(rows.at(2, velmira::DegreeField::Family), 10);
        QCOMPARE(rows.at(1, velmira::DegreeField::OutletCode), 1);
        QCOMPARE(rows.at(2, velmira::DegreeField::OutletCode), 2);
        QCOMPARE(rows.at(1, velmira::DegreeField::FirstSubject + 1), 2);
        QCOMPARE(rows.at(2, velmira::DegreeField::FirstSubject), 50);
    }

    void degreeNumbersFollowTheCastilianAlphabetInEveryLanguage()
    {
        SourceSet set = catalogueSources();
        set.files[QStringLiteral("degrees.txt")].replace("magisterio | Psicopedagog\xc3\xad"
                                                         "a",
                                                         "magisterio | Maestro en Educaci\xc3\xb3n Primaria");
        set.files.insert(QStringLiteral("euskera/degrees.txt"),
                         "#fields: key | name\nmagisterio | Lehen Hezkuntzako Irakaslea\n");
        for (const QString language : {"", "euskera"}) {
            set.language = language;
            const Degrees degrees = compileSampleDegrees(set);
            QCOMPARE(degrees.carreran.first(),
                     language.isEmpty() ? QByteArray("Maestro en Educaci\xf3n Primaria")
                                        : QByteArray("Lehen Hezkuntzako Irakaslea"));
            // Medicine, now degree 2, keeps its two centres and its outlet code.
            QCOMPARE(static_cast<unsigned char>(degrees.datcarn[101]), 2);
            QCOMPARE(intAt(degrees.datgrados, (14 + velmira::DegreeField::OutletCode) * 4), 2);
        }
    }

    void centresAndMarksFillTheirBlocks()
    {
        const Degrees degrees = compileSampleDegrees(catalogueSources());
        QCOMPARE(degrees.datcarn.size(), 5 * 30300);
        const auto byte = [&](int block, int degree, int k) {
            return int(static_cast<unsigned char>(degrees.datcarn[block * 30300 + (degree - 1) * 101 + k]));
        };
        QCOMPARE(byte(0, 1, 0), 2);
        QCOMPARE(byte(0, 1, 1), 1);
        QCOMPARE(byte(0, 1, 2), 2);
        QCOMPARE(byte(2, 1, 1), 119);
        QCOMPARE(byte(2, 1, 2), 121);
        QCOMPARE(byte(2, 2, 1), 10); // "-" is the no-mark value
    }

    void doubleDegreesNameOutletCodes()
    {
        const Degrees degrees = compileSampleDegrees(catalogueSources());
        QCOMPARE(degrees.dobles.size(), 2);
        QCOMPARE(degrees.dobles[0], QByteArray("08Universidad de Salamanca"));
        QCOMPARE(degrees.dobles[1], QByteArray("    001002AB12"));
    }

    void professionsPointAtTheirStatements()
    {
        const Professions professions = compileProfessions(catalogueSources());
        QCOMPARE(professions.profesio[1], QByteArray("EDUC      Maestro") + QByteArray(33, ' ') + "  2  1");
        QCOMPARE(professions.fracortas[0], QByteArray("SANI      Me gusta cuidar a otras personas"));
        QCOMPARE(professions.fralargas[0].mid(115), QByteArray("SANI EDUC"));
    }

    void studiesNameOnlyProfessionsOfTheirLevel()
    {
        SourceSet set = catalogueSources();
        set.files[QStringLiteral("professions.txt")].replace("cuidar | degree\n",
                                                             "cuidar | higher, middle\n");
        QCOMPARE(refusal([&] { compileSampleDegrees(set); }),
                 QStringLiteral(
                     "content/degrees.txt:2: field 'professions': profession 'medico' is not one that a "
                     "degree leads to (see its levels)"));
        set.files[QStringLiteral("professions.txt")].replace("higher, middle", "bachelor");
        QCOMPARE(
            refusal([&] { compileProfessions(set); }),
            QStringLiteral(
                "content/professions.txt:2: field 'levels': \"bachelor\" is not degree, higher or middle"));
    }

    void listLayoutsPlaceColumns()
    {
        SourceSet set;
        set.files.insert(QStringLiteral("informa.txt"), "#fields: code | text\n7 | Grado en Física\n");
        const ListLayout layout{
            QStringLiteral("informa.txt"),
            QStringLiteral("informa"),
            Translation::ByKey,
            {{QStringLiteral("code"), 1, 2, Column::Number, 1, 99}, {QStringLiteral("text"), 3, 58}}};
        const QList<QByteArray> lines = compileList(set.table(layout.source, layoutFields(layout)), layout);
        QCOMPARE(lines, QList<QByteArray>{QByteArray(" 7Grado en F\xedsica")});
    }

    void numberedListsLeaveGapsEmpty()
    {
        SourceSet set;
        set.files.insert(QStringLiteral("textos.txt"),
                         "#fields: line | text\n3 | Cerrar\n1 | \"  Programas\"\n");
        const QList<QByteArray> lines =
            compileInterfaceTexts(set.table(QStringLiteral("textos.txt"), interfaceTextFields()));
        QCOMPARE(lines, (QList<QByteArray>{"  Programas", "", "Cerrar"}));
    }

    void tooLongFieldIsRefusedWithFileAndLine()
    {
        SourceSet set = regionSources();
        set.files[QStringLiteral("universities.txt")] +=
            "long | 1 | Universidad de un nombre larguísimo que no cabe | x.es\n";
        QCOMPARE(
            refusal([&] { compileRegions(set); }),
            QStringLiteral("content/universities.txt:6: field 'name' is 47 characters long; at most 35 fit"));
    }

    void textLongerThanItsSlotIsRefused()
    {
        SourceSet set;
        set.files.insert(QStringLiteral("textos.txt"), "#fields: line | text\n\n2 | Bachillerato\n");
        QCOMPARE(refusal([&] {
                     compileInterfaceTexts(set.table(QStringLiteral("textos.txt"), interfaceTextFields()));
                 }),
                 QStringLiteral("content/textos.txt:3: field 'text' is 12 characters long; at most 6 fit"));
    }

    void numberOutOfRangeIsRefused()
    {
        SourceSet set = catalogueSources();
        set.files[QStringLiteral("degrees.txt")].replace("| 3 | 6 | salud", "| 6 | 6 | salud");
        QCOMPARE(refusal([&] { compileSampleDegrees(set); }),
                 QStringLiteral("content/degrees.txt:2: field 'branch': 6 is out of range 1-5"));
    }

    void unknownKeyIsRefused()
    {
        SourceSet set = catalogueSources();
        set.files[QStringLiteral("degree-centres.txt")] += "medicina | uam | 10,5\n";
        QCOMPARE(
            refusal([&] { compileSampleDegrees(set); }),
            QStringLiteral("content/degree-centres.txt:5: field 'university': unknown university 'uam'"));
    }

    void characterOutsideLatin1IsRefused()
    {
        SourceSet set = catalogueSources();
        set.files[QStringLiteral("activities.txt")] += "OTRO | Economía € y empresa\n";
        QCOMPARE(refusal([&] { compileProfessions(set); }),
                 QStringLiteral("content/activities.txt:4: field 'name': character '€' (U+20ac) cannot be "
                                "stored in Latin-1 text"));
    }

    void wrongHeaderIsRefused()
    {
        SourceSet set = regionSources();
        set.files[QStringLiteral("provinces.txt")].replace("#fields: region | name",
                                                           "#fields: name | region");
        QCOMPARE(refusal([&] { compileRegions(set); }),
                 QStringLiteral("content/provinces.txt:1: the header must be \"#fields: region | name\""));
    }
};

QTEST_GUILESS_MAIN(TestVelmiraBuild)
#include "tst_velmira_build.moc"
