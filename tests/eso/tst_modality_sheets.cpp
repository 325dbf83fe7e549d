// The printed sheets of the itineraries diagram on small tables: the lines
// of a route sheet and of the higher-grade sheet, and the print buffer.

#include "diagram_test_support.h"

#include "eso/modality_sheets.h"
#include "eso/subject_lists.h"

#include "data/print_state.h"
#include "data/record_files.h"

#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;

const QByteArray kRule = "     ------------------";
const QByteArray k32(32, ' ');

} // namespace

class TestModalitySheets : public QObject
{
    Q_OBJECT

    LineTable materias{20, 60};
    LineTable informa{30, 60};
    LineTable fps{10, 60};
    LineTable carreran{10, 60};
    DegreeRows datgrados;

    SubjectListSources sources() const { return {materias, informa, fps, carreran, datgrados}; }

private slots:
    void init()
    {
        diagramtest::setNumberedTexts();
        diagramtest::fill(materias,
                          {"11arts one", "14humanities one", "25latin two", "30common one", "48optional two",
                           "16science one"});
        diagramtest::fill(informa, {"21humanities", "20common", "36higher", "19access", "23arts"});
        diagramtest::fill(fps, {" 2     title two", "1      title one"});
        diagramtest::fill(carreran, {"Degree A", "Degree B"});
        datgrados.set(1, DegreeField::Branch, 1);
        datgrados.set(2, DegreeField::Branch, 2);
    }

    void sheetOneOfBoxFive()
    {
        QCOMPARE(subjectBoxContent(5).number, 1);
        const Lines expected = {"",
                                "",
                                "T66",
                                "T68",
                                "",
                                "T59",
                                "",
                                kRule,
                                "",
                                "T56",
                                "",
                                "T73",
                                k32,
                                "arts one",
                                "humanities one",
                                "common one",
                                "",
                                kRule,
                                "",
                                "T57",
                                "",
                                "T73",
                                k32,
                                "latin two",
                                "optional two",
                                "",
                                "",
                                kRule,
                                "",
                                "humanities",
                                "common",
                                "",
                                kRule,
                                "",
                                "T58",
                                "    ",
                                "T168",
                                "T169",
                                "",
                                "T170",
                                "",
                                "Degree A",
                                "",
                                "       ------------",
                                "",
                                "T171",
                                "",
                                "title two",
                                "",
                                kRule,
                                ""};
        QCOMPARE(modalitySheetLines(sources(), 1), expected);
    }

    void artsSheetHasOneMoreEmptyLineAndBranchZero()
    {
        const Lines sheet = modalitySheetLines(sources(), 8);
        QCOMPARE(sheet[3], QByteArray("T71"));
        QCOMPARE(sheet[5], QByteArray("T64"));
        // 1123038: kinds 1 and 2 of group 1, kinds 0, 3 and 8 of group 3;
        // 2014038: kinds 0 and 1 of group 2, kinds 0, 3 and 8 of group 4.
        const Lines head(sheet.begin() + 7, sheet.begin() + 30);
        const Lines expected = {kRule, "",    "T56", "",    "T73", k32,      "arts one", "common one",
                                "",    kRule, "",    "T57", "",    "T73",    k32,        "optional two",
                                "",    "",    "",    kRule, "",    "common", "arts"};
        QCOMPARE(head, expected);
        QVERIFY(std::find(sheet.begin(), sheet.end(), QByteArray("Degree A")) == sheet.end());
        QVERIFY(std::find(sheet.begin(), sheet.end(), QByteArray("title one")) != sheet.end());
    }

    void higherGradeSheet()
    {
        const Lines expected = {"", "", kRule, "", "higher", "", kRule, "", "access"};
        QCOMPARE(modalitySheetLines(sources(), 7), expected);
        QVERIFY(modalitySheetLines(sources(), 2).empty());
    }

    void printBufferHoldsTheSheetWithoutBoldLines()
    {
        LineTable buffer{1501, 60};
        buffer.set(0, "old title");
        setBoldLines({3});
        const Lines sheet = modalitySheetLines(sources(), 7);
        QCOMPARE(fillSheetPrintBuffer(buffer, sheet), 9);
        QCOMPARE(buffer.at(0), QByteArray());
        QCOMPARE(buffer.at(5), QByteArray("higher"));
        QCOMPARE(buffer.at(9), QByteArray("access"));
        QVERIFY(boldLines().empty());

        LineTable small{4, 60};
        QCOMPARE(fillSheetPrintBuffer(small, sheet), 3);
    }
};

QTEST_GUILESS_MAIN(TestModalitySheets)
#include "tst_modality_sheets.moc"
