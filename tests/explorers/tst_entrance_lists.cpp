// The lists of the entrance panels on small tables: the degrees whose marks
// reach a threshold, the centres and marks of one, and the PDF documents of
// a folder.

#include "support/degree_centres_file.h"
#include "support/numbered_texts.h"

#include "data/degree_centres.h"
#include "data/encoding.h"
#include "data/line_table.h"
#include "data/pdf_documents.h"
#include "data/text_bytes.h"
#include "explorers/entrance_lists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmira;

namespace {

using Lines = std::vector<QByteArray>;
DegreeCentres degreeCentres(const testsupport::CentreMarks &perDegree)
{
    DegreeCentres centres;
    centres.fillFrom(testsupport::degreeCentresFile(perDegree));
    return centres;
}

LineTable table(const Lines &lines)
{
    LineTable names(301, 60);
    for (size_t i = 0; i < lines.size(); ++i)
        names.set(static_cast<int>(i) + 1, lines[i]);
    names.setCount(static_cast<int>(lines.size()));
    return names;
}

Lines linesOf(const std::vector<CutOffDegree> &degrees)
{
    Lines lines;
    for (const CutOffDegree &degree : degrees)
        lines.push_back(degree.line);
    return lines;
}

// A name as the tables hold it in UTF mode.
QByteArray stored(const char *utf8) { return latin1ToUtf8(QString::fromUtf8(utf8).toLatin1()); }

bool touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4\n") > 0;
}

} // namespace

class TestEntranceLists : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::freshTablesWithNumberedTexts(); }

    // A mark exactly at the threshold counts; the no-mark value counts
    // neither among the marks reaching it nor in the total; a degree with
    // no mark reaching it, or with no mark at all, is left out.
    void degreesAreListedByTheMarksThatReachTheThreshold()
    {
        const LineTable names = table({"Medicina", "Historia", "Fisica", "Derecho"});
        const DegreeCentres centres = degreeCentres({
            {1, {{3, 80}, {5, 10}, {7, 125}, {9, 79}}},
            {2, {{4, 10}, {6, 10}}},
            {3, {{2, 55}, {8, 79}}},
            {4, {{1, 100}}},
        });
        const std::vector<CutOffDegree> eight = degreesAtOrAbove(80, names, centres);
        QCOMPARE(linesOf(eight),
                 (Lines{padTo("Medicina", 40) + "    2  ( 3)", padTo("Derecho", 40) + "    1  ( 1)"}));
        QCOMPARE(eight[0].places.size(), size_t(2));
        QCOMPARE(eight[0].places[0].place, 3);
        QCOMPARE(eight[0].places[1].mark, 125);

        QCOMPARE(linesOf(degreesAtOrAbove(60, names, centres)),
                 (Lines{padTo("Medicina", 40) + "    3  ( 3)", padTo("Fisica", 40) + "    1  ( 2)",
                        padTo("Derecho", 40) + "    1  ( 1)"}));
        QCOMPARE(linesOf(degreesAtOrAbove(100, names, centres)),
                 (Lines{padTo("Medicina", 40) + "    1  ( 3)", padTo("Derecho", 40) + "    1  ( 1)"}));
        // Historia, whose marks are all the no-mark value, not even at the lowest threshold.
        QCOMPARE(linesOf(degreesAtOrAbove(1, names, centres)),
                 (Lines{padTo("Medicina", 40) + "    3  ( 3)", padTo("Fisica", 40) + "    2  ( 2)",
                        padTo("Derecho", 40) + "    1  ( 1)"}));
    }

    // The marks after the place names stay in one column when a name has
    // accented letters stored as two bytes.
    void accentedNamesKeepTheColumns()
    {
        setUtfMode(true);
        const QByteArray accented = stored("Ingeniería Técnica de Telecomunicación en Cáceres y Mérida");
        const LineTable degrees = table({accented, "Arquitectura"});
        const DegreeCentres centres = degreeCentres({{1, {{1, 90}}}, {2, {{2, 95}}}});
        const Lines lines = linesOf(degreesAtOrAbove(80, degrees, centres));
        QCOMPARE(lines.size(), size_t(2));
        QCOMPARE(displayText(lines[0]).size(), displayText(lines[1]).size());
        QVERIFY(displayText(lines[0]).startsWith(QStringLiteral("Ingeniería Técnica de Telecomunicación e")));

        const LineTable places = table({stored("Universidad de Córdoba"), "Universidad de Vigo"});
        const Lines placeLines = cutOffPlaceLines({{1, 105}, {2, 75}}, places);
        QCOMPARE(displayText(placeLines[0]),
                 QString::fromUtf8("Universidad de Córdoba").leftJustified(40) + "  10,5");
        QCOMPARE(displayText(placeLines[1]),
                 QStringLiteral("Universidad de Vigo").leftJustified(40) + "   7,5");
        setUtfMode(false);
    }

    // Files whose extension reads "PDF" in upper case, hidden ones too, by
    // name whatever its case; directories and other files are left out.
    void pdfDocumentsAreFilesWithThePdfExtension()
    {
        QTemporaryDir folder;
        const QDir dir(folder.path());
        for (const char *name : {"Ponderaciones_Madrid.pdf", "Andalucia.PDF", "galicia.Pdf", ".oculto.pdf",
                                 "notas.txt", "pdf", "informe.pdf.bak"})
            QVERIFY(touch(dir.filePath(QString::fromLatin1(name))));
        QVERIFY(dir.mkdir(QStringLiteral("Carpeta.PDF")));
        QCOMPARE(pdfDocumentNames(folder.path()),
                 (QStringList{QStringLiteral(".oculto.pdf"), QStringLiteral("Andalucia.PDF"),
                              QStringLiteral("galicia.Pdf"), QStringLiteral("Ponderaciones_Madrid.pdf")}));
        QCOMPARE(pdfDocumentNames(dir.filePath(QStringLiteral("missing"))), QStringList());
    }

    // Detail rows are indented, and the example's parts are apart.
    void workedExampleIndentsItsDetails()
    {
        const Lines rows = workedExampleRows();
        QCOMPARE(rows.size(), size_t(21));
        QCOMPARE(rows.front(), QByteArray("T697"));
        QCOMPARE(rows[2], QByteArray("  T734"));
        QCOMPARE(rows[7], QByteArray());
        QCOMPARE(rows.back(), QByteArray("T749"));
    }
};

QTEST_GUILESS_MAIN(TestEntranceLists)
#include "tst_entrance_lists.moc"
