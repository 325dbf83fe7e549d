// The middle-grade explorer on the sample installation, driven as a pupil
// would: from the main menu's door by title to the centres of a region, by
// place to a locality and from the grid to a title, from the ESO window's
// middle-grade questionnaire through areas and sentences to a title on the
// map; each route printed to a PDF and read back; and the keyboard alone.
// What is clicked is chosen from the content, so that other sample data
// still finds a road.

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
#include "eso/eso_window.h"
#include "explorers/family_catalogue.h"
#include "explorers/middle_grade_catalogue.h"
#include "explorers/middle_grade_report.h"
#include "explorers/middle_grade_window.h"
#include "explorers/questionnaire_titles.h"
#include "shell/main_menu_window.h"
#include "widgets/theme_assets.h"
#include "widgets/centre_grid.h"
#include "widgets/region_map.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <map>

using namespace velmira;
using testsupport::click;
using testsupport::clickableRegions;
using testsupport::clickRegion;
using testsupport::clickRow;
using testsupport::control;
using testsupport::PdfPrint;

namespace {

QPushButton *buttonOf(QWidget *window, const char *name) { return control<QPushButton>(window, name); }
QListWidget *listOf(QWidget *window, const char *name) { return control<QListWidget>(window, name); }

struct TitleRoad
{
    int group = 0;
    int familyRow = 0; // in the family list, the way back being row 0
    int titleRow = 0;
    int title = 0;
    int region = 0;
};

// The first family group, family and title taught in a clickable region.
TitleRoad firstTaughtTitle()
{
    for (int g = 1; g <= kFamilyGroupCount; ++g) {
        const std::vector<int> families = familiesOfGroup(g);
        for (size_t f = 0; f < families.size(); ++f) {
            const std::vector<int> titles = titlesOfFamily(families[f]);
            for (size_t t = 0; t < titles.size(); ++t) {
                const auto teaching = regionsTeaching(content().datluggm, titles[t]);
                for (int r : clickableRegions())
                    if (teaching[r])
                        return {g, int(f) + 1, int(t), titles[t], r};
            }
        }
    }
    return {};
}

bool printed(const QString &text, const QString &line) { return text.contains(line.simplified()); }

} // namespace

using testsupport::PdfPrint;
using testsupport::shown;

class MiddleGradeWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

    void openFromDoor()
    {
        QVERIFY(m_program->openDoor("LabelFPM", Form3));
        QVERIFY(!form0->isVisible());
        QVERIFY(buttonOf(Form3, "botTit2")->isVisible());
    }

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        openFromDoor();
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    // A family's icon follows from its place in the catalogue, so the sample
    // must list its families in the order of the icons: each family of a
    // group shows the icon the family catalogue gives it.
    void everyFamilyOfAGroupShowsItsOwnIcon()
    {
        std::map<QByteArray, int> catalogueIcons;
        const std::vector<int> lines = catalogueFamilyLines();
        for (size_t row = 0; row < lines.size(); ++row)
            catalogueIcons[trimTrailingBlanks(catalogueFamilyName(lines[row]))] = catalogueFamilyIcon(int(row));
        int checked = 0;
        for (int g = 1; g <= kFamilyGroupCount; ++g) {
            const std::vector<int> families = familiesOfGroup(g);
            const std::vector<int> icons = familyListIcons(families);
            for (size_t f = 0; f < families.size() && f < 3; ++f) {
                const QByteArray name = trimTrailingBlanks(familyName(families[f]));
                QVERIFY2(catalogueIcons.count(name), name.constData());
                QVERIFY2(icons[f + 1] == catalogueIcons[name], name.constData());
                ++checked;
            }
        }
        QCOMPARE(checked, middleFamilyCount() - 1);
    }

    void byTitleFromAFamilyToTheCentresOfARegion()
    {
        const TitleRoad road = firstTaughtTitle();
        QVERIFY(road.title > 0);
        click(buttonOf(Form3, "botTit2"));
        QListWidget *families = listOf(Form3, "ListPreFam");
        QVERIFY(families->isVisible());
        QCOMPARE(families->count(), kFamilyGroupCount);
        clickRow(families, road.group - 1);
        QCOMPARE(families->item(0)->text(), uiText(middle_grade_text::kBack));
        clickRow(families, road.familyRow);
        QListWidget *titles = listOf(Form3, "ListTitFP");
        QVERIFY(titles->isVisible());
        QCOMPARE(titles->item(road.titleRow)->text(), shown(middleTitleName(road.title)));

        // Pointing at a title previews its job positions. Under load the first
        // pointer move can be lost while the window settles, so the pointer
        // keeps moving within the row until the preview answers, as a hand would.
        QListWidget *preview = listOf(Form3, "ListFPExpli");
        const QRect rowRect = titles->visualItemRect(titles->item(road.titleRow));
        for (int step = 0; step < 40 && preview->count() == 0; ++step) {
            QTest::mouseMove(titles->viewport(), rowRect.center() + QPoint(step % 4, 0));
            QTest::qWait(50);
        }
        QTRY_COMPARE(preview->count(), 6);
        QCOMPARE(preview->item(1)->text(), shown(jobPositionsOfTitle(road.title)[0]));

        clickRow(titles, road.titleRow);
        QVERIFY(!families->isVisible() && !titles->isVisible());
        auto *map = control<RegionMap>(Form3, "mapa");
        QVERIFY(map->isVisible());
        QTRY_COMPARE(control<QLabel>(Form3, "PanelCarSel")->text(), shown(middleTitleName(road.title)));

        // Rings pulse over the regions that teach it, over the picture.
        const QPoint centre = regionCentre(road.region);
        const QRgb plain = themeAssets().map.toImage().pixel(centre);
        QTRY_VERIFY(map->grab().toImage().pixel(centre) != plain);

        clickRegion(map, road.region);
        auto *grid = control<CentreGrid>(Form3, "reja");
        QVERIFY(grid->isVisible());
        const std::vector<ListingRow> rows =
            centresTeachingInRegion(content().datluggm, provincesOfRegion(road.region), road.title);
        QCOMPARE(grid->rowCount(), int(rows.size()));
        const auto centreRow = std::find_if(rows.begin(), rows.end(),
                                            [](const ListingRow &r) { return !r.telephone.isEmpty(); });
        QVERIFY(centreRow != rows.end());
        const int row = int(centreRow - rows.begin());
        QCOMPARE(grid->item(row, 0)->text(), shown(centreRow->text.left(44)));
        QCOMPARE(grid->item(row, 1)->text(), shown(centreRow->telephone));

        click(buttonOf(Form3, "BotRequisitos"));
        QListWidget *details = listOf(Form3, "listSelFP");
        QVERIFY(details->isVisible() && !grid->isVisible());
        QCOMPARE(details->count(), int(middleGradeRequirements().size()));
        click(buttonOf(Form3, "botAsig"));
        QCOMPARE(details->item(0)->text(), shown(subjectsOfTitle(road.title)[0]));
    }

    void byTitlePrintsEveryRegionOrTheChosenOnes()
    {
        const TitleRoad road = firstTaughtTitle();
        PdfPrint print;
        click(buttonOf(Form3, "BotImprimir"));
        const ExplorerReport all = titleReport(content().datluggm, road.title, allRegions());
        QWidget *choice = control<QWidget>(Form3, "PanelImp");
        if (all.rows.size() > 150) {
            // Too long for every region: the pupil picks two on the map.
            QVERIFY(choice->isVisible() && !print.written());
            QVERIFY(!buttonOf(Form3, "BotAceptar")->isEnabled());
            clickRegion(control<RegionMap>(Form3, "mapa"), road.region);
            clickRegion(control<RegionMap>(Form3, "mapa"), road.region == 1 ? 2 : 1);
            QCOMPARE(listOf(Form3, "ListImp")->count(), 2);
            click(buttonOf(Form3, "BotAceptar"));
        }
        QTRY_VERIFY(print.written());
        QVERIFY(!choice->isVisible());
        QCOMPARE(print.answerer.printQuestionsAnswered, 1);
        const QString text = print.text();
        QVERIFY2(printed(text, shown(middleTitleName(road.title))), qPrintable(text));
        QVERIFY(printed(text, shown(regionPrintHeading(road.region))));
        // The preview shows what was printed.
        QCOMPARE(listOf(Form3, "listSelFP")->item(0)->text(), shown(all.title));
    }

    void backStepsOneLevelAtATime()
    {
        QPushButton *back = buttonOf(Form3, "BotRetrocederFP");
        click(back);
        QVERIFY(listOf(Form3, "ListPreFam")->isVisible() && listOf(Form3, "ListTitFP")->isVisible());
        QVERIFY(!control<RegionMap>(Form3, "mapa")->isVisible());
        click(back);
        QCOMPARE(listOf(Form3, "ListPreFam")->count(), kFamilyGroupCount);
        QVERIFY(!listOf(Form3, "ListTitFP")->isVisible());
        click(back);
        QVERIFY(buttonOf(Form3, "botTit2")->isVisible());
        QVERIFY(!listOf(Form3, "ListPreFam")->isVisible() && !back->isVisible());
    }

    void byPlaceFromARegionToALocalityAndBackToATitle()
    {
        // A region of several provinces, one of them with two localities or more.
        int region = 0;
        int provinceRow = -1;
        for (int r : clickableRegions()) {
            const RegionProvinces provinces = provincesOfRegion(r);
            for (int k = 1; k <= provinces.count() && provinces.count() > 1 && provinceRow < 0; ++k)
                if (placesOfProvince(content().datluggm, provinceKeyOf(provinces.code(k))).localities.size()
                    > 1) {
                    region = r;
                    provinceRow = k - 1;
                }
            if (region)
                break;
        }
        QVERIFY(region > 0);
        click(buttonOf(Form3, "botLug2"));
        auto *map = control<RegionMap>(Form3, "mapa");
        QVERIFY(map->isVisible());
        clickRegion(map, region);
        QListWidget *places = listOf(Form3, "ListSelLugFP");
        QVERIFY(places->isVisible() && !map->isVisible());
        const RegionProvinces provinces = provincesOfRegion(region);
        QCOMPARE(places->count(), provinces.count());
        clickRow(places, provinceRow);
        const ProvincePlaces province =
            placesOfProvince(content().datluggm, provinceKeyOf(provinces.code(provinceRow + 1)));
        QCOMPARE(places->count(), int(province.localities.size()));
        QCOMPARE(places->item(1)->text(), shown(province.localities[1].name));

        clickRow(places, 1);
        auto *grid = control<CentreGrid>(Form3, "reja");
        const ProvinceGrid expected = gridOfProvince(content().datluggm, province, 2, middleTitleName);
        QCOMPARE(grid->rowCount(), int(expected.rows.size()));
        QCOMPARE(grid->currentRow(), expected.targetRow);
        QVERIFY(grid->item(expected.targetRow, 0)->text().startsWith(QLatin1Char('-')));
        QVERIFY(grid->item(expected.targetRow, 1)->text().isEmpty());
        click(buttonOf(Form3, "BotTelefono"));
        QCOMPARE(grid->item(expected.targetRow, 1)->text(),
                 shown(expected.rows[expected.targetRow].telephone));

        {
            PdfPrint print;
            click(buttonOf(Form3, "BotImprimir"));
            QTRY_VERIFY(print.written());
            const QString text = print.text();
            QVERIFY2(printed(text, shown(trimTrailingBlanks(provinces.listName(provinceRow + 1)))),
                     qPrintable(text));
            QVERIFY(printed(text, shown(middleTitleName(expected.rows[expected.targetRow + 1].title))));
        }

        // A double click on a title opens it on the map, in the route by title.
        const int titleRow = expected.targetRow + 1;
        const int title = expected.rows[titleRow].title;
        QVERIFY(title > 0);
        const QRect cell = grid->visualItemRect(grid->item(titleRow, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(map->isVisible() && !grid->isVisible() && !places->isVisible());
        QTRY_COMPARE(control<QLabel>(Form3, "PanelCarSel")->text(), shown(middleTitleName(title)));

        // Back leads to the title's own family.
        click(buttonOf(Form3, "BotRetrocederFP"));
        QListWidget *titles = listOf(Form3, "ListTitFP");
        QVERIFY(titles->isVisible());
        const std::vector<int> familyTitles = titlesOfFamily(familyOfTitle(title));
        QCOMPARE(titles->count(), int(familyTitles.size()));
        click(buttonOf(Form3, "BotRetrocederFP"));
        click(buttonOf(Form3, "BotRetrocederFP"));
        QVERIFY(buttonOf(Form3, "botLug2")->isVisible());
    }

    void everyRoadWorksFromTheKeyboard()
    {
        Form3->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form3));
        QPushButton *byTitle = buttonOf(Form3, "botTit2");
        byTitle->setFocus();
        QTest::keyClick(Form3, Qt::Key_Tab);
        QCOMPARE(Form3->focusWidget(), buttonOf(Form3, "botLug2"));
        QTest::keyClick(Form3->focusWidget(), Qt::Key_Return);
        auto *map = control<RegionMap>(Form3, "mapa");
        QVERIFY(map->isVisible() && map->hasFocus());
        // The arrows name the regions one by one; Return chooses.
        const int next = map->currentRegion() % kRegionCount + 1;
        QTest::keyClick(map, Qt::Key_Right);
        QCOMPARE(map->currentRegion(), next);
        QVERIFY(control<QLabel>(Form3, "PanelMapa")->isVisible());
        QCOMPARE(control<QLabel>(Form3, "PanelMapa")->text(), shown(regionName(next)));
        QTest::keyClick(map, Qt::Key_Return);
        QListWidget *places = listOf(Form3, "ListSelLugFP");
        QVERIFY(places->isVisible() && places->hasFocus());
        QTest::keyClick(places, Qt::Key_Return);
        QVERIFY(control<CentreGrid>(Form3, "reja")->isVisible());
        // Escape steps back to the menu.
        for (int i = 0; i < 4 && !byTitle->isVisible(); ++i)
            QTest::keyClick(Form3->focusWidget(), Qt::Key_Escape);
        QVERIFY(byTitle->isVisible());

        QTest::keyClick(byTitle, Qt::Key_Return);
        QListWidget *families = listOf(Form3, "ListPreFam");
        QVERIFY(families->hasFocus());
        QTest::keyClick(families, Qt::Key_Return);
        QCOMPARE(families->count(), int(familiesOfGroup(1).size()) + 1);
        QTest::keyClick(families, Qt::Key_Return);
        QListWidget *titles = listOf(Form3, "ListTitFP");
        QVERIFY(titles->isVisible());
        QTest::keyClick(Form3, Qt::Key_Tab);
        QCOMPARE(Form3->focusWidget(), titles);
        QTest::keyClick(titles, Qt::Key_Down);
        QTest::keyClick(titles, Qt::Key_Return);
        QVERIFY(map->isVisible());
        QTest::keyClick(Form3->focusWidget(), Qt::Key_Escape);
        QTest::keyClick(Form3->focusWidget(), Qt::Key_Escape);
        QTest::keyClick(Form3->focusWidget(), Qt::Key_Escape);
        QVERIFY(byTitle->isVisible());
        QTest::keyClick(Form3->focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(form0->isVisible());
        QVERIFY(!Form3->isVisible());
    }

    void questionnaireFromTheEsoWindowToATitleOnTheMap()
    {
        QVERIFY(m_program->openDoor("LabelCuesE", Form2));
        click(buttonOf(Form2, "BotCuestio2"));
        QTRY_VERIFY(Form3->isVisible());
        QListWidget *areas = listOf(Form3, "ListGM");
        QVERIFY(areas->isVisible());
        QCOMPARE(areas->count(), kMiddleAreaCount);
        QVERIFY(!buttonOf(Form3, "botTit2")->isVisible());

        // The first area whose first sentence leads to a title taught in a clickable region.
        int area = 0;
        int title = 0;
        int region = 0;
        for (int a = 1; a <= 10 && !title; ++a) {
            const std::vector<int> items = itemsOfAreas(recordedAreas({a - 1}));
            if (items.empty())
                continue;
            MarkedTitles marked;
            markTitlesOfCode(itemCode(items[0]), marked);
            for (const ListingRow &row : markedTitleRows(marked)) {
                const auto teaching = regionsTeaching(content().datluggm, row.title);
                for (int r : clickableRegions())
                    if (row.title && teaching[r] && !title) {
                        area = a;
                        title = row.title;
                        region = r;
                    }
            }
        }
        QVERIFY(title > 0);
        clickRow(areas, area - 1);
        click(buttonOf(Form3, "BitFleGMde"));
        QListWidget *items = listOf(Form3, "ListGM2");
        QVERIFY(items->isVisible() && !areas->isVisible());
        const std::vector<int> listed = itemsOfAreas(recordedAreas({area - 1}));
        QCOMPARE(items->count(), int(listed.size()));
        QCOMPARE(items->item(0)->text(), shown(itemText(listed[0])));
        clickRow(items, 0);
        click(buttonOf(Form3, "BitFleGMde"));
        QVERIFY(areas->isVisible() && !items->isVisible());
        int titleRow = -1;
        for (int i = 0; i < areas->count(); ++i)
            if (areas->item(i)->text().trimmed() == shown(middleTitleName(title)))
                titleRow = i;
        QVERIFY(titleRow > 0);
        QVERIFY(
            areas->item(0)->text().startsWith(QStringLiteral(" - ") + uiText(middle_grade_text::kFamily)));

        clickRow(areas, titleRow);
        QListWidget *small = listOf(Form3, "ListPeque");
        QTRY_VERIFY_WITH_TIMEOUT(small->isVisible(), 5000);
        QVERIFY(!areas->isVisible());
        QCOMPARE(small->count(), areas->count());
        auto *map = control<RegionMap>(Form3, "mapa");
        QVERIFY(map->isVisible());
        clickRegion(map, region);
        QVERIFY(control<CentreGrid>(Form3, "reja")->rowCount() > 0);

        PdfPrint print;
        print.answerer.name = QStringLiteral("Lucía Pérez");
        QPushButton *printPath = buttonOf(Form3, "BotImprimirCuesGM");
        QVERIFY(printPath->isVisible());
        click(printPath);
        QTRY_VERIFY(print.written());
        QCOMPARE(print.answerer.lastQuestion, uiText(middle_grade_text::kAskName));
        const QString text = print.text();
        QVERIFY2(printed(text, QStringLiteral("Lucía Pérez")), qPrintable(text));
        // Report lines hold 60 characters.
        QVERIFY(printed(text, shown(content().middleQuestionnaire.areas.at(area).left(60))));
        QVERIFY(printed(text, shown(itemText(listed[0]).left(60))));
        QVERIFY(printed(text, shown(middleTitleName(title))));

        // Back: the titles, the sentences as chosen, the areas as chosen.
        QPushButton *back = buttonOf(Form3, "BitFleGMiz");
        click(back);
        QVERIFY(areas->isVisible() && !map->isVisible());
        click(back);
        QVERIFY(items->isVisible() && items->item(0)->isSelected());
        click(back);
        QVERIFY(areas->isVisible() && areas->item(area - 1)->isSelected());
        QCOMPARE(areas->count(), kMiddleAreaCount);

        click(buttonOf(Form3, "BotSalirCues"));
        QVERIFY(!Form3->isVisible());
        QVERIFY(Form2->isVisible());
    }
};

QTEST_MAIN(MiddleGradeWindowTest)
#include "tst_middle_grade_window_sample.moc"
