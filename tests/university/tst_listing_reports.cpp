// The printed listings of the university window: long rows wrapped whole,
// a degree's report with its four bold headings, double degrees, other
// studies and masters.

#include "university_test_support.h"

#include "data/record_files.h"
#include "university/listing_reports.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;

} // namespace

class TestListingReports : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_startDir;

private slots:
    // The data files of these reports are read from the working directory.
    void initTestCase()
    {
        m_startDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_startDir); }

    void init()
    {
        unitest::freshTables();
        unitest::setDegreeNames({"Grado A"});
    }

    void longRowsAreWrappedAtABlankAndKeptWhole()
    {
        const QByteArray words = "  " + QByteArray("palabra ").repeated(9) + "fin";
        const Lines wrapped = wrapRows({words, "corta   "});
        QCOMPARE(wrapped,
                 (Lines{"  " + QByteArray("palabra ").repeated(7).trimmed(),
                        "     " + QByteArray("palabra ").repeated(2) + "fin", "corta"}));
        // No blank to break at: cut at the limit, never inside a two-byte letter.
        const QByteArray accented = QByteArray(59, 'a') + "\xC3\xA1" + "bc";
        QCOMPARE(wrapRows({accented}),
                 (Lines{QByteArray(59, 'a'),
                        "   \xC3\xA1"
                        "bc"}));
    }

    void aDegreesReportHasItsCentresRequirementsAndInformation()
    {
        content().datgrados.set(1, DegreeField::Branch, 1);
        content().datgrados.set(1, DegreeField::OutletCode, 7);
        QFile grados(QStringLiteral("grados.txt"));
        QVERIFY(grados.open(QIODevice::WriteOnly));
        grados.write("<<  7\nhidden\nhidden\nFirst line\n* bullet\n\n<<  8\n");
        grados.close();

        const ListingReport report = degreeReport(1);
        QCOMPARE(report.title, QByteArray("T522:  Grado A"));
        QCOMPARE(report.rows[0], "-" + QByteArray(17, ' ') + "T593");
        const auto requirements = std::find(report.rows.begin(), report.rows.end(), QByteArray("-     T277"));
        QCOMPARE(int(requirements - report.rows.begin()), 2);
        // The information after its heading, without the empty row that ends it.
        QCOMPARE(Lines(report.rows.end() - 4, report.rows.end()),
                 (Lines{"", QByteArray(11, ' ') + "T278", "First line", "  o  bullet"}));
        QCOMPARE(report.boldRows, (std::set<int>{1, 2, 3, int(report.rows.size()) - 2}));
    }

    void doubleDegreesOtherStudiesAndMasters()
    {
        foundationState().centreName = "IES Ejemplo";
        const ListingReport doubles =
            doubleDegreeReport(false, "Universidad X  ", {"        Grupo", " A...+ B"});
        QCOMPARE(doubles.title, QByteArray("T242"));
        QCOMPARE(doubles.rows,
                 (Lines{"    IES Ejemplo", "", QByteArray(14, ' ') + "T242", "", "    T289: Universidad X",
                        "    " + QByteArray(45, '_'), "", "        Grupo", " A...+ B"}));
        QVERIFY(doubles.boldRows.empty());
        QCOMPARE(doubleDegreeReport(true, "Grado A", {}).rows[4], QByteArray("    T325: Grado A"));

        content().otros.set(1, "Idiomas   ");
        content().asignaot.set(1, 1, "Escuelas de idiomas");
        const ListingReport other = otherStudyReport(1);
        QCOMPARE(other.title, QByteArray("T290: Idiomas"));
        QCOMPARE(other.rows.front(), QByteArray("Escuelas de idiomas"));

        QFile master(QStringLiteral("master.txt"));
        QVERIFY(master.open(QIODevice::WriteOnly));
        master.write("Los masteres\n");
        master.close();
        QCOMPARE(mastersReport().title, QByteArray(11, ' ') + "T551");
        QCOMPARE(mastersReport().rows, Lines{"Los masteres"});
    }
};

QTEST_GUILESS_MAIN(TestListingReports)
#include "tst_listing_reports.moc"
