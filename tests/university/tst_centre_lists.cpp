// The centres of a degree by region with their marks, and the degrees of a
// centre: flat or under branch headings, accented names, double degrees.

#include "university_test_support.h"

#include "support/degree_centres_file.h"

#include "data/degree_centres.h"
#include "data/encoding.h"
#include "data/record_files.h"
#include "university/centre_lists.h"

#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;
using Numbers = std::vector<int>;

const QByteArray kLongName = "Universidad Complutense de Madrid, Facultad de Ciencias";

void addCentre(int c, const QByteArray &name, int region)
{
    content().lugar.names.set(c, name);
    content().lugar.region[c] = region;
}

QByteArray grado(int d) { return "Grado " + QByteArray::number(d).rightJustified(2, '0'); }

using testsupport::CentreMarks;

void setDegreeCentres(const CentreMarks &perDegree)
{
    universityData().centres.fillFrom(testsupport::degreeCentresFile(perDegree));
}

} // namespace

class TestCentreLists : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        unitest::freshTables();
        Lines regions;
        for (int r = 1; r <= 19; ++r)
            regions.push_back(QByteArray::number(r).rightJustified(2, '0') + "Region "
                              + QByteArray::number(r));
        unitest::fillPadded(content().comunida, regions, kWidthB);
    }

    void marksAreTenthsWithACommaOrADash()
    {
        QCOMPARE(markText(65), QByteArray(" 6,5"));
        QCOMPARE(markText(123), QByteArray("12,3"));
        QCOMPARE(markText(100), QByteArray("10,0"));
        QCOMPARE(markText(10), QByteArray("  - "));
    }

    void centresOfADegreeComeUnderTheirRegions()
    {
        addCentre(1, padTo("Universidad de Sevilla", 44), 1);
        addCentre(2, kLongName, 13);
        addCentre(3, padTo("Universidad de Granada", 44), 1);
        addCentre(4, padTo("Universidad de Oviedo", 44), 3);
        unitest::setDegreeNames({"Fisica", "Quimica"});
        setDegreeCentres({{1, {{2, 65}, {1, 10}, {3, 123}}}});

        const DegreeCentreList list = centreListOfDegree(1);
        QCOMPARE(list.lines,
                 (Lines{"-" + QByteArray(17, ' ') + "T593", QByteArray(30, ' ') + "T296",
                        "- " + padTo("Region 1", 43), " - " + padTo("Universidad de Sevilla", 44) + "  - ",
                        " - " + padTo("Universidad de Granada", 44) + "12,3", "- " + padTo("Region 13", 43),
                        " - " + kLongName.left(45) + " 6,5"}));
        for (int r = 1; r <= 19; ++r) {
            QCOMPARE(list.regionHasCentres[r], r == 1 || r == 13);
            QCOMPARE(list.regionHeadingLine[r], r == 1 ? 2 : r == 13 ? 5 : 0);
        }

        const DegreeCentreList none = centreListOfDegree(2);
        QCOMPARE(none.lines.size(), size_t(2));
        QCOMPARE(none.regionHasCentres, (std::array<bool, 20>{}));
    }

    // Centre 7 teaches 16 degrees, centre 8 the first 15; even degrees are
    // of branch 1, odd ones of branch 3.
    void moreThanFifteenDegreesAreGroupedByBranch()
    {
        Lines names;
        CentreMarks centres;
        for (int d = 1; d <= 16; ++d) {
            names.push_back(grado(d));
            content().datgrados.set(d, DegreeField::Branch, d % 2 ? 3 : 1);
            centres[d] = {{7, 50 + d}};
            if (d <= 15)
                centres[d].push_back({8, DegreeCentres::kNoMark});
        }
        unitest::setDegreeNames(names);
        setDegreeCentres(centres);

        const NumberedLines flat = degreeListOfCentre(8);
        QCOMPARE(flat.lines.size(), size_t(15));
        QCOMPARE(flat.lines[0], padTo(grado(1), 50) + "  - ");
        QCOMPARE(flat.numbers, (Numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));

        const NumberedLines grouped = degreeListOfCentre(7);
        QCOMPARE(grouped.numbers, (Numbers{0, 2, 4, 6, 8, 10, 12, 14, 16, 0, 1, 3, 5, 7, 9, 11, 13, 15}));
        QCOMPARE(grouped.lines[0], QByteArray("-   T515"));
        QCOMPARE(grouped.lines[1], padTo(grado(2), 50) + " 5,2");
        QCOMPARE(grouped.lines[9], QByteArray("-   T517"));
    }

    // Names of 55 letters in 60 bytes, five letters taking two bytes each.
    void accentedNamesKeepFiftyVisibleLettersAndDoublesFollow()
    {
        const QByteArray accents = "\xC3\xA1\xC3\xA9\xC3\xAD\xC3\xB3\xC3\xBA";
        const QByteArray early = accents + QByteArray(50, 'x');
        const QByteArray late = QByteArray(50, 'x') + accents;
        setUtfMode(true);
        unitest::setDegreeNames({early, "Derecho", "Economia", late});
        setDegreeCentres({{1, {{9, 70}}}, {2, {{4, 60}}}, {4, {{9, 80}}}});
        DoubleDegrees &dobles = content().dobles;
        dobles.groupCount = 9;
        dobles.memberCount[9] = 2;
        dobles.member(9, 1) = {0, 2, 3, "AB12"};
        dobles.member(9, 2) = {0, 0, 3, "X"};

        const NumberedLines list = degreeListOfCentre(9);
        QCOMPARE(list.lines[0], early.left(55) + " 7,0");
        QCOMPARE(QString::fromUtf8(early.left(55)).size(), 50);
        // The late name's accented letters fall after its fifty visible
        // letters: the mark stays in its column.
        QCOMPARE(list.lines[1], QByteArray(50, 'x') + " 8,0");
        const QByteArray separator = QByteArray(17, ' ') + "-----" + QByteArray(5, ' ');
        QCOMPARE(Lines(list.lines.begin() + 2, list.lines.end()),
                 (Lines{"", "-" + QByteArray(16, ' ') + "T242", padTo("Derecho", 50) + "AB12",
                        " + " + padTo("Economia", kWidthA), separator,
                        // An unknown degree (0) shows no name.
                        QByteArray(50, ' ') + "X", " + " + padTo("Economia", kWidthA), separator}));
        QCOMPARE(list.numbers, (Numbers{1, 4, 0, 0, 0, 0, 0, 0, 0, 0}));

        // A centre's accented name keeps its mark in the column of plain ones.
        addCentre(9, padTo("Universit\xC3\xA0t de Val\xC3\xA8ncia", 46), 10);
        addCentre(4, padTo("Universitat de Girona", 44), 10);
        const DegreeCentreList centres = centreListOfDegree(1);
        QCOMPARE(QString::fromUtf8(centres.lines[3]).indexOf(QStringLiteral("7,0")), 3 + 44 + 1);
        QCOMPARE(QString::fromUtf8(centreListOfDegree(2).lines[3]).indexOf(QStringLiteral("6,0")), 3 + 44 + 1);
    }
};

QTEST_GUILESS_MAIN(TestCentreLists)
#include "tst_centre_lists.moc"
