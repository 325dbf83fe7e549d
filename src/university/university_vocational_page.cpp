#include "university_vocational_page.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/map_geometry.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/vocational_families.h"
#include "university/higher_grade_titles.h"
#include "university/selection_area.h"
#include "university/university_window.h"
#include "widgets/centre_grid.h"
#include "widgets/region_map.h"
#include "widgets/region_print_choice.h"
#include "widgets/report_printer.h"
#include "widgets/row_choice.h"
#include "widgets/text_blinker.h"
#include "widgets/theme_assets.h"
#include "widgets/widget_groups.h"
#include "widgets/window_controls.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace velmira {

using namespace higher_grade_text;

namespace {

constexpr int kLeft = 10;
constexpr int kColumnWidth = 400;
constexpr int kTop = 110;
constexpr int kButtonHeight = 33;
constexpr int kMenuStep = 43;
constexpr int kMenuWidth = 270;
constexpr int kTitleMenuStep = 37;
constexpr int kMapPanelHeight = 290;
constexpr int kMapBelowTitleMenu = 462;
constexpr int kBottom = 758;
constexpr int kBlinkTicks = 9;
constexpr int kReportFontSize = 9;
constexpr int kSectionFontSize = 11;

const QRect kBubble(300, 120, 300, 110);
const QRect kFamilies(kLeft, kTop, kColumnWidth, 340);
const QRect kPreview(kLeft, 460, kColumnWidth, 298);
const QRect kTitleName(kLeft, kTop, kColumnWidth, 40);
const QRect kTitleMenu(kLeft, 156, kColumnWidth, 300);
const QRect kPrintChoice(kLeft, kTop, kColumnWidth, 346);
const QRect kPlaceList(kLeft, kTop, kColumnWidth, kBottom - kTop);
// Beside the left column, where the selection area shows its list.
const QRect kListing(430, 64, 574, 560);

QRect menuEntry(int row) { return QRect(10, 10 + row * kMenuStep, kMenuWidth - 20, kButtonHeight); }

QListWidget *list(QWidget *parent, const char *name, const QRect &geometry, int points)
{
    auto *created = new QListWidget(parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(geometry);
    created->setFont(settingsFont(points));
    created->hide();
    return created;
}

QString shown(const QByteArray &stored) { return displayText(trimTrailingBlanks(stored)); }

} // namespace

UniversityVocationalPage::UniversityVocationalPage(TForm1 *window, SelectionArea &selection)
    : QObject(window)
    , m_window(window)
    , m_selection(selection)
{
    createMenu(window);
    createFamilyLists(window);
    createTitleMenu(window);
    createMap(window);
    createPlaceLists(window);
    createPrintChoice(window);
    close();
}

void UniversityVocationalPage::createMenu(QWidget *window)
{
    PanelFP = panel(window, QRect(kLeft, kTop, kMenuWidth, 10 + 3 * kMenuStep), colour3());
    PanelFP->setObjectName(QStringLiteral("PanelFP"));
    MenuFP1 = button(PanelFP, "MenuFP1", menuEntry(0));
    MenuFP2 = button(PanelFP, "MenuFP2", menuEntry(1));
    menuFP3 = button(PanelFP, "menuFP3", menuEntry(2));
    for (QPushButton *entry : {MenuFP1, MenuFP2, menuFP3}) {
        entry->setFont(settingsFont(12));
        entry->installEventFilter(this);
    }
    connect(MenuFP1, &QPushButton::clicked, this, &UniversityVocationalPage::menuFP1Click);
    connect(MenuFP2, &QPushButton::clicked, this, &UniversityVocationalPage::MenuFP2Click);
    connect(menuFP3, &QPushButton::clicked, this, &UniversityVocationalPage::menuFP3Click);

    // The speech bubble that greets the pupil at the door.
    BocadilloFP = panel(window, kBubble, QColor(255, 255, 225));
    BocadilloFP->setObjectName(QStringLiteral("BocadilloFP"));
    BocadilloFP->setStyleSheet(
        QStringLiteral("#BocadilloFP { border: 2px solid #404040; border-radius: 14px; }"));
    LabelFP1 = textLabel(BocadilloFP, "LabelFP1", QRect(12, 10, kBubble.width() - 24, 40), 14, true);
    LabelFP2 = textLabel(BocadilloFP, "LabelFP2", QRect(12, 54, kBubble.width() - 24, 48), 12);
}

void UniversityVocationalPage::createFamilyLists(QWidget *window)
{
    ListPreFam = list(window, "ListPreFam", kFamilies, 12);
    ListPreFam->setIconSize(QSize(30, 30));
    ListPreFam->setSpacing(2);
    // The longer family names of some languages take a second line.
    ListPreFam->setWordWrap(true);
    onRowChosen(ListPreFam, [this](int row) { ListPreFamMouseUp(row); });

    ListTitFP = list(window, "ListTitFP", kListing, 10);
    onRowChosen(ListTitFP, [this](int row) { ListTitFPClick(row); });
    onRowHovered(ListTitFP, [this](int row) { ListTitFPMouseMove(row); });
    connect(ListTitFP, &QListWidget::currentRowChanged, this, [this](int row) { ListTitFPMouseMove(row); });

    ListFPExpli = list(window, "ListFPExpli", kPreview, 10);
    ListFPExpli->setFocusPolicy(Qt::NoFocus);
    ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
}

void UniversityVocationalPage::createTitleMenu(QWidget *window)
{
    PanelCarSelFP = textLabel(window, "PanelCarSelFP", kTitleName, 12, true);
    PanelCarSelFP->setAlignment(Qt::AlignCenter);
    PanelCarSelFP->setAutoFillBackground(true);
    QPalette yellow = PanelCarSelFP->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    PanelCarSelFP->setPalette(yellow);
    m_blinker =
        new TextBlinker(this, kBlinkTicks, [this](const QString &text) { PanelCarSelFP->setText(text); });

    PanelFpTit = panel(window, kTitleMenu, colour3());
    PanelFpTit->setObjectName(QStringLiteral("PanelFpTit"));
    MenuFpTit0 = textLabel(PanelFpTit, "MenuFpTit0", QRect(10, 6, kColumnWidth - 20, 24), 12, true);
    MenuFpTit0->setAlignment(Qt::AlignCenter);
    const auto entry = [this](const char *name, int row, void (UniversityVocationalPage::*clicked)()) {
        QPushButton *b =
            button(PanelFpTit, name, QRect(10, 34 + row * kTitleMenuStep, kColumnWidth - 20, kButtonHeight));
        b->setFont(settingsFont(12));
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, clicked);
        return b;
    };
    MenuFpTit1 = entry("MenuFpTit1", 0, &UniversityVocationalPage::MenuFPTit1Click);
    MenuFpTit2 = entry("MenuFpTit2", 1, &UniversityVocationalPage::MenuFPTit2Click);
    MenuFpTit3 = entry("MenuFpTit3", 2, &UniversityVocationalPage::MenuFPTit3Click);
    MenuFpTit4 = entry("MenuFpTit4", 3, &UniversityVocationalPage::MenuFPTit4Click);
    MenuFpTit5 = entry("MenuFpTit5", 4, &UniversityVocationalPage::MenuFPTit5Click);
    MenuFPTitTodo = entry("MenuFPTitTodo", 5, &UniversityVocationalPage::MenuFPTitTodoClick);
    MenuFpTit6 = entry("MenuFpTit6", 6, &UniversityVocationalPage::MenuFPTit6Click);
}

void UniversityVocationalPage::createMap(QWidget *window)
{
    PanelEstrellasFP = panel(window, QRect(kLeft, kTop, kColumnWidth, kMapPanelHeight), colour4());
    PanelEstrellasFP->setObjectName(QStringLiteral("PanelEstrellasFP"));
    LabelMapaFP = textLabel(PanelEstrellasFP, "LabelMapaFP", QRect(10, 8, kColumnWidth - 20, 30), 14);
    LabelMapaFP->setAlignment(Qt::AlignCenter);
    mapa = new RegionMap(PanelEstrellasFP, window, QPoint(5, 20));
    mapa->move((kColumnWidth - RegionMap::kPictureSize.width()) / 2, 60);
    mapa->setPicture(themeAssets().map);
    connect(mapa, &RegionMap::regionClicked, this, &UniversityVocationalPage::mapaClick);
}

void UniversityVocationalPage::createPlaceLists(QWidget *window)
{
    ListSelLugFP = list(window, "ListSelLugFP", kPlaceList, 10);
    onRowChosen(ListSelLugFP, [this](int row) { ListSelLugFPClick(row); });

    listSelFP = list(window, "listSelFP", kListing, kSectionFontSize);
    reja = new CentreGrid(window);
    reja->setGeometry(kListing);
    reja->setFont(settingsFont(9));
    reja->hide();

    botTelefono = m_selection.addButton("botTelefono", QRect(400, 614, 184, kButtonHeight));
    connect(botTelefono, &QPushButton::clicked, this, &UniversityVocationalPage::botTelefonoMouseUp);
    BotRetrocederFP = m_selection.addButton("BotRetrocederFP", QRect(400, 700, 184, kButtonHeight));
    connect(BotRetrocederFP, &QPushButton::clicked, this, &UniversityVocationalPage::BotRetrocederFPClick);
}

void UniversityVocationalPage::createPrintChoice(QWidget *window)
{
    PanelImp = new RegionPrintChoice(window, kPrintChoice, colour6());
    connect(PanelImp, &RegionPrintChoice::accepted, this, &UniversityVocationalPage::BotAceptarClick);
}

void UniversityVocationalPage::setCaptions()
{
    MenuFP1->setText(uiText(kByFamily));
    MenuFP2->setText(uiText(kByPlace));
    menuFP3->setText(uiText(kBack));
    LabelFP1->setText(uiText(kBubbleHeading));
    LabelFP2->setText(uiText(kBubbleText));
    MenuFpTit0->setText(uiText(kBubbleHeading));
    MenuFpTit1->setText(uiText(kPlaces));
    MenuFpTit2->setText(uiText(kRequirements));
    MenuFpTit3->setText(uiText(kSubjects));
    MenuFpTit4->setText(uiText(kAccess) + QLatin1Char(' ') + uiText(kUniversityDegreesAdjective));
    MenuFpTit5->setText(uiText(kPrint));
    MenuFpTit6->setText(uiText(kAnotherTitle));
    MenuFPTitTodo->setText(uiText(kPrintAll));
    LabelMapaFP->setText(uiText(kChooseRegionHint));
    botTelefono->setText(uiText(kTelephones));
    BotRetrocederFP->setText(uiText(kBack));
    PanelImp->setCaptions(QStringLiteral("Selecciona las comunidades que deseas imprimir"),
                          QStringLiteral("Pincha en la comunidad si te has equivocado"), uiText(kAccept));
    for (QPushButton *b : {MenuFP1, MenuFP2, menuFP3, MenuFpTit1, MenuFpTit2, MenuFpTit3, MenuFpTit4,
                           MenuFpTit5, MenuFpTit6, MenuFPTitTodo, botTelefono, BotRetrocederFP})
        fitCaption(b);
    for (QLabel *l : {LabelFP1, LabelFP2, MenuFpTit0, LabelMapaFP})
        l->setFont(fittingFont(l->font(), l->text(), l->size(), l->wordWrap()));
}

bool UniversityVocationalPage::isOpen() const { return m_level != Level::Menu || PanelFP->isVisible(); }

void UniversityVocationalPage::close()
{
    m_blinker->stop();
    mapa->stopRings();
    mapa->hideHoverPanel();
    hideWidgets({PanelFP, BocadilloFP, ListPreFam, ListTitFP, ListFPExpli, PanelCarSelFP, PanelFpTit,
                 PanelEstrellasFP, ListSelLugFP, listSelFP, reja, botTelefono, BotRetrocederFP, PanelImp});
    m_level = Level::Menu;
}

void UniversityVocationalPage::openMenu()
{
    close();
    m_selection.close();
    m_group = 0;
    m_title = 0;
    m_telephones = false;
    showWidgets({PanelFP, BocadilloFP});
    MenuFP1->setFocus();
}

// The entry under the pointer is highlighted, its neighbours take their
// usual colours again.
bool UniversityVocationalPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter)
        if (auto *hovered = qobject_cast<QPushButton *>(watched))
            highlightInItsMenu(hovered);
    return QObject::eventFilter(watched, event);
}

void UniversityVocationalPage::menuFP1Click()
{
    FillProvinceKeys();
    hideWidgets({PanelFP, BocadilloFP});
    m_selection.open();
    m_selection.hideList();
    m_selection.showBackButton(false);
    BotRetrocederFP->show();
    showGroups();
}

void UniversityVocationalPage::MenuFP2Click()
{
    FillProvinceKeys();
    hideWidgets({PanelFP, BocadilloFP});
    m_selection.open();
    m_selection.hideList();
    m_selection.showBackButton(false);
    m_selection.setTitle(interfaceText(kCentresByPlace));
    BotRetrocederFP->show();
    m_level = Level::PlaceMap;
    showMapAt(kTop);
}

void UniversityVocationalPage::menuFP3Click()
{
    m_window->openModuleMenu();
    m_window->returnToMainMenu();
}

void UniversityVocationalPage::showGroups()
{
    m_level = Level::Groups;
    m_selection.setTitle(interfaceText(kByFamily));
    hideWidgets({ListTitFP, ListFPExpli});
    ListPreFam->clear();
    int item = 0;
    for (const FamilyGroup &group : familyGroups())
        ListPreFam->addItem(new QListWidgetItem(listIcon(familyGroupIcon(item++)), shown(group.name)));
    ListPreFam->setCurrentRow(m_group > 0 ? m_group - 1 : 0);
    ListPreFam->show();
    ListPreFam->setFocus();
}

void UniversityVocationalPage::showHeadings(int group)
{
    m_level = Level::Headings;
    m_group = group;
    m_headings = familiesOfGroup(higherGradeCatalogue(), group);
    m_headingRow = 0;
    m_selection.setTitle(interfaceText(kChooseFamily));
    const std::vector<int> icons = higherFamilyListIcons(m_headings);
    ListPreFam->clear();
    ListPreFam->addItem(new QListWidgetItem(listIcon(icons[0]), uiText(kBack)));
    for (size_t i = 0; i < m_headings.size(); ++i)
        ListPreFam->addItem(new QListWidgetItem(listIcon(icons[i + 1]),
                                                shown(familyName(higherGradeCatalogue(), m_headings[i]))));
    ListPreFam->setCurrentRow(m_headings.empty() ? 0 : 1);
    ListPreFam->show();
    ListPreFam->setFocus();
}

// The titles of the heading in `row` stand beside it, as tall as they are.
void UniversityVocationalPage::showTitles(int row)
{
    m_headingRow = row;
    m_titles = titlesOfFamily(higherGradeCatalogue(), m_headings[row - 1]);
    m_previewRow = -1;
    fillList(ListTitFP, [this] {
        std::vector<QByteArray> names;
        for (int title : m_titles)
            names.push_back(higherTitleName(title));
        return names;
    }());
    const int rowHeight = std::max(ListTitFP->sizeHintForRow(0), 1);
    const int height = std::min(int(m_titles.size()) * rowHeight + 2 * ListTitFP->frameWidth() + 4,
                                kBottom - kListing.top());
    const int beside = ListPreFam->y() + ListPreFam->visualItemRect(ListPreFam->item(row)).top();
    const int top = std::clamp(beside, kListing.top(), kBottom - height);
    ListTitFP->setGeometry(kListing.left(), top, kListing.width(), height);
    ListFPExpli->clear();
    ListTitFP->show();
    ListTitFP->raise();
    // The first title is previewed at once, and the keyboard goes on from it.
    ListTitFP->setCurrentRow(0);
    ListTitFP->setFocus();
}

void UniversityVocationalPage::ListPreFamMouseUp(int row)
{
    if (row < 0)
        return;
    if (m_level == Level::Groups) {
        showHeadings(row + 1);
        return;
    }
    if (row == 0) {
        BotRetroFamiClick();
        return;
    }
    if (row <= int(m_headings.size()))
        showTitles(row);
}

void UniversityVocationalPage::BotRetroFamiClick() { showGroups(); }

// The title under the pointer is highlighted and its subjects previewed.
void UniversityVocationalPage::ListTitFPMouseMove(int row)
{
    if (row < 0 || row >= int(m_titles.size()) || row == m_previewRow)
        return;
    m_previewRow = row;
    ListTitFP->setCurrentRow(row);
    const std::vector<QByteArray> preview = subjectPreview(m_titles[row]);
    fillList(ListFPExpli, preview);
    ListFPExpli->setVisible(!preview.empty());
}

void UniversityVocationalPage::ListTitFPClick(int row)
{
    if (row < 0 || row >= int(m_titles.size()))
        return;
    m_level = Level::Title;
    m_title = m_titles[row];
    hideWidgets({ListPreFam, ListTitFP, ListFPExpli});
    m_selection.setTitle(interfaceText(kBubbleHeading));
    showWidgets({PanelCarSelFP, PanelFpTit});
    m_blinker->start(shown(higherTitleName(m_title)));
    MenuFpTit1->setFocus();
}

void UniversityVocationalPage::closeTitle()
{
    m_blinker->stop();
    mapa->stopRings();
    hideWidgets({PanelCarSelFP, PanelFpTit, PanelEstrellasFP, listSelFP, reja, botTelefono, PanelImp});
}

void UniversityVocationalPage::showMapAt(int top)
{
    PanelEstrellasFP->move(kLeft, top);
    PanelEstrellasFP->show();
    PanelEstrellasFP->raise();
    mapa->setFocus();
}

void UniversityVocationalPage::MenuFPTit1Click()
{
    listSelFP->clear();
    hideWidgets({listSelFP, ListPreFam});
    reja->clearRows();
    reja->show();
    m_selection.setTitle(interfaceText(kPlaces));
    mapa->startRings(regionsTeachingHigherTitle(m_title));
    showMapAt(kMapBelowTitleMenu);
}

void UniversityVocationalPage::showSection(int titleText, const std::vector<QByteArray> &lines)
{
    m_selection.setTitle(interfaceText(titleText));
    reja->hide();
    botTelefono->hide();
    listSelFP->setFont(settingsFont(kSectionFontSize));
    fillList(listSelFP, lines);
    listSelFP->show();
    listSelFP->raise();
}

void UniversityVocationalPage::MenuFPTit2Click() { showSection(kRequirements, requirementsSection(m_title)); }

void UniversityVocationalPage::MenuFPTit3Click() { showSection(kWhatIsStudied, subjectsSection(m_title)); }

void UniversityVocationalPage::MenuFPTit4Click() { showSection(kAccessTitle, accessSection()); }

void UniversityVocationalPage::MenuFPTit5Click() { printTitle(false, {}); }

void UniversityVocationalPage::MenuFPTitTodoClick() { printTitle(true, {}); }

void UniversityVocationalPage::MenuFPTit6Click()
{
    closeTitle();
    showGroups();
}

void UniversityVocationalPage::showCentres(const std::vector<ListingRow> &rows)
{
    m_centres = rows;
    listSelFP->hide();
    if (rows.empty()) {
        QApplication::beep();
        reja->showMessage(uiText(kNothingFound));
    } else {
        reja->showRows(rows, m_telephones);
    }
    reja->show();
    reja->raise();
    botTelefono->show();
}

void UniversityVocationalPage::mapaClick(int region)
{
    if (region < 1 || region > kRegionCount)
        return;
    switch (m_level) {
    case Level::ChoosingRegions: PanelImp->addRegion(region); return;
    case Level::Title:
        m_selection.setTitle(interfaceText(kCentresOfTitle));
        showCentres(higherCentresInRegion(region, m_title));
        return;
    case Level::PlaceMap:
        m_provinces = provincesOfRegion(region);
        PanelEstrellasFP->hide();
        mapa->hideHoverPanel();
        botTelefono->show();
        if (m_provinces.count() == 1) {
            listProvince(1);
            return;
        }
        m_level = Level::Provinces;
        ListSelLugFP->clear();
        for (int k = 1; k <= m_provinces.count(); ++k)
            ListSelLugFP->addItem(shown(m_provinces.listName(k)));
        ListSelLugFP->show();
        ListSelLugFP->setFocus();
        return;
    default: return;
    }
}

void UniversityVocationalPage::listProvince(int k)
{
    m_level = Level::Towns;
    m_province = placesOfProvince(content().datluggs, provinceKeyOf(m_provinces.code(k)));
    m_town = 0;
    m_selection.setTitle(m_provinces.listName(k));
    ListSelLugFP->clear();
    for (const Locality &town : m_province.localities)
        ListSelLugFP->addItem(shown(town.name));
    ListSelLugFP->show();
    listTowns();
    ListSelLugFP->setFocus();
}

// The centres of the province, each with the titles it teaches, from the
// chosen town on.
void UniversityVocationalPage::listTowns()
{
    const ProvinceGrid grid = gridOfProvince(content().datluggs, m_province, m_town,
                                             [](int title) { return content().fp.at(title); });
    showCentres(grid.rows);
    if (m_town > 0 && !grid.rows.empty())
        reja->scrollToRow(grid.targetRow);
}

void UniversityVocationalPage::ListSelLugFPClick(int row)
{
    if (row < 0)
        return;
    if (m_level == Level::Provinces) {
        listProvince(row + 1);
    } else if (m_level == Level::Towns) {
        m_town = row + 1;
        listTowns();
    }
}

void UniversityVocationalPage::botTelefonoMouseUp()
{
    m_telephones = !m_telephones;
    if (m_level == Level::Towns)
        listTowns();
    else if (!m_centres.empty())
        reja->showRows(m_centres, m_telephones);
}

void UniversityVocationalPage::printTitle(bool everyRegionWanted, const std::vector<int> &regions)
{
    const HigherTitleReport report = higherTitleReport(m_title, regions);
    if (mustChooseRegionsFirst(report, everyRegionWanted)) {
        startChoosingRegions();
        return;
    }
    // The listing as it prints, in the place of the sections.
    reja->hide();
    botTelefono->hide();
    listSelFP->clear();
    listSelFP->setFont(courierFont(kReportFontSize));
    listSelFP->addItem(displayText(report.title));
    for (const QByteArray &row : report.rows)
        listSelFP->addItem(displayText(row));
    for (int row : report.boldRows) {
        QFont bold = listSelFP->font();
        bold.setBold(true);
        listSelFP->item(row)->setFont(bold);
    }
    listSelFP->show();
    listSelFP->raise();
    if (everyRegionWanted)
        return;
    PrintListing(report.title, report.rows, report.boldRows, kReportFontSize);
}

void UniversityVocationalPage::startChoosingRegions()
{
    m_level = Level::ChoosingRegions;
    hideWidgets({PanelCarSelFP, PanelFpTit, PanelFP});
    PanelImp->start();
    showMapAt(kMapBelowTitleMenu);
}

void UniversityVocationalPage::BotAceptarClick()
{
    hideWidgets({PanelImp, PanelEstrellasFP});
    mapa->hideHoverPanel();
    m_level = Level::Title;
    showWidgets({PanelCarSelFP, PanelFpTit});
    printTitle(false, PanelImp->regions());
    MenuFpTit5->setFocus();
}

void UniversityVocationalPage::BotRetrocederFPClick() { stepBack(); }

void UniversityVocationalPage::stepBack()
{
    switch (m_level) {
    case Level::Menu: menuFP3Click(); return;
    case Level::Groups:
        hideWidgets({ListPreFam, BotRetrocederFP});
        m_selection.close();
        openMenu();
        return;
    case Level::Headings: BotRetroFamiClick(); return;
    case Level::Title: {
        const int headingRow = m_headingRow;
        closeTitle();
        showHeadings(m_group);
        if (headingRow > 0) {
            ListPreFam->setCurrentRow(headingRow);
            showTitles(headingRow);
        }
        return;
    }
    case Level::ChoosingRegions:
        hideWidgets({PanelImp, PanelEstrellasFP});
        mapa->hideHoverPanel();
        m_level = Level::Title;
        showWidgets({PanelCarSelFP, PanelFpTit});
        MenuFpTit5->setFocus();
        return;
    case Level::PlaceMap:
        m_selection.close();
        openMenu();
        return;
    case Level::Provinces:
    case Level::Towns:
        if (m_level == Level::Towns && m_provinces.count() > 1) {
            m_level = Level::PlaceMap;
            mapaClick(m_provinces.region);
            return;
        }
        hideWidgets({ListSelLugFP, reja, botTelefono});
        m_centres.clear();
        m_level = Level::PlaceMap;
        m_selection.setTitle(interfaceText(kCentresByPlace));
        showMapAt(kTop);
        return;
    }
}

} // namespace velmira
