// The five arrangements of the degree tree on a catalogue of six degrees,
// and the image a click gives a node.

#include "university_test_support.h"

#include "data/record_files.h"
#include "university/degree_tree.h"

#include <QtTest>

#include <tuple>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;

// name, branch, group, first and second itinerary, professions. Degrees 1
// and 4 share their first 10 bytes, the later one sorting lower.
const std::vector<std::tuple<QByteArray, int, int, int, int, std::vector<int>>> kCatalogue = {
    {"Ingenieria Civil", 5, 1, 2, 0, {1}}, {"Derecho", 4, 0, 3, 11, {2}},
    {"Medicina", 3, 2, 11, 0, {3, 1}},     {"Ingenieria Agricola", 5, 1, 12, 2, {0, 0, 0, 3}},
    {"Biologia", 3, 0, 2, 0, {4}},         {"Enfermeria", 3, 2, 12, 0, {2}},
};

Profession profession(const QByteArray &first, const QByteArray &second)
{
    Profession p;
    p.firstActivity = first;
    p.secondActivity = second;
    return p;
}

// "#caption" for a heading (blanks collapsed), "d<degree>" for a degree,
// then "^<parent>" under a parent; images checked on the way.
Lines describe(const std::vector<DegreeTreeNode> &nodes)
{
    Lines out;
    for (const DegreeTreeNode &n : nodes) {
        QByteArray d = n.degree ? "d" + QByteArray::number(n.degree) : "#" + n.caption.simplified();
        if (n.parent >= 0)
            d += "^" + QByteArray::number(n.parent);
        out.push_back(n.image == (n.degree ? kDegreeImage : kHeadingImage) ? d : "bad image " + d);
    }
    return out;
}

} // namespace

class TestDegreeTree : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        unitest::freshTables();
        DegreeRows &rows = content().datgrados;
        Lines names;
        int d = 0;
        for (const auto &[name, branch, group, first, second, professions] : kCatalogue) {
            names.push_back(name);
            rows.set(++d, DegreeField::Branch, branch);
            rows.set(d, DegreeField::Group, group);
            rows.set(d, DegreeField::FirstItinerary, first);
            rows.set(d, DegreeField::SecondItinerary, second);
            for (size_t f = 0; f < professions.size(); ++f)
                rows.set(d, DegreeField::FirstProfession + static_cast<int>(f), professions[f]);
        }
        unitest::setDegreeNames(names);
        unitest::fillPadded(content().carreranb, {"Ingenierias", "Salud"}, kWidthA);
    }

    void branchesListEveryHeadingAndTheirDegreesInOrder()
    {
        QCOMPARE(describe(buildDegreeTree(ByBranch)),
                 (Lines{"#T515", "#T516", "#T517", "d3^2", "d5^2", "d6^2", "#T518", "d2^6", "#T519", "d1^8",
                        "d4^8"}));
    }

    void groupsComeInTheOrderOfTheirFirstMemberWithTheirCount()
    {
        const auto nodes = buildDegreeTree(ByGroup);
        QCOMPARE(describe(nodes),
                 (Lines{"#Ingenierias (2)", "d1^0", "d4^0", "d2", "#Salud (2)", "d3^4", "d6^4", "d5"}));
        QCOMPARE(nodes[0].caption, QByteArray("Ingenierias (2)"));
        QCOMPARE(nodes[1].caption, content().carreran.at(1));
        QVERIFY(buildDegreeTree(5).empty());
    }

    void areasSkipEntries23And24AndListADegreeOnce()
    {
        for (int k = 1; k <= 25; ++k)
            content().activida.set(
                k, "A" + QByteArray::number(k).rightJustified(3, '0') + " Area " + QByteArray::number(k));
        content().activida.setCount(25);
        // Profession 4's code differs from area 2's only in case.
        universityData().professions = {Profession{}, profession("A001", "A023"), profession("A002", "    "),
                                        profession("A024", "A001"), profession("a002", "    ")};
        Lines expected = {"#Area 1", "d1^0", "d3^0", "d4^0", "#Area 2", "d2^4", "d6^4"};
        for (int k = 3; k <= 22; ++k)
            expected.push_back("#Area " + QByteArray::number(k));
        expected.push_back("#Area 25");
        QCOMPARE(describe(buildDegreeTree(ByArea)), expected);
    }

    void itinerary12JoinsItinerary11AfterFirstThenSecondItineraries()
    {
        Lines names;
        for (int k = 1; k <= 12; ++k)
            names.push_back("It" + QByteArray::number(k));
        unitest::fillPadded(universityData().itinerar, names, kWidthA);
        Lines expected = {"#It1", "#It2", "d1^1", "d5^1", "d4^1", "#It3", "d2^5"};
        for (int k = 4; k <= 11; ++k)
            expected.push_back("#It" + QByteArray::number(k));
        for (const char *d : {"d3^14", "d2^14", "d4^14", "d6^14"})
            expected.push_back(d);
        QCOMPARE(describe(buildDegreeTree(ByItinerary)), expected);
    }

    void alphabeticalSortsOnTenBytesOnlyOutsideCastilian()
    {
        QCOMPARE(describe(buildDegreeTree(Alphabetical)), (Lines{"d1", "d2", "d3", "d4", "d5", "d6"}));
        setLanguage(Galician);
        QCOMPARE(describe(buildDegreeTree(Alphabetical)), (Lines{"d5", "d2", "d6", "d1", "d4", "d3"}));
    }

    void clickImageDependsOnTheViewAndTheNode()
    {
        QCOMPARE(selectedStateImage(true, true, false), kSelectedDegreeImage);
        QCOMPARE(selectedStateImage(true, false, false), kSelectedDegreeImage);
        QCOMPARE(selectedStateImage(true, false, true), kImageUnchanged);
        QCOMPARE(selectedStateImage(false, true, false), kSelectedDegreeImage);
        QCOMPARE(selectedStateImage(false, false, true), kHeadingImage);
        QCOMPARE(selectedStateImage(false, false, false), kHeadingImage);
    }
};

QTEST_GUILESS_MAIN(TestDegreeTree)
#include "tst_degree_tree.moc"
