// Preparation of the ESO tables after loading: modality and result texts out
// of `itinerar`, and the "|" mark of the middle-grade titles.

#include "data/content_tables.h"
#include "eso_tables_support.h"

#include <QtTest>

using namespace velmira;

class TestEsoTables : public QObject
{
    Q_OBJECT

private slots:
    void modalityTextsAreLines21To27CutTo35();
    void resultTextsStartAtLine30();
    void itinerarCountBecomes20();
    void shortItinerarGivesNoResultTexts();
    void markCountsTitlesBeforeFirstBar();
    void markWithoutBarCountsEveryTitle();
};

void TestEsoTables::modalityTextsAreLines21To27CutTo35()
{
    auto data = std::make_unique<EsoData>();
    data->itinerar.set(22, QByteArray(40, 'x') + "tail");
    data->itinerar.setCount(30);
    data->itinerar.set(21, padTo("RESULTADO", kWidthEsoItineraries));
    prepareItineraryTexts(*data);
    QCOMPARE(data->modalityText(21), padTo("RESULTADO", 35));
    QCOMPARE(data->modalityText(22), QByteArray(35, 'x'));
    QCOMPARE(data->modalityText(20), QByteArray());
    QCOMPARE(data->modalityText(28), QByteArray());
}

void TestEsoTables::resultTextsStartAtLine30()
{
    auto data = esotest::itineraryData(52);
    QCOMPARE(data->resultTexts.count(), 23);
    QCOMPARE(data->resultTexts.at(1), padTo("Linea 30", kWidthEsoItineraries));
    QCOMPARE(data->resultTexts.at(23), padTo("Linea 52", kWidthEsoItineraries));
    QCOMPARE(data->itinerarLine(34), padTo("Linea 34", kWidthEsoItineraries));
    QCOMPARE(data->itinerarLine(3), padTo("Grupo 3", kWidthEsoItineraries));
}

void TestEsoTables::itinerarCountBecomes20()
{
    auto data = esotest::itineraryData(52);
    QCOMPARE(data->itinerar.count(), 20);
}

void TestEsoTables::shortItinerarGivesNoResultTexts()
{
    auto data = esotest::itineraryData(25);
    QCOMPARE(data->resultTexts.count(), 0);
    QCOMPARE(data->itinerarLine(30), QByteArray());
    QCOMPARE(data->itinerar.count(), 20);
}

void TestEsoTables::markCountsTitlesBeforeFirstBar()
{
    allocateGlobalTables();
    ContentTables &t = content();
    const QByteArray titles[] = {"Familia A", "Familia B", "|Familia C", "|Familia D", ""};
    const int lines[] = {1, 5, 9, 11, 14};
    for (int k = 1; k <= 5; ++k) {
        t.fp2Titles.set(k, titles[k - 1]);
        t.fp2TitleLines[k] = lines[k - 1];
    }
    t.fp2Titles.setCount(5);
    t.fp2.setCount(14);
    auto data = std::make_unique<EsoData>();
    markMiddleTitles(t, *data);
    QCOMPARE(data->middleTitlesBeforeMark, 2);
    QCOMPARE(t.fp2TitleLines[5], 15); // the closing title line
    QCOMPARE(t.fp2TitleLines[4], 11);
}

void TestEsoTables::markWithoutBarCountsEveryTitle()
{
    allocateGlobalTables();
    ContentTables &t = content();
    t.fp2Titles.set(1, "Familia A");
    t.fp2Titles.set(2, "Familia B");
    t.fp2Titles.setCount(2);
    t.fp2TitleLines[1] = 1;
    t.fp2TitleLines[2] = 4;
    t.fp2.setCount(7);
    auto data = std::make_unique<EsoData>();
    markMiddleTitles(t, *data);
    QCOMPARE(data->middleTitlesBeforeMark, 2);
    QCOMPARE(t.fp2TitleLines[2], 8);
}

QTEST_GUILESS_MAIN(TestEsoTables)
#include "tst_eso_tables.moc"
