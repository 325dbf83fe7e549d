#include "title_route_page.h"

#include "explorers/middle_grade_catalogue.h"
#include "explorers/middle_grade_layout.h"
#include "widgets/theme_assets.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/text_bytes.h"
#include "widgets/window_controls.h"
#include "widgets/centre_grid.h"
#include "widgets/region_map.h"
#include "widgets/row_choice.h"
#include "widgets/text_blinker.h"
#include "widgets/widget_groups.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmira {

using namespace middle_grade_text;

using namespace middlegrade;

namespace {

void fillLines(QListWidget *list, const std::vector<QByteArray> &lines)
{
    list->clear();
    for (const QByteArray &line : lines)
        list->addItem(displayText(trimTrailingBlanks(line)));
}

} // namespace

TitleRoutePage::TitleRoutePage(QWidget *window, MiddleGradeState &state, const MiddleGradeFrame &frame)
    : QObject(window)
    , m_state(state)
    , m_frame(frame)
{
    createLists(window);
    createDetailButtons(window);
    hideAll();
}

void TitleRoutePage::createLists(QWidget *window)
{
    ListPreFam = new QListWidget(window);
    ListPreFam->setObjectName(QStringLiteral("ListPreFam"));
    ListPreFam->setGeometry(kFamilies);
    ListPreFam->setFont(settingsFont(12));
    ListPreFam->setIconSize(QSize(30, 30));
    ListPreFam->setSpacing(2);
    onRowChosen(ListPreFam, [this](int row) { ListPreFamMouseUp(row); });

    LabelTitFam = new QLabel(window);
    LabelTitFam->setObjectName(QStringLiteral("LabelTitFam"));
    LabelTitFam->setGeometry(kTitles.x(), kTitles.y(), kTitles.width(), 28);
    LabelTitFam->setFont(settingsFont(12));
    ListTitFP = new QListWidget(window);
    ListTitFP->setObjectName(QStringLiteral("ListTitFP"));
    ListTitFP->setGeometry(kTitles.adjusted(0, 30, 0, 0));
    ListTitFP->setFont(settingsFont(10));
    onRowChosen(ListTitFP, [this](int row) { ListTitFPClick(row); });
    onRowHovered(ListTitFP, [this](int row) { ListTitFPMouseMove(row); });
    connect(ListTitFP, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ListTitFPMouseMove(row);
    });

    LabelPuestos = new QLabel(window);
    LabelPuestos->setObjectName(QStringLiteral("LabelPuestos"));
    LabelPuestos->setGeometry(kTitlePreview.x(), kTitlePreview.y(), kTitlePreview.width(), 28);
    LabelPuestos->setFont(settingsFont(12));
    ListFPExpli = new QListWidget(window);
    ListFPExpli->setObjectName(QStringLiteral("ListFPExpli"));
    ListFPExpli->setGeometry(kTitlePreview.adjusted(0, 30, 0, 0));
    ListFPExpli->setFont(settingsFont(10));
    ListFPExpli->setFocusPolicy(Qt::NoFocus);
    ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
}

void TitleRoutePage::createDetailButtons(QWidget *window)
{
    BotRequisitos = button(window, "BotRequisitos", kButtonRow);
    BotPuesto = button(window, "BotPuesto", kButtonRow);
    botAsig = button(window, "botAsig", kButtonRow);
    connect(BotRequisitos, &QPushButton::clicked, this, &TitleRoutePage::BotRequisitosClick);
    connect(BotPuesto, &QPushButton::clicked, this, &TitleRoutePage::BotPuestoClick);
    connect(botAsig, &QPushButton::clicked, this, &TitleRoutePage::botAsigClick);
}

void TitleRoutePage::setCaptions()
{
    BotRequisitos->setText(uiText(kRequirements));
    BotPuesto->setText(uiText(kJobPositionsButton));
    botAsig->setText(uiText(kSubjects));
    LabelPuestos->setText(uiText(kJobPositions));
    lineUpButtons({BotRequisitos, BotPuesto, botAsig}, kButtonRow);
}

void TitleRoutePage::hideAll()
{
    hideWidgets({ListPreFam, LabelTitFam, ListTitFP, LabelPuestos, ListFPExpli});
    setDetailButtonsVisible(false);
}

void TitleRoutePage::setDetailButtonsVisible(bool visible)
{
    for (QPushButton *b : {BotRequisitos, BotPuesto, botAsig})
        b->setVisible(visible);
}

void TitleRoutePage::start()
{
    m_state.route = ExplorerRoute::ByTitle;
    m_state.doubleClickOpensTitle = false;
    FillProvinceKeys();
    m_frame.BotRetrocederFP->show();
    m_frame.PanelSelTit->show();
    m_frame.reja->hide();
    m_frame.listSelFP->setFont(settingsFont(11));
    showGroups();
    ListPreFam->setFocus();
}

void TitleRoutePage::showGroups()
{
    m_level = Level::Groups;
    m_frame.PanelSelTit->setText(uiText(kTitlesByFamily));
    ListPreFam->clear();
    int item = 0;
    for (const FamilyGroup &group : middleFamilyGroups())
        ListPreFam->addItem(new QListWidgetItem(listIcon(familyGroupIcon(item++)),
                                                displayText(trimTrailingBlanks(group.name))));
    ListPreFam->setCurrentRow(0);
    ListPreFam->show();
    hideWidgets({LabelTitFam, ListTitFP, LabelPuestos, ListFPExpli});
}

void TitleRoutePage::showFamilies(int group)
{
    m_level = Level::Families;
    m_group = group;
    m_families = familiesOfGroup(group);
    m_frame.PanelSelTit->setText(uiText(kChooseFamily));
    const std::vector<int> icons = familyListIcons(m_families);
    ListPreFam->clear();
    ListPreFam->addItem(new QListWidgetItem(listIcon(icons[0]), uiText(kBack)));
    for (size_t i = 0; i < m_families.size(); ++i)
        ListPreFam->addItem(new QListWidgetItem(listIcon(icons[i + 1]),
                                                displayText(trimTrailingBlanks(familyName(m_families[i])))));
    ListPreFam->setCurrentRow(m_families.empty() ? 0 : 1);
    ListPreFam->show();
}

void TitleRoutePage::showTitles(int family)
{
    m_family = family;
    m_titles = titlesOfFamily(family);
    m_previewRow = -1;
    LabelTitFam->setText(displayText(trimTrailingBlanks(familyName(family))));
    ListTitFP->clear();
    for (int title : m_titles)
        ListTitFP->addItem(displayText(trimTrailingBlanks(middleTitleName(title))));
    ListFPExpli->clear();
    showWidgets({LabelTitFam, ListTitFP, LabelPuestos, ListFPExpli});
}

void TitleRoutePage::ListPreFamMouseUp(int row)
{
    if (row < 0)
        return;
    if (m_level == Level::Groups) {
        showFamilies(row + 1);
        return;
    }
    if (row == 0) {
        BotRetroFamiClick();
        return;
    }
    if (row <= int(m_families.size()))
        showTitles(m_families[row - 1]);
}

void TitleRoutePage::BotRetroFamiClick()
{
    showGroups();
    ListPreFam->setCurrentRow(m_group > 0 ? m_group - 1 : 0);
}

// The row under the pointer becomes the only one selected and its job
// positions are previewed.
void TitleRoutePage::ListTitFPMouseMove(int row)
{
    if (row < 0 || row >= int(m_titles.size()) || row == m_previewRow)
        return;
    m_previewRow = row;
    ListTitFP->setCurrentRow(row);
    std::vector<QByteArray> lines = {{}};
    for (const QByteArray &line : jobPositionsOfTitle(m_titles[row]))
        lines.push_back(line);
    fillLines(ListFPExpli, lines);
}

void TitleRoutePage::ListTitFPClick(int row)
{
    if (row < 0 || row >= int(m_titles.size()))
        return;
    ListPreFam->hide();
    showTitleOnMap(m_titles[row]);
}

void TitleRoutePage::openTitle(int title)
{
    m_state.route = ExplorerRoute::ByTitle;
    FillProvinceKeys();
    // Back from the map leads to the title's own family.
    m_family = familyOfTitle(title);
    m_group = groupOfFamily(m_family);
    m_level = Level::Families;
    if (m_group > 0) {
        m_families = familiesOfGroup(m_group);
        m_titles = titlesOfFamily(m_family);
    }
    showTitleOnMap(title);
}

void TitleRoutePage::showTitleOnMap(int title)
{
    m_level = Level::Title;
    m_state.title = title;
    hideWidgets({LabelTitFam, ListTitFP, LabelPuestos, ListFPExpli, m_frame.LabAyuGM, m_frame.HeliPeque,
                 m_frame.reja});
    m_frame.listSelFP->clear();
    m_frame.listSelFP->setFont(settingsFont(11));
    m_frame.listSelFP->show();
    m_frame.PanelSelTit->setText(uiText(kWhereTaught));
    m_frame.PanelSelTit->show();
    setDetailButtonsVisible(true);
    m_frame.BotImprimir->setVisible(!m_state.questionnaireMode);
    m_frame.BotRetrocederFP->setVisible(!m_state.questionnaireMode);
    m_frame.PanelCarSel->show();

    m_frame.mapa->startRings(regionsTeaching(content().datluggm, title));
    m_frame.PanelEstrellas->show();
    m_frame.blinker->start(displayText(trimTrailingBlanks(middleTitleName(title))));
    m_frame.mapa->setFocus();
}

void TitleRoutePage::listCentres(int region)
{
    m_state.provinces = provincesOfRegion(region);
    m_frame.PanelSelTit->setText(uiText(kCentresOfTitle));
    const std::vector<ListingRow> rows =
        centresTeachingInRegion(content().datluggm, m_state.provinces, m_state.title);
    m_frame.listSelFP->hide();
    if (rows.empty()) {
        QApplication::beep();
        m_frame.reja->showMessage(uiText(kNothingFound));
    } else {
        m_frame.reja->showRows(rows, true, kCentreGridTextWidth);
    }
    m_frame.reja->show();
    emit centresListed(m_state.title, rows);
}

void TitleRoutePage::showDetails(const QString &heading, const std::vector<QByteArray> &lines)
{
    m_frame.PanelSelTit->setText(heading);
    m_frame.reja->hide();
    m_frame.listSelFP->setFont(settingsFont(11));
    fillLines(m_frame.listSelFP, lines);
    m_frame.listSelFP->show();
}

void TitleRoutePage::BotRequisitosClick() { showDetails(QString(), middleGradeRequirements()); }

void TitleRoutePage::BotPuestoClick()
{
    showDetails(uiText(kJobPositions), jobPositionsOfTitle(m_state.title));
}

void TitleRoutePage::botAsigClick() { showDetails(uiText(kWhatIsStudied), subjectsOfTitle(m_state.title)); }

void TitleRoutePage::closeTitle()
{
    m_frame.mapa->stopRings();
    m_frame.blinker->stop();
    setDetailButtonsVisible(false);
    hideWidgets(
        {m_frame.BotImprimir, m_frame.PanelEstrellas, m_frame.listSelFP, m_frame.reja, m_frame.PanelCarSel});
}

bool TitleRoutePage::stepBack()
{
    switch (m_level) {
    case Level::Title:
        closeTitle();
        m_frame.BotRetrocederFP->show();
        if (m_group == 0) {
            showGroups();
            return true;
        }
        showFamilies(m_group);
        ListPreFam->setCurrentRow(
            1 + int(std::find(m_families.begin(), m_families.end(), m_family) - m_families.begin()));
        showTitles(m_family);
        ListPreFam->setFocus();
        return true;
    case Level::Families:
        BotRetroFamiClick();
        ListPreFam->setFocus();
        return true;
    case Level::Groups: hideAll(); return false;
    }
    return false;
}

} // namespace velmira
