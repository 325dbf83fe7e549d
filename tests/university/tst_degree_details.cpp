// A degree's requirements (verdict from the cut-off marks, its own and its
// branch's subjects) and its block of "grados.txt".

#include "university_test_support.h"

#include "data/record_files.h"
#include "university/degree_details.h"

#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;

void setDegree(int degree, int branch, std::array<int, 4> subjects)
{
    DegreeRows &rows = content().datgrados;
    rows.set(degree, DegreeField::Branch, branch);
    for (int k = 0; k < 4; ++k)
        rows.set(degree, DegreeField::FirstSubject + k, subjects[k]);
}

// The lines between the branch's name and the closing advice.
Lines subjectLines(const Lines &all)
{
    const auto from = std::find(all.begin(), all.end(), QByteArray("-  T725"));
    const auto to = std::find(all.begin(), all.end(), QByteArray("T730"));
    return Lines(from + 2, to - 1);
}

} // namespace

class TestDegreeDetails : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        unitest::freshTables();
        unitest::setDegreeNames({"Grado A", "Grado B"});
        for (int s = 1; s <= 30; ++s)
            content().materiasp.set(s, "S" + QByteArray::number(s) + "   ");
    }

    void verdictFromTheCutOffMarks()
    {
        // No mark above 1,1: no verdict.
        QCOMPARE(admissionVerdict({10, 10, 11}), Lines());
        QCOMPARE(admissionVerdict({}), Lines());
        // An average of 6,0 from 5,9 and 6,1, written with a point.
        QCOMPARE(admissionVerdict({59, 61, 10}), Lines{"T721 6.0"});
        QCOMPARE(admissionVerdict({125, 131}), Lines{"T721 12.8"});
        // Under 6,0: hard; easier somewhere when over a fifth pass 5,0 and one passes 6,0.
        QCOMPARE(admissionVerdict({45, 55, 65}), (Lines{"T720", "T722"}));
        QCOMPARE(admissionVerdict({45, 45, 45, 45, 45, 65}), Lines{"T720"});
        QCOMPARE(admissionVerdict({45, 55, 58}), Lines{"T720"});
    }

    void requirementsListTheOwnSubjectsThenTheBranchsOthers()
    {
        setDegree(1, 2, {21, 4, 0, 0});
        const Lines all = requirementsLines(1);
        QCOMPARE(all.front(), QByteArray("-     T277"));
        QCOMPARE(all.back(), QByteArray("T715"));
        QCOMPARE(subjectLines(all), (Lines{">   S21", ">   S4", "", "T727", ">   S3", ">   S10", ">   S23"}));

        // "Any subject" ends the degree's own list; the health branch adds its line.
        setDegree(2, 3, {9, 50, 16, 0});
        QCOMPARE(subjectLines(requirementsLines(2)), (Lines{">   S9", "    T55", "", "T727", ">   S16", ">   S13",
                                                            ">   S15", ">   S18", "T729", ">   T728"}));
        setDegree(2, 1, {0, 0, 0, 0});
        QCOMPARE(subjectLines(requirementsLines(2)), (Lines{"", "T727", ">   T728"}));
    }

    void requirementsCarryTheVerdictAfterTheirHeading()
    {
        setDegree(1, 5, {0, 0, 0, 0});
        QByteArray file(5 * DegreeCentres::kBlockBytes, '\0');
        file[0] = 2;
        file[1] = 1;
        file[2] = 2;
        file[2 * DegreeCentres::kBlockBytes + 1] = 59;
        file[2 * DegreeCentres::kBlockBytes + 2] = 61;
        universityData().centres.fillFrom(file);
        const Lines all = requirementsLines(1);
        QCOMPARE(Lines(all.begin(), all.begin() + 5), (Lines{"-     T277", "", "T674", "T721 6.0", ""}));
    }

    void informationBlocksEndAtTheNextKey()
    {
        const Lines file{"<<  7", "hidden 1", "hidden 2", "first", "* bullet", "<< 71",
                         "x",     "y",        "only",     "<<123", "a",       "b",
                         "last",  "no end"};
        QCOMPARE(informationBlock(file, 7), (Lines{"first", "  o  bullet"}));
        QCOMPARE(informationBlock(file, 71), Lines{"only"});
        // The last block has no key line after it; an unknown code has no key.
        QVERIFY(!informationBlock(file, 123));
        QVERIFY(!informationBlock(file, 12));
        QVERIFY(!informationBlock(file, 8));
        // A key line among the hidden lines is dropped, and the next line is the hidden one.
        QCOMPARE(informationBlock({"<<  1", "a", "<< bad", "hidden", "shown", "<<  2"}, 1), Lines{"shown"});
    }
};

QTEST_GUILESS_MAIN(TestDegreeDetails)
#include "tst_degree_details.moc"
