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
        applyTranslation(table, QStringLiteral("catVal/degrees.txt"), translation);
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
                                       << QStringLiteral("catVal/degrees.txt:1: the header must start");
        QTest::newRow("nothing translated")
            << QByteArray("#fields: key\n") << QStringLiteral("catVal/degrees.txt:1: the header must start");
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
                         "#fields: # | text\n2 | Marraztea gustatzen zait\n");
        QCOMPARE(questions.records[0].values, (QStringList{"2", "Me gusta leer"}));
        QCOMPARE(questions.records[1].values, (QStringList{"3", "Marraztea gustatzen zait"}));
        QVERIFY_THROWS_EXCEPTION(SourceError,
                                 applyTranslation(questions, QStringLiteral("euskera/eso-questions.txt"),
                                                  "#fields: # | text\n3 | Hirugarrena\n"));
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
