// The subject lists of the itineraries diagram on small tables: which
// "materias" and "informa" lines a box takes, the list's size and place, the
// more-information link and its degree list, and the open/close clicks.

#include "diagram_test_support.h"

#include "eso/itinerary_diagram.h"
#include "eso/subject_lists.h"

#include "data/record_files.h"

#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;

struct SmallTables
{
    LineTable materias{20, 60};
    LineTable informa{30, 60};
    LineTable fps{10, 60};
    LineTable carreran{10, 60};
    DegreeRows datgrados;

    SubjectListSources sources() const { return {materias, informa, fps, carreran, datgrados}; }
};

} // namespace

class TestSubjectLists : public QObject
{
    Q_OBJECT

    SmallTables t;

private slots:
    void init()
    {
        diagramtest::setNumberedTexts();
        diagramtest::fill(t.materias,
                          {"51third only", "50both years", "52fourth only", "11arts one", "14humanities one",
                           "30common one", "35modality one", "38optional one", "15social one",
                           "31not asked"});
        diagramtest::fill(t.informa,
                          {"41arts lead", "20common a", "23arts route", "20common b", "42humanities lead",
                           "10third", "10third more"});
        diagramtest::fill(t.fps, {"1      title one", "12     title two", " 2     title three"});
        diagramtest::fill(t.carreran, {"Degree A", "Degree B", "Degree C"});
        t.datgrados.set(1, DegreeField::Branch, 1);
        t.datgrados.set(2, DegreeField::Branch, 2);
        t.datgrados.set(3, DegreeField::Branch, 1);
    }

    void threeDigitSelectorTakesGroupAndKinds()
    {
        QCOMPARE(selectedSubjects(t.materias, 501), (Lines{"third only", "both years"}));
        QCOMPARE(selectedSubjects(t.materias, 502), (Lines{"both years", "fourth only"}));
        QCOMPARE(selectedSubjects(t.materias, 5), Lines{});
    }

    void sevenDigitSelectorAddsItsSecondPart()
    {
        QCOMPARE(selectedSubjects(t.materias, 1143058),
                 (Lines{"arts one", "humanities one", "common one", "modality one", "optional one"}));
        QCOMPARE(selectedSubjects(t.materias, 1153058),
                 (Lines{"arts one", "social one", "common one", "modality one", "optional one"}));
    }

    void informationCodesTakeTheirLinesAndTheCommonOnes()
    {
        QCOMPARE(informationLines(t.informa, 10), (Lines{"third", "third more"}));
        QCOMPARE(informationLines(t.informa, 23), (Lines{"common a", "arts route", "common b"}));
        QCOMPARE(informationLines(t.informa, 41), Lines{"arts lead"});
        QCOMPARE(informationLines(t.informa, 31), Lines{});
        QCOMPARE(informationLines(t.informa, 99),
                 (Lines{"T580", "", "T562", "T563", "T564", "T565", "T566", "T567", "T568"}));
    }

    void boxListsStartWithTheirHeadingOrNot()
    {
        QCOMPARE(subjectListLines(t.sources(), 41), (Lines{"third only", "both years"}));
        const Lines box25 = subjectListLines(t.sources(), 25);
        QCOMPARE(box25.size(), size_t(2)); // no group 2 lines in this table
        QCOMPARE(box25[0], QByteArray("T65"));
        QCOMPARE(box25[1], QByteArray(32, ' '));
        QCOMPARE(subjectListLines(t.sources(), 34)[2], QByteArray("arts one"));
        QCOMPARE(subjectListLines(t.sources(), 23), (Lines{"third", "third more"}));
        QVERIFY(subjectListLines(t.sources(), 5).empty()); // prints instead
        QVERIFY(subjectListLines(t.sources(), 0).empty());
    }

    void joinedHeadingIsCutTo31Characters()
    {
        diagramtest::setText(99, "Ciencias");
        diagramtest::setText(104, "de la Salud");
        QCOMPARE(subjectListHeading(subjectBoxContent(29)), QByteArray("Ciencias de la Salud"));
        diagramtest::setText(99, QByteArray(15, 'c')); // both slots full
        diagramtest::setText(104, QByteArray(15, 's'));
        QCOMPARE(subjectListHeading(subjectBoxContent(36)), QByteArray(15, 'c') + ' ' + QByteArray(15, 's'));
    }

    void boxContentsFollowTheirTable()
    {
        QCOMPARE(subjectBoxContent(5).action, BoxAction::PrintSheet);
        QCOMPARE(subjectBoxContent(5).number, 1);
        QCOMPARE(subjectBoxContent(2).number, 8);
        QCOMPARE(subjectBoxContent(17).number, 7);
        QCOMPARE(subjectBoxContent(44).number, 99);
        QCOMPARE(subjectBoxContent(31).number, 1173048);
        QCOMPARE(subjectBoxContent(43).number, 502);
        QCOMPARE(subjectBoxContent(1).action, BoxAction::Nothing);
        int lists = 0, sheets = 0, nothing = 0;
        for (int box = 0; box < kSubjectBoxes; ++box) {
            switch (subjectBoxContent(box).action) {
            case BoxAction::Nothing: ++nothing; break;
            case BoxAction::PrintSheet: ++sheets; break;
            default: ++lists;
            }
        }
        QCOMPARE(nothing, 2);
        QCOMPARE(sheets, 7);
        QCOMPARE(lists, 43);
    }

    void heightDependsOnKindAndLength()
    {
        QCOMPARE(subjectListHeight(23, 8), 150);
        QCOMPARE(subjectListHeight(23, 9), 225);
        QCOMPARE(subjectListHeight(25, 3), 225); // subjects of a box up to 40
        QCOMPARE(subjectListHeight(41, 30), 150);
    }

    void boxThreeGetsTallListAndMoreInformation()
    {
        const ListPlacement p = placeSubjectList(3, subjectListHeight(3, 4), true);
        QCOMPARE(p.list.width(), 300);
        QCOMPARE(p.list.height(), 300);
        QVERIFY(p.moreInformation);
        QCOMPARE(p.moreInformationAt, QPoint(p.list.left(), p.list.top() + 300));
        QCOMPARE(p.moreInformationWidth, 247);
        QCOMPARE(p.closeButton, QPoint(p.list.left() + 250, p.list.top() + 300));
        // The list and its link stay inside the window.
        QVERIFY(p.moreInformationAt.y() + kLinkRowHeight <= kWindowHeight);

        const ListPlacement plain = placeSubjectList(23, 150, true);
        QVERIFY(!plain.moreInformation);
        QCOMPARE(plain.list.height(), 150);
        QCOMPARE(plain.closeButton, QPoint(plain.list.left() + 234, plain.list.top() + 127));

        const ListPlacement certificates = placeSubjectList(44, 150, true);
        QVERIFY(certificates.moreInformation);
        QCOMPARE(certificates.list.height(), 150); // only boxes up to 20 grow
    }

    void listOpensFromTheBoxCorner()
    {
        const QPoint corner = subjectBoxes()[23].area.corner();
        const ListPlacement p = placeSubjectList(23, 150, true);
        QCOMPARE(p.openingSteps.size(), size_t(37));
        QCOMPARE(p.openingSteps.front(), QRect(corner.x(), corner.y(), 4, 4));
        QCOMPARE(p.openingSteps.back(), QRect(corner.x(), corner.y(), 148, 148));
        QVERIFY(!p.overflowsDown);
        QCOMPARE(p.list.topLeft(), corner);
    }

    void listNearTheEdgesMovesInside()
    {
        // Box 39 lies at the right edge; box 37 in the lowest band.
        const ListPlacement right = placeSubjectList(39, 150, true);
        QCOMPARE(right.list.left(), 1024 - 330);
        const GridBox low = subjectBoxes()[37].area;
        const ListPlacement down = placeSubjectList(37, 225, false);
        QVERIFY(low.corner().y() + 225 > 768 - 40);
        QVERIFY(down.overflowsDown);
        QCOMPARE(down.openingSteps[0].top(), low.corner().y() - 4);
        QCOMPARE(down.list.top(), low.corner().y() - 4 * 56);
        QCOMPARE(down.list.height(), 225);
    }

    void degreeListOfBoxThree()
    {
        const Lines lines = moreInformationLines(t.sources(), 3);
        const Lines expected = {"-T65", "T168",     "T169",     "",          "T170",
                                "",     "Degree A", "Degree C", "",          "       ------------",
                                "",     "T171",     "",         "title one", "title two"};
        QCOMPARE(lines, expected);
        QCOMPARE(moreInformationLines(t.sources(), 7).back(), QByteArray("title three"));
        QVERIFY(moreInformationLines(t.sources(), 44).empty());
        QCOMPARE(moreInformationAction(20), MoreInformation::DegreeList);
        QCOMPARE(moreInformationAction(44), MoreInformation::CertificatesWindow);
        QCOMPARE(moreInformationAction(46), MoreInformation::InitialProgrammesWindow);
        QCOMPARE(moreInformationAction(48), MoreInformation::InitialProgrammesWindow);
        QCOMPARE(moreInformationAction(47), MoreInformation::MiddleGradeExplorer);
        QCOMPARE(moreInformationAction(45), MoreInformation::Nothing);
    }

    void aClickWhileAListIsOpenOnlyClosesIt()
    {
        SubjectBoxClicks clicks;
        QVERIFY(clicks.click(5)); // prints sheet 1, and counts as an open list
        QCOMPARE(clicks.lastBox(), 5);
        QVERIFY(clicks.listOpen());
        QVERIFY(!clicks.click(23));
        QCOMPARE(clicks.lastBox(), 5);
        QVERIFY(!clicks.listOpen());
        QVERIFY(clicks.click(23));
        QCOMPARE(clicks.count(), 2);
        clicks.close();
        QVERIFY(clicks.click(0));
        QCOMPARE(clicks.count(), 3);
    }
};

QTEST_GUILESS_MAIN(TestSubjectLists)
#include "tst_subject_lists.moc"
