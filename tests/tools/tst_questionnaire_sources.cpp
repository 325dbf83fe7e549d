// The questionnaire sources whose compiled numbers the builder derives or
// checks: the professions questionnaire's reach and the middle-grade
// questionnaire's title codes.

#include "families.h"
#include "middle_questionnaire.h"
#include "professions.h"
#include "source_error.h"
#include "sources.h"
#include "vocational_titles.h"

#include <QtTest>

using namespace velmira::build;

namespace {

// Activities A1..A6; statement sN has activity A((N-1) % 6 + 1).
SourceSet professionSources(int professionCount, const QByteArray &longStatements)
{
    SourceSet set;
    QByteArray activities = "#fields: code | name\n";
    for (int a = 1; a <= 6; ++a)
        activities += "A" + QByteArray::number(a) + " | Actividad " + QByteArray::number(a) + "\n";
    set.files.insert(QStringLiteral("activities.txt"), activities);
    QByteArray shorts = "#fields: key | activity1 | activity2 | text\n";
    for (int s = 1; s <= 100; ++s)
        shorts +=
            "s" + QByteArray::number(s) + " | A" + QByteArray::number((s - 1) % 6 + 1) + " | ~ | Frase\n";
    set.files.insert(QStringLiteral("short-statements.txt"), shorts);
    set.files.insert(QStringLiteral("long-statements.txt"), "#fields: text | activities\n" + longStatements);
    // Profession p has activity A((p-1) % 6 + 1) and the statements 2p-1 and 2p.
    QByteArray professions = "#fields: key | activity1 | activity2 | name | statements | levels\n";
    for (int p = 1; p <= professionCount; ++p)
        professions += "p" + QByteArray::number(p) + " | A" + QByteArray::number((p - 1) % 6 + 1)
            + " | ~ | Oficio | s" + QByteArray::number(2 * p - 1) + ", s" + QByteArray::number(2 * p)
            + " | ~\n";
    set.files.insert(QStringLiteral("professions.txt"), professions);
    return set;
}

SourceSet middleSources(const QByteArray &items)
{
    SourceSet set;
    set.files.insert(QStringLiteral("families.txt"), "#fields: code | name\n0 | Sanidad\n1 | Deporte\n");
    set.files.insert(QStringLiteral("activities.txt"), "#fields: code | name\nSANI | Sanidad\n");
    set.files.insert(QStringLiteral("short-statements.txt"), "#fields: key | activity1 | activity2 | text\n");
    set.files.insert(QStringLiteral("long-statements.txt"), "#fields: text | activities\n");
    set.files.insert(QStringLiteral("professions.txt"),
                     "#fields: key | activity1 | activity2 | name | statements | levels\n");
    QByteArray titles = "#fields: key | name | family | professions\n"
                        "sanidad | -Sanidad | 0 | ~\n";
    for (int t = 1; t <= 10; ++t)
        titles += "t" + QByteArray::number(t) + " | Título " + QByteArray::number(t) + " | 0 | ~\n";
    titles += "deporte | -Deporte | 1 | ~\nmonte | Medio Natural | 1 | ~\n";
    set.files.insert(QStringLiteral("middle-titles.txt"), titles);
    set.files.insert(QStringLiteral("middle-modules.txt"), "#fields: title | kind | text\n");
    QByteArray areas = "#fields: text\n";
    for (int a = 1; a <= 11; ++a)
        areas += "Área " + QByteArray::number(a) + "\n";
    set.files.insert(QStringLiteral("middle-questionnaire-areas.txt"), areas);
    set.files.insert(QStringLiteral("middle-questionnaire.txt"),
                     "#fields: family | title | area1 | area2 | text\n" + items);
    return set;
}

QList<QByteArray> compileMiddle(const SourceSet &set)
{
    const MiddleTitles middle = compileMiddleTitles(set, compileProfessions(set), compileFamilies(set));
    return compileMiddleQuestionnaire(set, middle);
}

template <typename F> QString refusal(F compile)
{
    try {
        compile();
    } catch (const SourceError &error) {
        return error.message();
    }
    return QStringLiteral("accepted");
}

} // namespace

class TestQuestionnaireSources : public QObject
{
    Q_OBJECT

private slots:
    void reachCountsEveryStatementOfTheBestThreeChoices()
    {
        // 12 professions, two per activity, four statements per activity.
        const Professions out =
            compileProfessions(professionSources(12, "Uno | A1\nDos | A2\nTres | A3, A4\nCuatro | A5\n"));
        // The widest choice is "Tres" with two of the others: four activities.
        QCOMPARE(mostReachedStatements(out), 16);
    }

    void reachFollowsTheSecondActivityToo()
    {
        SourceSet set = professionSources(2, "Uno | A1\n");
        set.files[QStringLiteral("professions.txt")] =
            "#fields: key | activity1 | activity2 | name | statements | levels\n"
            "p1 | A2 | A1 | Oficio | s1, s2 | ~\n"
            "p2 | A2 | ~  | Oficio | s3 | ~\n";
        QCOMPARE(mostReachedStatements(compileProfessions(set)), 2);
    }

    void moreStatementsThanThePagesHoldAreRefused()
    {
        // 48 professions, eight per activity: three activities reach 48 statements.
        SourceSet set = professionSources(48, "Uno | A1\nDos | A2\nTres | A3\n");
        QVERIFY(
            refusal([&] { compileProfessions(set); }).contains(QStringLiteral("reach 48 short statements")));
        // Two activities (32 statements) fit.
        set.files[QStringLiteral("long-statements.txt")] = "#fields: text | activities\nUno | A1\nDos | A2\n";
        QCOMPARE(mostReachedStatements(compileProfessions(set)), 32);
    }

    void itemCodesNameFamilyTitleAndAreas()
    {
        const QList<QByteArray> lines = compileMiddle(middleSources("sanidad | t3    | 1  | 4 | Cuidar\n"
                                                                    "sanidad | *     | 10 | ~ | Todo\n"
                                                                    "deporte | 1-2   | 2  | ~ | Montaña\n"
                                                                    "deporte | monte | 2  | 9 | Rutas\n"));
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines[0], QByteArray("\xc1rea 1"));
        QCOMPARE(lines[11], QByteArray("1314Cuidar"));
        QCOMPARE(lines[12], QByteArray("1T00Todo"));
        QCOMPARE(lines[13],
                 QByteArray("2Z20Monta\xf1"
                            "a"));
        QCOMPARE(lines[14], QByteArray("2129Rutas"));
    }

    void titleOutsideItsFamilyOrBeyondNineIsRefused()
    {
        QVERIFY(refusal([] {
                    compileMiddle(middleSources("deporte | t1 | 1 | ~ | X\n"));
                }).contains(QStringLiteral("not a title of family")));
        QVERIFY(refusal([] {
                    compileMiddle(middleSources("sanidad | t10 | 1 | ~ | X\n"));
                }).contains(QStringLiteral("only the first nine")));
    }

    void areasMustBeEleven()
    {
        SourceSet set = middleSources("");
        set.files[QStringLiteral("middle-questionnaire-areas.txt")] = "#fields: text\nSolo una\n";
        QVERIFY(refusal([&] { compileMiddle(set); }).contains(QStringLiteral("exactly 11 areas")));
    }
};

QTEST_GUILESS_MAIN(TestQuestionnaireSources)
#include "tst_questionnaire_sources.moc"
