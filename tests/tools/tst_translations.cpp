// Translations of the content sources: overlays keyed like their source.

#include "record_reader.h"
#include "source_error.h"
#include "source_table.h"
#include "sources.h"

#include <QtTest>

using namespace velmira::build;

namespace {

const QStringList kFields = {QStringLiteral("key"), QStringLiteral("name"), QStringLiteral("branch")};

SourceTable degrees()
{
    return parseSourceTable(QStringLiteral("degrees.txt"),
                            "#fields: key | name | branch\n"
                            "medicina | Medicina | 4\n"
                            "derecho | Derecho | 3\n",
                            kFields);
}

QString refusal(SourceTable &table, const QByteArray &translation)
{
    try {
        applyTranslation(table, QStringLiteral("catVal/degrees.txt"), translation, Translation::ByKey);
    } catch (const SourceError &error) {
        return error.message();
    }
    return {};
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void replacesOnlyTheTranslatedFieldsOfMatchingKeys()
    {
        SourceTable table = degrees();
        QCOMPARE(refusal(table, "#fields: key | name\nderecho | Dret\n"), QString());
        QCOMPARE(table.records[0].values, (QStringList{"medicina", "Medicina", "4"}));
        QCOMPARE(table.records[1].values, (QStringList{"derecho", "Dret", "3"}));
    }

    void refusesWhatWouldBeIgnored_data()
    {
        QTest::addColumn<QByteArray>("translation");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown key") << QByteArray("#fields: key | name\n\nfarmacia | Farmàcia\n")
                                     << QStringLiteral("catVal/degrees.txt:3: no record \"farmacia\"");
        QTest::newRow("unknown field") << QByteArray("#fields: key | title\n")
                                       << QStringLiteral("catVal/degrees.txt:1: \"title\" is not a field");
        QTest::newRow("key not first") << QByteArray("#fields: name | key\n")
                                       << QStringLiteral("catVal/degrees.txt:1: the header must be");
        QTest::newRow("nothing translated")
            << QByteArray("#fields: key\n") << QStringLiteral("catVal/degrees.txt:1: the header must be");
        QTest::newRow("position of a keyed record")
            << QByteArray("#fields: # | name\n")
            << QStringLiteral("must be \"#fields: key | name | branch\" or start with \"#fields: key |\"");
    }

    void refusesWhatWouldBeIgnored()
    {
        QFETCH(QByteArray, translation);
        QFETCH(QString, message);
        SourceTable table = degrees();
        const QString error = refusal(table, translation);
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    void keylessSourcesAreTranslatedByPosition()
    {
        SourceTable questions =
            parseSourceTable(QStringLiteral("eso-questions.txt"),
                             "#fields: weight | text\n2 | Me gusta leer\n3 | Me gusta dibujar\n",
                             {QStringLiteral("weight"), QStringLiteral("text")});
        applyTranslation(questions, QStringLiteral("euskera/eso-questions.txt"),
                         "#fields: # | text\n2 | Marraztea gustatzen zait\n", Translation::ByPosition);
        QCOMPARE(questions.records[0].values, (QStringList{"2", "Me gusta leer"}));
        QCOMPARE(questions.records[1].values, (QStringList{"3", "Marraztea gustatzen zait"}));
        QVERIFY_THROWS_EXCEPTION(SourceError,
                                 applyTranslation(questions, QStringLiteral("euskera/eso-questions.txt"),
                                                  "#fields: # | text\n3 | Hirugarrena\n",
                                                  Translation::ByPosition));
    }

    void aCopyOfAKeyedSourceReplacesEachBlockItNames()
    {
        SourceTable texts = parseSourceTable(QStringLiteral("degree-texts.txt"),
                                             "#fields: degree | text\n"
                                             "medicina | Seis cursos.\n"
                                             "medicina | Prácticas en hospitales.\n"
                                             "derecho | Cuatro cursos.\n"
                                             "farmacia | Cinco cursos.\n",
                                             {QStringLiteral("degree"), QStringLiteral("text")});
        applyTranslation(texts, QStringLiteral("galego/degree-texts.txt"),
                         "#fields: degree | text\n"
                         "farmacia | Cinco cursos.\n"
                         "farmacia | Con prácticas tuteladas.\n"
                         "medicina | Seis cursos e prácticas.\n",
                         Translation::ByKey);
        QStringList lines;
        for (const SourceRecord &record : texts.records)
            lines << record.values.join(QLatin1Char(':'));
        QCOMPARE(lines,
                 (QStringList{"medicina:Seis cursos e prácticas.", "derecho:Cuatro cursos.",
                              "farmacia:Cinco cursos.", "farmacia:Con prácticas tuteladas."}));
        QCOMPARE(texts.records[3].translationLine, 3);
        QCOMPARE(texts.records[3].line, 5); // where the block stood in the source

        const QString error = refusal(texts, "#fields: key | text\n");
        QVERIFY2(error.contains("must be \"#fields: degree | text\""), qPrintable(error));
        try {
            applyTranslation(texts, QStringLiteral("galego/degree-texts.txt"),
                             "#fields: degree | text\n~ | Sen clave\n", Translation::ByKey);
            QFAIL("a record without a key was accepted");
        } catch (const SourceError &e) {
            QVERIFY2(e.message().contains("needs the key of the record it translates"),
                     qPrintable(e.message()));
        }
    }

    void aFieldOfABlockCannotBeTranslatedByKey()
    {
        SourceTable table =
            parseSourceTable(QStringLiteral("degrees.txt"),
                             "#fields: key | name | branch\nx | Uno | 1\nx | Dos | 2\n", kFields);
        const QString error = refusal(table, "#fields: key | name\nx | Un\n");
        QVERIFY2(error.contains("\"x\" names 2 records of degrees.txt: translate them with the header "
                                "\"#fields: key | name | branch\""),
                 qPrintable(error));
    }

    void copiesOfSourcesWithoutKeys()
    {
        const QStringList fields = {QStringLiteral("text")};
        const QByteArray source = "#fields: text\nPrimera línea\nf1\nSegunda\n";
        SourceTable lines = parseSourceTable(QStringLiteral("qualities.txt"), source, fields);
        applyTranslation(lines, QStringLiteral("catVal/qualities.txt"),
                         "#fields: text\nPrimera\nf1\nSegona\n", Translation::ByPosition);
        QCOMPARE(lines.records[2].values[0], QStringLiteral("Segona"));
        QVERIFY_THROWS_EXCEPTION(SourceError,
                                 applyTranslation(lines, QStringLiteral("catVal/qualities.txt"),
                                                  "#fields: text\nPrimera\n", Translation::ByPosition));

        SourceTable art = parseSourceTable(QStringLiteral("artistic/danza.txt"), source, fields);
        applyTranslation(art, QStringLiteral("euskera/artistic/danza.txt"),
                         "#fields: text\nLehen lerroa\nbigarrena\nf1\nHirugarrena\n", Translation::WholeFile);
        QCOMPARE(art.records.size(), size_t(4));
        QCOMPARE(art.records[3].translationLine, 5);
        QVERIFY_THROWS_EXCEPTION(SourceError,
                                 applyTranslation(art, QStringLiteral("euskera/artistic/danza.txt"),
                                                  "#fields: # | text\n1 | Bat\n", Translation::WholeFile));
    }

    void aSourceThatIsTheSameInEveryLanguageRefusesATranslation()
    {
        SourceSet set;
        set.files.insert(QStringLiteral("places.txt"), "#fields: centre\nIES Uno\n");
        set.files.insert(QStringLiteral("catVal/places.txt"), "#fields: centre\nIES U\n");
        set.language = QStringLiteral("catVal");
        try {
            set.table(QStringLiteral("places.txt"), {QStringLiteral("centre")}, Translation::None);
            QFAIL("a translation of a shared source was accepted");
        } catch (const SourceError &e) {
            QCOMPARE(e.message(),
                     QStringLiteral("content/catVal/places.txt: places.txt is the same in every "
                                    "language: it has no translation"));
        }
    }

    void aTranslationThatDoesNotFitIsReportedWhereItWasWritten()
    {
        SourceTable table = degrees();
        QCOMPARE(refusal(table, "#fields: key | name\n# a comment\nderecho | Dret i més dret\n"), QString());
        const RecordReader reader(table, table.records[1]);
        try {
            reader.text(QStringLiteral("name"), 6);
            QFAIL("a name of 15 characters fits in 6");
        } catch (const SourceError &error) {
            QCOMPARE(error.message(),
                     QStringLiteral("content/catVal/degrees.txt:3: field 'name' is 15 "
                                    "characters long; at most 6 fit (translating degrees.txt:3)"));
        }
    }

    void aLanguageSeesItsTranslationAndCastilianStaysAsItIs()
    {
        SourceSet set;
        set.files.insert(QStringLiteral("degrees.txt"),
                         "#fields: key | name | branch\nderecho | Derecho | 3\n");
        set.files.insert(QStringLiteral("galego/degrees.txt"), "#fields: key | name\nderecho | Dereito\n");
        QCOMPARE(set.table(QStringLiteral("degrees.txt"), kFields).records[0].values[1],
                 QStringLiteral("Derecho"));
        set.language = QStringLiteral("galego");
        QCOMPARE(set.table(QStringLiteral("degrees.txt"), kFields).records[0].values[1],
                 QStringLiteral("Dereito"));
        set.language = QStringLiteral("euskera");
        QCOMPARE(set.table(QStringLiteral("degrees.txt"), kFields).records[0].values[1],
                 QStringLiteral("Derecho"));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
