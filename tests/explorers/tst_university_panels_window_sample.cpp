// The two windows the university window opens beside a degree, on the
// sample installation, driven as a pupil would: the star map with rings on
// the regions that teach the degree, a region named under the pointer and
// clicked to scroll the centre list to it; the cut-off marks button to the
// entrance examination, its worked example and the degrees over a
// threshold with their centres; the weightings button to the documents,
// one opened through a stand-in viewer, and the message when none runs.

#include "support/controls.h"
#include "support/list_lines.h"
#include "support/started_installation.h"

#include "data/content_tables.h"
#include "data/information_lines.h"
#include "data/language.h"
#include "data/map_geometry.h"
#include "data/pdf_documents.h"
#include "data/region_provinces.h"
#include "data/text_bytes.h"
#include "data/university_tables.h"
#include "explorers/entrance_lists.h"
#include "explorers/entrance_panels_window.h"
#include "explorers/star_map_window.h"
#include "university/centre_lists.h"
#include "university/degree_catalogue.h"
#include "university/university_window.h"
#include "widgets/theme_assets.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <array>

using namespace velmira;
using testsupport::clickItem;
using testsupport::clickRow;
using testsupport::control;
using testsupport::displayed;
using testsupport::shownLines;

namespace {

// The star map shows the picture from (32, 32) on.
const QPoint kMapShift(32, 32);

// A point of the map's visible part inside region r, in the map's own
// coordinates; (-1, -1) when the region cannot be pointed at.
QPoint visiblePointOf(int region)
{
    static const std::array<QPoint, kRegionCount + 1> points = [] {
        std::array<QPoint, kRegionCount + 1> found;
        found.fill(QPoint(-1, -1));
        for (int y = kMapShift.y(); y < kMapShift.y() + 146; y += 2)
            for (int x = kMapShift.x(); x < kMapShift.x() + 211; x += 2) {
                const int r = hoveredRegion(x, y, 0);
                if (r > 0 && found[r].x() < 0)
                    found[r] = {x, y};
            }
        return found;
    }();
    return points[region];
}

// The last region on view that teaches the degree, or that does not.
int lastRegionOnView(int degree, bool teaching)
{
    const DegreeCentreList centres = centreListOfDegree(degree);
    int found = 0;
    for (int r = 1; r <= kRegionCount; ++r)
        if (centres.regionHasCentres[r] == teaching && visiblePointOf(r).x() >= 0)
            found = r;
    return found;
}

// Of the degrees that leave some region on view without rings, the one with
// the longest centre list.
int widestDegree()
{
    int best = 0;
    size_t most = 0;
    for (int d = 1; d <= catalogueDegreeCount(); ++d) {
        const size_t lines = centreListOfDegree(d).lines.size();
        if (lines > most && lastRegionOnView(d, true) > 0 && lastRegionOnView(d, false) > 0) {
            most = lines;
            best = d;
        }
    }
    return best;
}

QRgb pictureAt(QWidget *map, QPoint point) { return map->grab().toImage().pixel(point); }

// A stand-in run-mailcap, first on PATH: records its arguments, one a
// line, and ends with the status asked.
class FakeViewer
{
public:
    explicit FakeViewer(int status)
        : m_path(qgetenv("PATH"))
    {
        QFile script(m_dir.filePath(QStringLiteral("run-mailcap")));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"${0%/*}/opened\"\nexit "
                     + QByteArray::number(status) + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", m_dir.path().toLocal8Bit() + ':' + m_path);
    }
    ~FakeViewer() { qputenv("PATH", m_path); }
    QByteArray opened() const
    {
        QFile file(m_dir.filePath(QStringLiteral("opened")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};

} // namespace

class UniversityPanelsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;
    int m_degree = 0;

private slots:
    // The catalogue, with the degree taught in the most regions chosen.
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        // The documents are found beside the program, here its installation.
        setProgramDirectory(QDir::currentPath().toLocal8Bit() + '/');
        QVERIFY(m_program->openDoor("LabelCarreras", Form1));
        QVERIFY(!Form7->isVisible());
        QTest::mouseClick(control<QPushButton>(Form1, "menunuevo1"), Qt::LeftButton);
        m_degree = widestDegree();
        QVERIFY(m_degree > 0);
        auto *tree = control<QTreeWidget>(Form1, "Tree");
        const QString name = displayText(trimTrailingBlanks(degreeName(m_degree)));
        const QList<QTreeWidgetItem *> found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!found.isEmpty());
        clickItem(tree, found.front());
        QCOMPARE(Form1->currentDegree(), m_degree);
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    // Rings pulse on the regions that teach the degree, not elsewhere; the
    // region under the pointer is named; a click brings its centres to the
    // top of the list, blank rows added below when the list is too short.
    void starMapRingsNamesAndScrolls()
    {
        QVERIFY(Form7->isVisible());
        auto *map = control<QWidget>(Form7, "MapaEstrellas");
        const DegreeCentreList centres = centreListOfDegree(m_degree);
        const int taught = lastRegionOnView(m_degree, true);
        const int untaught = lastRegionOnView(m_degree, false);
        const QImage picture = themeAssets().map.toImage();
        QTRY_VERIFY(pictureAt(map, regionCentre(taught)) != picture.pixel(regionCentre(taught)));
        QCOMPARE(pictureAt(map, regionCentre(untaught)), picture.pixel(regionCentre(untaught)));

        const QPoint point = visiblePointOf(taught);
        // Moved over the star map's own window, which stays above the others.
        QTest::mouseMove(Form7->windowHandle(), map->mapTo(Form7, point));
        auto *name = control<QLabel>(Form7, "PanelMapa");
        QTRY_VERIFY(name->isVisible());
        QCOMPARE(name->text(), displayText(regionName(taught)));
        QVERIFY(Form7->rect().contains(name->geometry()));

        auto *list = control<QListWidget>(Form1, "ListSel");
        const int rows = list->count();
        QCOMPARE(rows, int(centres.lines.size()));
        QTest::mouseClick(map, Qt::LeftButton, {}, point);
        const int heading = centres.regionHeadingLine[taught];
        QCOMPARE(list->indexAt(QPoint(4, 4)).row(), heading);
        QCOMPARE(list->count() > rows, heading + 19 > rows);
        QVERIFY(list->item(heading)->text().startsWith(QStringLiteral("- ")));

        // A region without centres in the list leaves it where it is.
        QTest::mouseClick(map, Qt::LeftButton, {}, visiblePointOf(untaught));
        QCOMPARE(list->indexAt(QPoint(4, 4)).row(), heading);
    }

    // The cut-off button: the star map put away, the entrance examination,
    // its worked example, the degrees whose marks reach 8 and one's centres.
    void cutOffButtonOpensTheEntrancePanels()
    {
        QTest::mouseClick(control<QPushButton>(Form1, "BotCorte"), Qt::LeftButton);
        QTRY_VERIFY(Form6->isVisible());
        QVERIFY(!Form7->isVisible());
        auto *information = control<QListWidget>(Form6, "ListSelec");
        QVERIFY(information->isVisible());
        QCOMPARE(shownLines(information), displayed(informationLinesWithCode("30")));
        QVERIFY(information->count() > 3);

        QTest::mouseClick(control<QPushButton>(Form6, "BotEjemplo2"), Qt::LeftButton);
        QCOMPARE(shownLines(information), displayed(workedExampleRows()));
        QCOMPARE(information->item(2)->foreground().color(), QColor(128, 0, 0));
        QCOMPARE(information->item(3)->foreground().color() == QColor(128, 0, 0), false);

        QTest::mouseClick(control<QPushButton>(Form6, "BotCorte2"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form6, "PanelCorte")->isVisible());
        auto *threshold = control<QPushButton>(Form6, "Buttoncorte7");
        QTest::mouseClick(threshold, Qt::LeftButton);
        const std::vector<CutOffDegree> degrees =
            degreesAtOrAbove(80, content().carreran, universityData().centres);
        QVERIFY(degrees.size() > 1);
        auto *degreeList = control<QListWidget>(Form6, "L");
        QStringList expected;
        for (const CutOffDegree &degree : degrees)
            expected << displayText(degree.line);
        QCOMPARE(shownLines(degreeList), expected);
        QCOMPARE(control<QLabel>(Form6, "LabelMasde")->text(), threshold->text());
        clickRow(degreeList, 1);
        QCOMPARE(shownLines(control<QListWidget>(Form6, "listcalc")),
                 displayed(cutOffPlaceLines(degrees[1].places, content().lugar.names)));

        QTest::mouseClick(control<QPushButton>(Form6, "BotCerrar3"), Qt::LeftButton);
        QVERIFY(!Form6->isVisible());
        QVERIFY(Form1->isVisible());
    }

    // The weightings button, from the degree's requirements: its centres
    // listed behind, the PDF
    // documents in front, one opened by a double click in the viewer; a
    // viewer that fails tells the pupil where the documents are.
    void weightingsButtonOpensADocument()
    {
        QTest::mouseClick(control<QPushButton>(Form1, "botReq"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(Form1, "BotPonde"), Qt::LeftButton);
        QTRY_VERIFY(Form6->isVisible());
        QVERIFY(!Form7->isVisible());
        QCOMPARE(shownLines(control<QListWidget>(Form1, "ListSel")),
                 displayed(centreListOfDegree(m_degree).lines));
        QVERIFY(!control<QWidget>(Form6, "PanelCorte")->isVisible());
        auto *documents = control<QListWidget>(Form6, "ListUnis");
        QVERIFY(documents->isVisible());
        const QStringList names = pdfDocumentNames(QFile::decodeName(documentDirectory()));
        QVERIFY(names.size() > 1);
        QCOMPARE(shownLines(documents), names);
        QCOMPARE(documents->currentRow(), 0);

        {
            FakeViewer viewer(0);
            // A double click is a press and a release, then the double click.
            const QPoint row = documents->visualItemRect(documents->item(1)).center();
            QTest::mouseClick(documents->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseDClick(documents->viewport(), Qt::LeftButton, {}, row);
            QCOMPARE(viewer.opened(), documentDirectory() + QFile::encodeName(names[1]) + "\n");
        }
        QCOMPARE(m_program->messages(), QStringList());
        {
            FakeViewer failing(1);
            QTest::keyClick(documents, Qt::Key_Return);
            QVERIFY(!failing.opened().isEmpty());
        }
        QCOMPARE(m_program->messages(), QStringList{pdfFailureMessage()});
        m_program->clearMessages();

        QTest::mouseClick(control<QPushButton>(Form6, "Botcerrar4"), Qt::LeftButton);
        QVERIFY(!Form6->isVisible());
    }
};

QTEST_MAIN(UniversityPanelsTest)
#include "tst_university_panels_window_sample.moc"
