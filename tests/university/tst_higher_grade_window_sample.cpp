// The higher-grade titles of the university window on the sample
// installation, as a pupil goes through them from the main menu's door 3:
// a family group, a heading and a title with its subjects previewed, the
// regions that teach it on the map, a region's centres with their
// telephones, the title printed for two regions chosen on the map; then the
// same door by place, down to a province's towns and centres.

#include "support/controls.h"
#include "support/dialog_answerer.h"
#include "support/list_lines.h"
#include "support/map_clicks.h"
#include "support/started_installation.h"

#include "data/centre_listings.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/map_geometry.h"
#include "data/region_provinces.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/vocational_families.h"
#include "university/higher_grade_titles.h"
#include "university/university_window.h"
#include "widgets/centre_grid.h"
#include "widgets/region_map.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace velmira;
using namespace higher_grade_text;
using testsupport::click;
using testsupport::clickRow;
using testsupport::control;
using testsupport::isClickable;
using testsupport::shown;

namespace {

template <typename Control> Control *univ(const char *name) { return control<Control>(Form1, name); }

void clickRegion(int region)
{
    auto *map = univ<RegionMap>("mapa");
    QVERIFY(map->isVisible());
    testsupport::clickRegion(map, region);
}

// A title as the pupil reaches it: the family group's row, the heading's
// row in the group's list, the title's row under the heading.
struct TitleRoad
{
    int groupRow = -1;
    int headingRow = 0;
    int titleRow = 0;
    int title = 0;
    std::vector<int> regions; // clickable regions that teach it
};

// The first title whose listing over every region is too long to print at
// once, and that at least two clickable regions teach.
TitleRoad longTitle()
{
    const VocationalCatalogue fp = higherGradeCatalogue();
    for (int g = 1; g <= kFamilyGroupCount; ++g) {
        const std::vector<int> headings = familiesOfGroup(fp, g);
        for (size_t h = 0; h < headings.size(); ++h) {
            const std::vector<int> titles = titlesOfFamily(fp, headings[h]);
            for (size_t t = 0; t < titles.size(); ++t) {
                TitleRoad road{g - 1, int(h) + 1, int(t), titles[t], {}};
                const auto teaching = regionsTeachingHigherTitle(road.title);
                for (int r = 1; r <= kRegionCount; ++r)
                    if (teaching[r] && isClickable(r))
                        road.regions.push_back(r);
                if (road.regions.size() >= 2
                    && mustChooseRegionsFirst(higherTitleReport(road.title, {}), false))
                    return road;
            }
        }
    }
    return {};
}

} // namespace

class TestHigherGradeWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
    }

    void cleanupTestCase() { m_program.reset(); }

    void doorThreeOpensTheTitlesMenuWithItsBubble()
    {
        QVERIFY(m_program->openDoor("LabelFpS", Form1));
        QVERIFY(univ<QWidget>("PanelFP")->isVisible());
        QVERIFY(!univ<QWidget>("PanelMenu")->isVisible());
        QCOMPARE(univ<QLabel>("LabelFP1")->text(), uiText(kBubbleHeading));
        QVERIFY(univ<QLabel>("LabelFP2")->isVisible());
        for (const char *entry : {"MenuFP1", "MenuFP2", "menuFP3"})
            QVERIFY(univ<QPushButton>(entry)->isVisible());
    }

    void aTitleByFamilyItsCentresAndItsPrintedListing()
    {
        const TitleRoad road = longTitle();
        QVERIFY2(road.title > 0, "the sample has no title taught widely enough");

        click(Form1, "MenuFP1");
        auto *families = univ<QListWidget>("ListPreFam");
        QVERIFY(families->isVisible());
        QCOMPARE(families->count(), kFamilyGroupCount);
        clickRow(families, road.groupRow);
        QCOMPARE(families->item(0)->text(), uiText(kBack));
        clickRow(families, road.headingRow);
        auto *titles = univ<QListWidget>("ListTitFP");
        QVERIFY(titles->isVisible());
        QCOMPARE(titles->item(road.titleRow)->text(), shown(content().fp.at(road.title)));
        // The pointer comes from the family list: a first move onto the new
        // list only enters it, so it moves on to the title from its neighbour.
        testsupport::hoverRow(titles, road.titleRow > 0 ? road.titleRow - 1 : road.titleRow + 1);
        testsupport::hoverRow(titles, road.titleRow);
        auto *preview = univ<QListWidget>("ListFPExpli");
        // The first title is previewed at once: wait for the hovered one's.
        QTRY_COMPARE(titles->currentRow(), road.titleRow);
        QVERIFY(preview->isVisible() && preview->count() > 1);
        QCOMPARE(preview->item(0)->text().trimmed(), uiText(kProfile));
        QCOMPARE(preview->item(1)->text(), displayText(content().asignafp.at(road.title, 1)));
        clickRow(titles, road.titleRow);
        QVERIFY(!titles->isVisible() && !families->isVisible());
        QVERIFY(univ<QWidget>("PanelFpTit")->isVisible());
        QTRY_COMPARE(univ<QLabel>("PanelCarSelFP")->text(), shown(content().fp.at(road.title)));

        // Where it is taught: a region's centres, then their telephones.
        click(Form1, "MenuFpTit1");
        const int region = road.regions.front();
        clickRegion(region);
        auto *grid = univ<CentreGrid>("reja");
        QVERIFY(grid->isVisible());
        const std::vector<ListingRow> centres = higherCentresInRegion(region, road.title);
        QCOMPARE(grid->rowCount(), int(centres.size()));
        const auto withTelephone = std::find_if(centres.begin(), centres.end(),
                                                [](const ListingRow &r) { return !r.telephone.isEmpty(); });
        QVERIFY(withTelephone != centres.end());
        const int row = int(withTelephone - centres.begin());
        QCOMPARE(grid->item(row, 0)->text(), shown(withTelephone->text));
        QVERIFY(grid->item(row, 1)->text().isEmpty());
        click(Form1, "botTelefono");
        QCOMPARE(grid->item(row, 1)->text(), shown(withTelephone->telephone));

        click(Form1, "MenuFpTit3");
        auto *section = univ<QListWidget>("listSelFP");
        QVERIFY(section->isVisible() && !grid->isVisible());
        QCOMPARE(section->count(), int(subjectsSection(road.title).size()));

        // Too long for every region: the pupil picks two on the map, takes
        // one back and picks it again, then prints.
        testsupport::PdfPrint print;
        click(Form1, "MenuFpTit5");
        QVERIFY(univ<QWidget>("PanelImp")->isVisible() && !print.written());
        QVERIFY(!univ<QWidget>("PanelFpTit")->isVisible());
        QVERIFY(!univ<QPushButton>("BotAceptar")->isEnabled());
        const int other = road.regions[1];
        clickRegion(region);
        clickRegion(other);
        clickRegion(region);
        auto *chosen = univ<QListWidget>("ListImp");
        QCOMPARE(chosen->count(), 2);
        clickRow(chosen, 1);
        QCOMPARE(chosen->count(), 1);
        clickRegion(other);
        QCOMPARE(chosen->count(), 2);
        click(Form1, "BotAceptar");
        QCOMPARE(print.answerer.printQuestionsAnswered, 1);
        QVERIFY(print.written());
        QVERIFY(!univ<QWidget>("PanelImp")->isVisible());
        QVERIFY(univ<QWidget>("PanelFpTit")->isVisible());

        const HigherTitleReport report = higherTitleReport(road.title, {region, other});
        QCOMPARE(section->count(), int(report.rows.size()) + 1);
        QVERIFY(section->item(*report.boldRows.rbegin())->font().bold());
        const QString text = print.text();
        QVERIFY2(text.contains(shown(higherTitleName(road.title)).simplified()), qPrintable(text));
        for (int r : {region, other})
            QVERIFY(text.contains(shown(content().comunida.at(r).mid(2)).simplified()));
        QVERIFY(text.contains(shown(withTelephone->telephone)));
        QVERIFY(text.contains(uiText(kAccessFirstLine).simplified()));

        // Escape steps back: the title's heading with its titles, the
        // groups, the menu.
        QTest::keyClick(Form1, Qt::Key_Escape);
        QVERIFY(titles->isVisible() && families->isVisible());
        QVERIFY(!univ<QWidget>("PanelFpTit")->isVisible());
        QTest::keyClick(Form1, Qt::Key_Escape);
        QCOMPARE(families->count(), kFamilyGroupCount);
        QVERIFY(!titles->isVisible());
        QTest::keyClick(Form1, Qt::Key_Escape);
        QVERIFY(univ<QWidget>("PanelFP")->isVisible() && !families->isVisible());
    }

    void byPlaceARegionsProvincesTownsAndCentres()
    {
        // The first clickable region with several provinces.
        int region = 0;
        for (int r = 1; r <= kRegionCount && region == 0; ++r)
            if (isClickable(r) && provincesOfRegion(r).count() > 1)
                region = r;
        QVERIFY(region > 0);
        const RegionProvinces provinces = provincesOfRegion(region);

        click(Form1, "MenuFP2");
        clickRegion(region);
        auto *places = univ<QListWidget>("ListSelLugFP");
        QVERIFY(places->isVisible());
        QVERIFY(!univ<RegionMap>("mapa")->isVisible());
        QCOMPARE(places->count(), provinces.count());
        QVERIFY(univ<QPushButton>("botTelefono")->isVisible());
        clickRow(places, 0);
        const ProvincePlaces towns = placesOfProvince(content().datluggs, provinceKeyOf(provinces.code(1)));
        QVERIFY(!towns.localities.empty());
        QCOMPARE(places->count(), int(towns.localities.size()));
        QCOMPARE(places->item(0)->text(), shown(towns.localities[0].name));
        auto *grid = univ<CentreGrid>("reja");
        QVERIFY(grid->isVisible() && grid->rowCount() > 0);
        QVERIFY(grid->item(0, 0)->text().startsWith(QLatin1Char('-')));
        QVERIFY2(grid->item(0, 1)->text().isEmpty(),
                 qPrintable(grid->item(0, 0)->text() + "|" + grid->item(0, 1)->text()));
        click(Form1, "botTelefono");
        QVERIFY(!grid->item(0, 1)->text().isEmpty());

        // Back: the provinces, the map, the menu, the main menu.
        click(Form1, "BotRetrocederFP");
        QCOMPARE(places->count(), provinces.count());
        click(Form1, "BotRetrocederFP");
        QVERIFY(univ<RegionMap>("mapa")->isVisible() && !places->isVisible());
        click(Form1, "BotRetrocederFP");
        QVERIFY(univ<QWidget>("PanelFP")->isVisible());
        click(Form1, "menuFP3");
        QTRY_VERIFY(form0->isVisible());
        QVERIFY(!Form1->isVisible());
    }

    void theModuleMenuOpensTheTitlesToo()
    {
        QVERIFY(m_program->openDoor("LabelCarreras", Form1));
        auto *entry = univ<QPushButton>("menui5");
        QCOMPARE(entry->text(), uiText(kHigherGradeCaption));
        click(Form1, "menui5");
        QVERIFY(univ<QWidget>("PanelFP")->isVisible());
        QVERIFY(!univ<QWidget>("PanelMenu")->isVisible());
    }

private:
    std::unique_ptr<StartedInstallation> m_program;
};

QTEST_MAIN(TestHigherGradeWindow)
#include "tst_higher_grade_window_sample.moc"
