// What the professions window reads at its creation: its four files, in the
// interface language and encoding, cut by column and capacity, and the
// studies that lead to each profession.

#include "../data/data_test_support.h"
#include "professions_test_support.h"

#include "data/content_tables.h"

#include <QtTest>

using namespace velmira;
using namespace testsupport;

class TestProfessionsData : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetFoundationState();
        proftest::freshTexts();
    }

    void theFilesOfTheLanguageAreRead()
    {
        ScratchDir dir;
        QVERIFY(dir.isValid());
        for (const QByteArray &prefix : {QByteArray(), QByteArray("galego/")}) {
            const QByteArray word = prefix.isEmpty() ? "Castellano" : "Galego \xE1";
            QVERIFY(writeFile(prefix + "fracortas", proftest::shortLine("AAAA", "", word) + "\n"));
            QVERIFY(writeFile(prefix + "fralargas", proftest::longLine(word, {"AAAA", "BBBB"}) + "\n"));
            QVERIFY(writeFile(prefix + "activida", proftest::activityLine("AAAA", word) + "\n"));
            QVERIFY(writeFile(prefix + "profesio", proftest::professionLine("AAAA", "", word, 1) + "\n"));
        }
        setLanguage(Galician);
        setUtfMode(true);
        loadProfessionsData();

        const ProfessionsData &data = professionsData();
        const QByteArray converted = "Galego \xC3\xA1";
        QCOMPARE(data.shortStatements.at(1).text.trimmed(), converted);
        QCOMPARE(data.longStatements.at(1).text.trimmed(), converted);
        QCOMPARE(data.longStatements.at(1).activities[1], QByteArray("BBBB"));
        QCOMPARE(data.activities.at(1).name.trimmed(), converted);
        QCOMPARE(data.professions.at(1).name.trimmed(), converted);
        QCOMPARE(data.professions.at(1).firstStatement, 1);
    }

    void longTextsKeepTheirCapacityInUtfMode()
    {
        setUtfMode(true);
        ScratchDir dir;
        // 115 accented letters become 230 bytes, kept in 135; 40 become 80, kept in 50.
        const QByteArray accents(115, '\xE9');
        QVERIFY(writeFile("fralargas", proftest::longLine(accents, {"AAAA"}) + "\n"));
        QVERIFY(
            writeFile("profesio", proftest::professionLine("AAAA", "BBBB", accents.left(40), 3, 4) + "\n"));
        QVERIFY(writeFile("fracortas", "AAAA\n"));
        QVERIFY(writeFile("activida", "\n"));
        ProfessionsData data;
        loadProfessionFiles(data, "fracortas", "fralargas", "activida", "profesio");

        QCOMPARE(data.longStatements.at(1).text.size(), 135);
        QCOMPARE(data.longStatements.at(1).activities[0], QByteArray("AAAA"));
        QCOMPARE(data.professions.at(1).name.size(), 50);
        QCOMPARE(data.professions.at(1).secondActivity, QByteArray("BBBB"));
        QCOMPARE(data.professions.at(1).secondStatement, 4);
        // A short line gives blank fields.
        QCOMPARE(data.shortStatements.at(1).secondActivity, QByteArray("    "));
        QVERIFY(isBlank(data.activities.at(1).code));
    }

    void unreadableNumbersAndExtraLinesAreNoted()
    {
        ScratchDir dir;
        QByteArray shorts;
        for (int i = 0; i < 125; ++i)
            shorts += proftest::shortLine("AAAA", "", "Frase") + "\n";
        QVERIFY(writeFile("fracortas", shorts));
        QVERIFY(writeFile("fralargas", ""));
        QVERIFY(writeFile("activida", ""));
        QVERIFY(writeFile("profesio", padTo("AAAA", 50) + "x1   7\n"));
        NoteCatcher notes;
        ProfessionsData data;
        loadProfessionFiles(data, "fracortas", "fralargas", "activida", "profesio");

        QCOMPARE(int(data.shortStatements.size()), ProfessionsData::kMaxShortStatements + 1);
        QCOMPARE(data.professions.at(1).firstStatement, 0);
        QCOMPARE(data.professions.at(1).secondStatement, 7);
        QCOMPARE(notes.countFor("fracortas"), 1);
        QCOMPARE(notes.countFor("profesio"), 1);
    }

    void aMissingFileStopsTheReading()
    {
        ScratchDir dir;
        QVERIFY(writeFile("fracortas", ""));
        QVERIFY(writeFile("fralargas", ""));
        ProfessionsData data;
        try {
            loadProfessionFiles(data, "fracortas", "fralargas", "activida", "profesio");
            QFAIL("no error for a missing file");
        } catch (const FileError &error) {
            QCOMPARE(error.fileName(), QByteArray("activida"));
        }
    }

    void studiesAreIndexedByProfession()
    {
        ContentTables &tables = content();
        tables.carreran.setCount(2);
        tables.fp.setCount(1);
        tables.fp2.setCount(60);
        tables.datgrados.set(1, DegreeField::FirstProfession, 7);
        tables.datgrados.set(1, DegreeField::FirstProfession + 3, 249);
        tables.datgrados.set(2, DegreeField::FirstProfession + 1, 7);
        tables.datgrados.set(3, DegreeField::FirstProfession, 7); // beyond the degrees
        tables.datfps.set(1, 17, 250);                            // beyond the professions
        tables.datfps.set(1, 22, 7);
        for (int i = 1; i <= 60; ++i)
            tables.datfpm.set(i, 2, 7);

        ProfessionsData data;
        buildStudiesIndexes(data, tables);
        QCOMPARE(data.degrees.studies(7), (std::vector<int>{1, 2}));
        QCOMPARE(data.degrees.studies(249), (std::vector<int>{1}));
        QCOMPARE(data.higherTitles.studies(7), (std::vector<int>{1}));
        QVERIFY(data.higherTitles.studies(250).empty());
        // More than 50 studies of a kind: the first 50 are kept.
        QCOMPARE(int(data.middleTitles.studies(7).size()), StudiesIndex::kStudies);
        QCOMPARE(data.middleTitles.studies(7).back(), 50);
    }
};

QTEST_GUILESS_MAIN(TestProfessionsData)
#include "tst_professions_data.moc"
