// The initial programmes window on the sample installation, driven as a
// pupil would: from door 6 to a group, a programme previewed and chosen,
// its details, printing refused before a region and then printed with the
// centres of the region clicked on the map, read back from the PDF; the
// group that searches by place; and the way back to the main menu. What is
// clicked is chosen from the content.

#include "support/controls.h"
#include "support/dialog_answerer.h"
#include "support/list_lines.h"
#include "support/map_clicks.h"
#include "support/started_installation.h"

#include "data/centre_listings.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "explorers/initial_programme_catalogue.h"
#include "explorers/initial_programmes_window.h"
#include "shell/main_menu_window.h"
#include "widgets/centre_grid.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace velmira;
using namespace initial_programmes_text;
using testsupport::click;
using testsupport::clickableRegions;
using testsupport::clickRegion;
using testsupport::clickRow;
using testsupport::control;
using testsupport::hoverRow;
using testsupport::PdfPrint;
using testsupport::shown;

namespace {

QListWidget *listOf(const char *name) { return control<QListWidget>(FIniPro, name); }
QPushButton *buttonOf(const char *name) { return control<QPushButton>(FIniPro, name); }
bool shows(const char *name) { return control<QWidget>(FIniPro, name)->isVisible(); }
struct ProgrammeRoad
{
    int group = 0;
    int row = 0; // in the programme list
    int line = 0;
    int region = 0;
};

// The first programme, after a heading, taught in a clickable region.
ProgrammeRoad firstTaughtProgramme()
{
    FillProvinceKeys();
    for (int g = 1; g <= programmes::kGroupCount; ++g) {
        const std::vector<int> lines = programmes::linesOfGroup(g);
        for (size_t row = 1; row < lines.size(); ++row) {
            if (programmes::isHeading(lines[row]) || !programmes::isHeading(lines[row - 1]))
                continue;
            const auto teaching = regionsTeaching(content().datlugip, lines[row]);
            for (int r : clickableRegions())
                if (teaching[r])
                    return {g, int(row), lines[row], r};
        }
    }
    return {};
}

int byPlaceGroup()
{
    for (int g = 1; g <= programmes::kGroupCount; ++g)
        if (programmes::opensByPlace(g))
            return g;
    return 0;
}

} // namespace

class InitialProgrammesWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QVERIFY(m_program->openDoor("LabelFPip", FIniPro));
        QVERIFY(!form0->isVisible());
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void fromAGroupToAProgrammePrintedWithItsRegion()
    {
        QListWidget *groups = listOf("ListSelFp");
        QVERIFY(groups->isVisible() && shows("PanelAyuda"));
        QCOMPARE(groups->count(), programmes::kGroupCount);
        const ProgrammeRoad road = firstTaughtProgramme();
        QVERIFY(road.line > 0);

        clickRow(groups, road.group - 1);
        QListWidget *programmeList = listOf("ListTitFP");
        QListWidget *preview = listOf("ListFPExpli");
        QVERIFY(programmeList->isVisible());
        QCOMPARE(programmeList->count(), int(programmes::linesOfGroup(road.group).size()));
        QCOMPARE(programmeList->item(road.row)->text(), shown(programmes::lineName(road.line)));

        // The modules of the programme under the pointer; none for a heading.
        hoverRow(programmeList, road.row);
        QTRY_COMPARE(preview->count(), 6);
        QCOMPARE(preview->item(1)->text(), shown(modulesOfProgramme(road.line).front()));
        QCOMPARE(preview->geometry().top(), programmeList->geometry().bottom() + 1);
        hoverRow(programmeList, road.row - 1);
        QTRY_COMPARE(preview->count(), 0);
        clickRow(programmeList, road.row - 1);
        QVERIFY(programmeList->isVisible() && !shows("PanelEstrellas"));

        clickRow(programmeList, road.row);
        QVERIFY(shows("PanelEstrellas") && shows("BotRequisitos") && shows("BotImprimir"));
        QVERIFY(!groups->isVisible() && !programmeList->isVisible() && !shows("PanelAyuda"));
        QTRY_COMPARE(control<QLabel>(FIniPro, "PanelCarSel")->text(), shown(programmes::lineName(road.line)));

        click(buttonOf("BotTra"));
        QListWidget *listing = listOf("Listsel");
        QVERIFY(listing->isVisible());
        QCOMPARE(listing->count(), 12);
        QCOMPARE(listing->item(6)->text(), uiText(kJobPositions));
        QCOMPARE(listing->item(7)->text().trimmed(), shown(jobPositionsOfProgramme(road.line).front()));

        // No region yet: the pupil is told to choose one, and nothing prints.
        click(buttonOf("BotImprimir"));
        QCOMPARE(m_program->messages(), QStringList{uiText(kChooseRegionFirst)});
        m_program->clearMessages();

        clickRegion(control<RegionMap>(FIniPro, "mapa"), road.region);
        auto *grid = control<CentreGrid>(FIniPro, "reja");
        const std::vector<ListingRow> centres =
            centresTeachingInRegion(content().datlugip, provincesOfRegion(road.region), road.line);
        QVERIFY(grid->isVisible() && !centres.empty());
        QCOMPARE(grid->rowCount(), int(centres.size()));

        PdfPrint print;
        click(buttonOf("BotImprimir"));
        QTRY_VERIFY(print.written());
        QCOMPARE(print.answerer.printQuestionsAnswered, 1);
        const QString text = print.text();
        QVERIFY2(
            text.contains(shown(programmes::lineName(road.line) + " (" + interfaceText(kProgrammes) + ")")),
            qPrintable(text));
        QVERIFY(text.contains(shown(regionPrintHeading(road.region)).simplified()));
        QVERIFY(text.contains(shown(modulesOfProgramme(road.line).back()).simplified()));
        const QByteArray firstCentre = centres.front().text.mid(1, 20);
        QVERIFY2(text.contains(shown(firstCentre).simplified()), qPrintable(text));
    }

    void backStepsToTheProgrammesThenTheGroups()
    {
        click(buttonOf("BotRetrocederFP"));
        QVERIFY(listOf("ListTitFP")->isVisible() && listOf("ListSelFp")->isVisible());
        QVERIFY(!shows("PanelEstrellas") && !shows("reja"));
        QTest::keyClick(FIniPro, Qt::Key_Escape);
        QVERIFY(!listOf("ListTitFP")->isVisible());
        QVERIFY(listOf("ListSelFp")->isVisible());
    }

    void theZeroGroupSearchesByPlace()
    {
        const int group = byPlaceGroup();
        QVERIFY(group > 0);
        clickRow(listOf("ListSelFp"), group - 1);
        QVERIFY(shows("PanelEstrellas"));
        QVERIFY(!listOf("ListTitFP")->isVisible() && !listOf("ListSelFp")->isVisible());
        QCOMPARE(control<QLabel>(FIniPro, "PanelSelTit")->text(), uiText(kCentresByPlace));
        click(buttonOf("BotRetrocederFP"));
        QVERIFY(listOf("ListSelFp")->isVisible() && !shows("PanelEstrellas"));
    }

    void backFromTheGroupsLeavesForTheMainMenu()
    {
        click(buttonOf("BotRetrocederFP"));
        QTRY_VERIFY(form0->isVisible());
        QVERIFY(!FIniPro->isVisible());
    }
};

QTEST_MAIN(InitialProgrammesWindowTest)
#include "tst_initial_programmes_window_sample.moc"
