// The education-system explainer on small tables: which cover each arrow
// wipes and in what order, how the wipes move, and what the information
// pictures list.

#include "diagram_test_support.h"

#include "data/content_tables.h"
#include "eso/explainer_information.h"
#include "eso/explainer_reveal.h"

#include <QtTest>

using namespace velmira;

namespace {

const RevealArrow &arrow(const char *name)
{
    for (const RevealArrow &a : revealArrows())
        if (QByteArray(a.name) == name)
            return a;
    qFatal("no arrow %s", name);
}

// Covers of 10 x 6 pixels side by side, T0 first.
ExplainerCovers::Rectangles smallCovers()
{
    ExplainerCovers::Rectangles covers;
    for (int c = 0; c < kCoverCount; ++c)
        covers[c] = QRect(20 * c, 0, 10, 6);
    return covers;
}

// Ticks until no wipe runs; the number of ticks it took.
int runWipes(ExplainerCovers &covers)
{
    int ticks = 0;
    while (covers.tick())
        ++ticks;
    return ticks + 1;
}

std::vector<Cover> goneCovers(const ExplainerCovers &covers)
{
    std::vector<Cover> gone;
    for (int c = 0; c < kCoverCount; ++c)
        if (covers.gone(Cover(c)))
            gone.push_back(Cover(c));
    return gone;
}

using Lines = std::vector<QByteArray>;

} // namespace

class TestExplainer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        allocateGlobalTables();
        diagramtest::setNumberedTexts();
    }

    void anUpwardArrowShrinksItsCoverFromTheBottom()
    {
        ExplainerCovers covers(smallCovers());
        covers.reveal(arrow("Image1"));
        QCOMPARE(covers.step(), 1);
        QVERIFY(covers.tick());
        QCOMPARE(covers.cover(Cover::T1i), QRect(20, 0, 10, 5));
        QCOMPARE(runWipes(covers), 5);
        QCOMPARE(goneCovers(covers), std::vector<Cover>{Cover::T1i});
        QVERIFY(!covers.running());
    }

    void aSidewaysArrowMovesTheLeftEdgeAndStopsAtNothing()
    {
        ExplainerCovers covers(smallCovers());
        covers.reveal(arrow("Image29")); // 7 pixels a tick over 10
        QVERIFY(covers.tick());
        QCOMPARE(covers.cover(Cover::T0), QRect(7, 0, 3, 6));
        QVERIFY(!covers.tick());
        QCOMPARE(covers.cover(Cover::T0).width(), 0);
        QCOMPARE(covers.step(), 14);
    }

    // One click wipes one cover; the same arrow's next click the next one.
    void arrowsWithTwoCoversTakeTwoClicks()
    {
        ExplainerCovers covers(smallCovers());
        covers.reveal(arrow("Image8"));
        runWipes(covers);
        QCOMPARE(goneCovers(covers), std::vector<Cover>{Cover::T3i});
        covers.reveal(arrow("Image8"));
        runWipes(covers);
        QCOMPARE(goneCovers(covers), (std::vector<Cover>{Cover::T3i, Cover::T3D}));
        covers.reveal(arrow("Image8")); // nothing left to wipe
        QVERIFY(!covers.running());

        covers.reveal(arrow("Image24"));
        runWipes(covers);
        covers.reveal(arrow("Image24"));
        runWipes(covers);
        QCOMPARE(goneCovers(covers), (std::vector<Cover>{Cover::T2C, Cover::T2D, Cover::T3i, Cover::T3D}));
    }

    // A cover already wiped the other way counts as gone.
    void aCoverGoneSidewaysIsGoneForTheUpwardArrow()
    {
        ExplainerCovers covers(smallCovers());
        covers.reveal(arrow("Image26"));
        runWipes(covers);
        covers.reveal(arrow("Image8"));
        runWipes(covers);
        QCOMPARE(goneCovers(covers), (std::vector<Cover>{Cover::T3i, Cover::T3D}));
    }

    void wipesStartedTogetherRunTogether()
    {
        ExplainerCovers covers(smallCovers());
        covers.reveal(arrow("Image1"));
        covers.tick();
        covers.reveal(arrow("Image11"));
        covers.reveal(arrow("Image1")); // already running: not twice as fast
        covers.tick();
        QCOMPARE(covers.cover(Cover::T1i).height(), 4);
        QCOMPARE(covers.cover(Cover::T4i).height(), 5);
        QCOMPARE(covers.step(), 1);
        runWipes(covers);
        QCOMPARE(goneCovers(covers), (std::vector<Cover>{Cover::T1i, Cover::T4i}));
    }

    void coveringAgainPutsBackTheDesign()
    {
        ExplainerCovers covers(smallCovers());
        QVERIFY(covers.hides(QRect(22, 2, 2, 2)));
        covers.reveal(arrow("Image1"));
        runWipes(covers);
        QVERIFY(!covers.hides(QRect(22, 2, 2, 2)));
        QVERIFY(covers.hides(QRect(0, 0, 25, 2))); // T0 still there
        covers.reveal(arrow("Image3"));
        covers.tick();
        covers.coverAll();
        QVERIFY(!covers.running());
        QCOMPARE(covers.step(), 0);
        QCOMPARE(covers.cover(Cover::T1i), smallCovers()[int(Cover::T1i)]);
    }

    void informationOfOneCodeComesTrimmedInTableOrder()
    {
        diagramtest::fill(content().informa,
                          {"31  Los PCPI   ", "17Requisitos", "31duran un curso", "3 otro"});
        QCOMPARE(explainerInformation(15), (Lines{"Los PCPI", "duran un curso"}));
        QCOMPARE(explainerInformation(19), (Lines{"Requisitos"}));
        QCOMPARE(explainerInformation(16), Lines{}); // no line of code 34
        QCOMPARE(explainerInformation(22), Lines{}); // no such picture
    }

    void headingsStandBeforeTheirCodes()
    {
        diagramtest::fill(content().informa,
                          {"16la ESO", "28el Bachillerato", "20comun", "21human", "23artes", "30acceso"});
        QCOMPARE(explainerInformation(23), (Lines{"T74", "la ESO"}));
        QCOMPARE(explainerInformation(32), (Lines{"T88", "el Bachillerato"}));
        // Codes without lines leave their headings alone.
        QCOMPARE(explainerInformation(25),
                 (Lines{"acceso", "comun", "T97", "human", "T99 T100", "T99 T112", "T101 T78", "T101", "T92",
                        "artes"}));
    }

    void theHigherGradeTitlesLoseTheirMark()
    {
        diagramtest::fill(content().fpTitles, {"Mecatrónica  ", "|Vitivinicultura", " Animación"});
        QCOMPARE(explainerInformation(21),
                 (Lines{"T501 ...", "T575", "Mecatrónica", "Vitivinicultura", "Animación"}));
    }
};

QTEST_GUILESS_MAIN(TestExplainer)
#include "tst_explainer.moc"
