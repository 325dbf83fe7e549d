// The vocational catalogues as compiled from their sources: job positions
// and modules in their slots, the closing line of "fp2", the family groups
// that must open the same families in both catalogues, and the place lines
// that are read whole.

#include "eso_title_lists.h"
#include "families.h"
#include "places.h"
#include "professions.h"
#include "regions.h"
#include "short_catalogues.h"
#include "source_error.h"
#include "vocational_titles.h"

#include "data/record_files.h"

#include <QtTest>

#include <cstring>

using namespace velmira::build;

namespace {

// Integer k of row `row` (rows from 1) of a record file.
int32_t recordInt(const QByteArray &bytes, int row, int integersPerRow, int k)
{
    int32_t value = 0;
    std::memcpy(&value, bytes.constData() + ((row - 1) * integersPerRow + k) * 4, 4);
    return value;
}

SourceSet catalogueSources(const QByteArray &higherTitles, const QByteArray &middleTitles)
{
    SourceSet sources;
    sources.files[QStringLiteral("families.txt")] = "#fields: code | name\n0 | Sanidad\n3 | Informática\n";
    sources.files[QStringLiteral("higher-requirements.txt")] =
        "#fields: key | text\nbach | Título de Bachiller\n";
    sources.files[QStringLiteral("higher-titles.txt")] =
        "#fields: key | name | family | itineraries | requirements | professions\n" + higherTitles;
    sources.files[QStringLiteral("higher-subjects.txt")] = "#fields: title | kind | text\n"
                                                           "dam | subject | Programación\n"
                                                           "dam | job | Programador\n";
    sources.files[QStringLiteral("middle-titles.txt")] =
        "#fields: key | name | family | professions\n" + middleTitles;
    sources.files[QStringLiteral("middle-modules.txt")] = "#fields: title | kind | text\n"
                                                          "smr | job | Técnico de redes\n"
                                                          "smr | subject | Redes locales\n";
    sources.files[QStringLiteral("family-groups.txt")] = "#fields: families | name\n"
                                                         "salud | Salud\n"
                                                         "info | Informática\n"
                                                         "~ | Tercero\n~ | Cuarto\n~ | Quinto\n~ | Sexto\n"
                                                         "~ | Séptimo\n~ | Octavo\n~ | Noveno\n";
    return sources;
}

const QByteArray kHigher = "salud | -Sanidad | 0 | ~ | ~ | ~\n"
                           "info | -Informática | 3 | ~ | ~ | ~\n"
                           "dam | Desarrollo de Aplicaciones Multiplataforma | 3 | 1 | bach | ~\n";
const QByteArray kMiddle = "salud | -Sanidad | 0 | ~\n"
                           "info | -Informática | 3 | ~\n"
                           "smr | Sistemas Microinformáticos y Redes | 3 | ~\n";

QString familyFileRefusal(const SourceSet &sources)
{
    const Families families = compileFamilies(sources);
    const Professions professions;
    const HigherTitles higher = compileHigherTitles(sources, professions, families);
    const MiddleTitles middle = compileMiddleTitles(sources, professions, families);
    try {
        compileFamilyFile(sources, families, middle.headings, higher.headings);
    } catch (const SourceError &error) {
        return error.message();
    }
    return {};
}

} // namespace

class VocationalBuildTest : public QObject
{
    Q_OBJECT

private slots:
    void higherGradeJobsComeFirstAndModulesAfterABlankSlot()
    {
        const SourceSet sources = catalogueSources(kHigher, kMiddle);
        const HigherTitles higher = compileHigherTitles(sources, Professions(), compileFamilies(sources));
        // Block 3 (the title on line 3): a heading line, then 25 slots.
        const QList<QByteArray> block = higher.asignafp.mid(2 * 26, 26);
        QCOMPARE(block[0], QByteArray("Desarrollo de Aplicaciones Multiplataforma"));
        QCOMPARE(block[1], QByteArray("Programador"));
        QVERIFY(block[6].isEmpty());
        QCOMPARE(block[7], QByteArray("Programaci\xf3n"));
    }

    void titlesMayBelongToTheThirteenthItineraryGroup()
    {
        SourceSet sources =
            catalogueSources(QByteArray(kHigher).replace("| 3 | 1 | bach", "| 3 | 1, 13 | bach"), kMiddle);
        const HigherTitles higher = compileHigherTitles(sources, Professions(), compileFamilies(sources));
        QCOMPARE(recordInt(higher.datfps, 3, 25, 1), 13);
        sources = catalogueSources(QByteArray(kHigher).replace("| 3 | 1 | bach", "| 3 | 14 | bach"), kMiddle);
        try {
            compileHigherTitles(sources, Professions(), compileFamilies(sources));
            QFAIL("itinerary 14 was accepted");
        } catch (const SourceError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("\"14\" is not an itinerary 1-13")),
                     qPrintable(error.message()));
        }
    }

    void middleGradeCatalogueEndsWithAnEmptyHeadingOfNoFamily()
    {
        const SourceSet sources = catalogueSources(kHigher, kMiddle);
        const MiddleTitles middle = compileMiddleTitles(sources, Professions(), compileFamilies(sources));
        QCOMPARE(middle.fp2.size(), 4);
        QCOMPARE(middle.fp2.last(), QByteArray("-"));
        QCOMPARE(recordInt(middle.datfpm, 4, 5, 3), -1);
        QCOMPARE(recordInt(middle.datfpm, 3, 5, 3), 3);
        QCOMPARE(middle.headings.families, (QList<int>{0, 3}));
        // The job position opens the title's block, the module follows the five job slots.
        QCOMPARE(middle.asignagm[2 * 26 + 1],
                 QByteArray("T\xe9"
                            "cnico de redes"));
        QCOMPARE(middle.asignagm[2 * 26 + 6], QByteArray("Redes locales"));
    }

    void familyGroupsNameTheSameFamiliesInBothCatalogues()
    {
        QCOMPARE(familyFileRefusal(catalogueSources(kHigher, kMiddle)), QString());
        const QByteArray swapped = "info | -Informática | 3 | ~ | ~ | ~\n"
                                   "salud | -Sanidad | 0 | ~ | ~ | ~\n"
                                   "dam | Desarrollo de Aplicaciones Multiplataforma | 3 | 1 | bach | ~\n";
        QVERIFY(familyFileRefusal(catalogueSources(swapped, kMiddle))
                    .contains(QStringLiteral("heading 1 ('salud')")));
        const QByteArray shorter = "salud | -Sanidad | 0 | ~ | ~ | ~\n"
                                   "dam | Desarrollo de Aplicaciones Multiplataforma | 3 | 1 | bach | ~\n";
        QVERIFY(familyFileRefusal(catalogueSources(shorter, kMiddle))
                    .contains(QStringLiteral("heading 2 ('info')")));
    }

    void esoTitleListsNameCatalogueTitlesByKey()
    {
        SourceSet sources = catalogueSources(kHigher, kMiddle);
        sources.files[QStringLiteral("eso-degree-lists.txt")] = "#fields: title | lists | text\n"
                                                                "dam | 3, 6 | ~\n"
                                                                "dam | 6 | Aplicaciones Multiplataforma\n";
        const HigherTitles higher = compileHigherTitles(sources, Professions(), compileFamilies(sources));
        QCOMPARE(compileEsoTitleLists(sources, higher),
                 (QList<QByteArray>{"  3  6 Desarrollo de Aplicaciones Multiplataforma",
                                    "     6 Aplicaciones Multiplataforma"}));

        // A name that does not fit needs a shorter text; a key outside the catalogue is refused.
        sources.files[QStringLiteral("higher-titles.txt")].replace("Multiplataforma",
                                                                   "Multiplataforma para Móviles");
        sources.files[QStringLiteral("eso-degree-lists.txt")] += "dam-web | 6 | ~\n";
        const HigherTitles longer = compileHigherTitles(sources, Professions(), compileFamilies(sources));
        const auto refusal = [&] {
            try {
                compileEsoTitleLists(sources, longer);
            } catch (const SourceError &error) {
                return error.message();
            }
            return QString();
        };
        QCOMPARE(refusal(),
                 QStringLiteral("content/eso-degree-lists.txt:2: the title's name takes 56 bytes in "
                                "UTF mode; give a text that fits 43"));
        sources.files[QStringLiteral("eso-degree-lists.txt")].replace("dam | 3, 6 | ~",
                                                                      "dam | 3, 6 | Multiplataforma");
        QVERIFY2(
            refusal().contains(QStringLiteral(":4: field 'title': unknown higher-grade title 'dam-web'")),
            qPrintable(refusal()));
    }

    void headingKeyedPlacesHoldLocalityAndCentreTogether()
    {
        SourceSet sources = catalogueSources(kHigher, kMiddle);
        sources.files[QStringLiteral("initial-programme-groups.txt")] =
            "#fields: codes | name\n0 | A\n0 | B\n0 | C\n0 | D\n0 | E\n0 | F\n0 | G\n0 | H\n0 | I\n";
        sources.files[QStringLiteral("initial-programmes.txt")] = "#fields: key | family | name\n";
        sources.files[QStringLiteral("initial-programme-modules.txt")] = "#fields: programme | kind | text\n";
        const Families families = compileFamilies(sources);
        const HigherTitles higher = compileHigherTitles(sources, Professions(), families);
        const MiddleTitles middle = compileMiddleTitles(sources, Professions(), families);
        const InitialProgrammes initial = compileInitialProgrammes(sources, families);
        Regions regions;
        regions.provinceCodes.insert(QStringLiteral("Almería"), 1); // key "37": an ordinary line of lu3
        regions.provinceCodes.insert(QStringLiteral("Huelva"), 7);  // key "3G": read whole in lu3

        sources.files[QStringLiteral("places.txt")] =
            "#fields: province | locality | centre | telephone | higher | middle | initial\n"
            "Almería | Almería | IES Al-Ándalus | 950000001 | dam | smr | ~\n"
            "Huelva | Moguer | IES Juan Ramón Jiménez | 959000002 | ~ | smr | ~\n";
        const Places places = compilePlaces(sources, regions, higher, middle, initial);
        // Locality in characters 2-18, centre in 19-44, telephone from 46.
        QCOMPARE(places.lists[2][0],
                 "7"
                     + QByteArray("Almer\xed"
                                  "a")
                           .leftJustified(17)
                     + QByteArray("IES Al-\xc1ndalus").leftJustified(27) + "950000001");
        QCOMPARE(places.lists[2][1],
                 QByteArray("GMoguer - IES Juan Ram\xf3n Jim\xe9nez").leftJustified(45) + "959000002");
        // Record 3 of each place-title file belongs to lu3.
        const int recordSize = 1100 * 26 * 4;
        const QByteArray higherRows = places.datluggs.mid(2 * recordSize, recordSize);
        const QByteArray middleRows = places.datluggm.mid(2 * recordSize, recordSize);
        QCOMPARE(recordInt(higherRows, 1, 26, 0), 1);
        QCOMPARE(recordInt(higherRows, 1, 26, 1), 3);
        QCOMPARE(recordInt(higherRows, 2, 26, 0), 0);
        QCOMPARE(recordInt(middleRows, 2, 26, 0), 1);
        QCOMPARE(recordInt(middleRows, 2, 26, 1), 3);

        sources.files[QStringLiteral("places.txt")] =
            "#fields: province | locality | centre | telephone | higher | middle | initial\n"
            "Huelva | Ayamonte de Huelva | IES Guadiana de la Costa | 959000003 | ~ | ~ | ~\n";
        try {
            compilePlaces(sources, regions, higher, middle, initial);
            QFAIL("a locality and centre longer than 43 characters were accepted");
        } catch (const SourceError &error) {
            QVERIFY(error.message().contains(QStringLiteral("at most 43 fit")));
        }
    }
};

QTEST_GUILESS_MAIN(VocationalBuildTest)
#include "tst_vocational_build.moc"
