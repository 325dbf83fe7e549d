// The step tables of the university window: what its back button does in
// each view, and what each step of the presentation of studies shows.

#include "university_test_support.h"

#include "university/degree_presentation.h"
#include "university/selection_back.h"
#include "university/university_help.h"

#include <QtTest>

using namespace velmira;

Q_DECLARE_METATYPE(std::vector<velmira::BackStep>)
Q_DECLARE_METATYPE(velmira::SelectionViews)
Q_DECLARE_METATYPE(velmira::SelectionScreen)

class UniversityStepsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { unitest::freshTables(); }

    void backButtonRunsItsStepsInOrder_data()
    {
        QTest::addColumn<SelectionViews>("views");
        QTest::addColumn<SelectionScreen>("screen");
        QTest::addColumn<std::vector<BackStep>>("steps");
        using B = BackStep;
        SelectionViews university;
        university.university = true;
        SelectionViews catalogue = university;
        catalogue.byDegree = true;
        SelectionViews doublesByRegion;
        doublesByRegion.doubleDegrees = true;
        SelectionViews doublesByDegree = doublesByRegion;
        doublesByDegree.byDegree = true;
        SelectionViews others;
        others.otherStudies = true;
        SelectionViews masters = university;
        masters.masters = true;
        SelectionViews artistic;
        artistic.artistic = true;
        artistic.university = true;

        QTest::newRow("masters end at once")
            << masters << SelectionScreen{true, true} << std::vector<B>{B::LeaveMasters};
        QTest::newRow("a region's centres") << university << SelectionScreen{true, false}
                                            << std::vector<B>{B::ResetSelectionArea, B::LeaveUniversity};
        QTest::newRow("catalogue") << catalogue << SelectionScreen{}
                                   << std::vector<B>{B::ResetSelectionArea, B::LeaveUniversity};
        QTest::newRow("artistic goes on to the university step")
            << artistic << SelectionScreen{}
            << std::vector<B>{B::ResetSelectionArea, B::LeaveArtistic, B::LeaveUniversity};
        SelectionViews artisticAlone;
        artisticAlone.artistic = true;
        QTest::newRow("artistic titles or map back to the menu")
            << artisticAlone << SelectionScreen{true, true}
            << std::vector<B>{B::ResetSelectionArea, B::LeaveArtistic, B::EmptySelection, B::LeaveMap};
        QTest::newRow("double degrees of a region")
            << doublesByRegion << SelectionScreen{true, false}
            << std::vector<B>{B::ResetSelectionArea, B::DoublesBackToMap};
        QTest::newRow("double degrees on the map")
            << doublesByRegion << SelectionScreen{false, true}
            << std::vector<B>{B::ResetSelectionArea, B::EmptySelection, B::LeaveDoubleDegrees};
        QTest::newRow("double degrees by degree")
            << doublesByDegree << SelectionScreen{true, false}
            << std::vector<B>{B::ResetSelectionArea, B::EmptySelection, B::LeaveDoubleDegrees};
        QTest::newRow("other studies")
            << others << SelectionScreen{true, false}
            << std::vector<B>{B::ResetSelectionArea, B::EmptySelection, B::LeaveOtherStudies};
        QTest::newRow("a map of no view")
            << SelectionViews{} << SelectionScreen{false, true}
            << std::vector<B>{B::ResetSelectionArea, B::EmptySelection, B::LeaveMap};
        QTest::newRow("a list of no view")
            << SelectionViews{} << SelectionScreen{true, false}
            << std::vector<B>{B::ResetSelectionArea, B::EmptySelection, B::CentresBackToMap};
    }

    void backButtonRunsItsStepsInOrder()
    {
        QFETCH(SelectionViews, views);
        QFETCH(SelectionScreen, screen);
        QFETCH(std::vector<BackStep>, steps);
        QVERIFY(backSteps(views, screen) == steps);
    }

    void helpStepsFillTheirLines()
    {
        HelpLines lines;
        QVERIFY(universityHelpLines(HelpQuestionnaireOpened, lines));
        QCOMPARE(lines, (HelpLines{"", "T349", "T350", "T351", "T352", "T353", "T354", ""}));
        QVERIFY(universityHelpLines(HelpInterestsChosen, lines));
        QCOMPARE(lines, (HelpLines{"T356", "T357", "T358", "T359", "T360", "T361", "T362", "T363"}));
        QVERIFY(universityHelpLines(HelpCombinedTooEarly, lines));
        QCOMPARE(lines, (HelpLines{"T415", "T416", "T417", "", "", "", "", ""}));
        for (int kept : {int(HelpItineraryClicked), int(HelpResultsPrinted), 0, 40}) {
            QVERIFY(!universityHelpLines(kept, lines));
            QCOMPARE(lines[0], QByteArray("T415"));
        }
        // The double degrees by region show the map's hint alone.
        QVERIFY(universityHelpLines(HelpDoubleDegreesByRegion, lines));
        QCOMPARE(lines, (HelpLines{"T452", "", "", "", "", "", "", ""}));
    }

    void presentationUncoversItsPanelsInTurn()
    {
        for (int step = 0; step <= 2; ++step) {
            const PresentationStep shown = presentationStep(step);
            QVERIFY(shown.hasSentence);
            QCOMPARE(shown.uncoveredPanel, 0);
        }
        QCOMPARE(presentationStep(2).sentence, QByteArray("T541 T542"));

        QCOMPARE(presentationStep(3).uncoveredPanel, 1);
        QVERIFY(presentationStep(3).closedPanels.empty());
        // Each later step closes what the one before uncovered, so a step
        // skipped by a quick click leaves nothing half open.
        for (int step = 4; step <= 8; ++step) {
            const PresentationStep shown = presentationStep(step);
            const int before = presentationStep(step - 1).uncoveredPanel;
            QVERIFY(std::count(shown.closedPanels.begin(), shown.closedPanels.end(), before) == 1);
            QCOMPARE(shown.uncoveredPanel, step == 4 ? 3 : step - 1);
            QCOMPARE(shown.pixelsPerTick, step == 7 ? 3 : 1);
        }
        QCOMPARE(presentationStep(4).closedPanels, (std::vector<int>{1, 2}));
        QCOMPARE(presentationStep(8).sentence, QByteArray("T548 T549"));

        const PresentationStep last = presentationStep(9);
        QVERIFY(last.lastStep);
        QVERIFY(!last.hasSentence);
        QCOMPARE(last.closedPanels, (std::vector<int>{7}));
        const PresentationStep beyond = presentationStep(10);
        QVERIFY(!beyond.lastStep && !beyond.hasSentence && beyond.closedPanels.empty());
    }
};

QTEST_GUILESS_MAIN(UniversityStepsTest)
#include "tst_university_steps.moc"
