#include "middle_grade_window.h"

#include "explorers/listing_print_page.h"
#include "explorers/map_frame.h"
#include "explorers/middle_grade_layout.h"
#include "explorers/place_route_page.h"
#include "explorers/questionnaire_route_page.h"
#include "explorers/title_route_page.h"

#include "explorers/middle_grade_catalogue.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/picture_names.h"
#include "data/pictures.h"
#include "widgets/question_window.h"
#include "widgets/window_controls.h"
#include "widgets/theme_assets.h"
#include "widgets/centre_grid.h"
#include "widgets/region_map.h"
#include "widgets/text_blinker.h"
#include "widgets/widget_groups.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmira {

using namespace middle_grade_text;

using namespace middlegrade;

TForm3 *Form3 = nullptr;

// The explorer works on the tables the ESO window loads.
TForm3::TForm3(QWidget *parent)
    : WindowBase(QStringLiteral("F.P.  G.M."), QSize(1024, 768), colour4(), parent)
{
}

void TForm3::createContents()
{
    createHeadings();
    createMenu();
    createMapFrame(this, m_frame, "listSelFP");
    // The guide stands over the headings.
    m_frame.LabAyuGM->raise();
    m_frame.HeliPeque->raise();
    createPages();
    applyCommonLook();
    applyExplorerLook(this);
    setCaptions();
    load([this] { loadGuidePicture(); });
    hideRoutes();
    showMenu();
}

void TForm3::createHeadings()
{
    LabelFPGM = new QLabel(this);
    LabelFPGM->setObjectName(QStringLiteral("LabelFPGM"));
    LabelFPGM->setGeometry(kHeading);
    QFont heading = settingsFont(18);
    heading.setBold(true);
    LabelFPGM->setFont(heading);

    m_frame.LabAyuGM = new QLabel(this);
    m_frame.LabAyuGM->setObjectName(QStringLiteral("LabAyuGM"));
    m_frame.LabAyuGM->setGeometry(width() - 30, kGuideTop, 30, 48);
    m_frame.LabAyuGM->setWordWrap(true);
    m_frame.LabAyuGM->setFont(settingsFont(14));
    m_frame.HeliPeque = new QLabel(this);
    m_frame.HeliPeque->setObjectName(QStringLiteral("HeliPeque"));
    m_frame.HeliPeque->setGeometry(width() - 30, kGuideTop - 12, 40, 120);
    m_frame.HeliPeque->setScaledContents(true);
}

void TForm3::createMenu()
{
    botTit2 = button(this, "botTit2", QRect(kMenu.x(), kMenu.y(), kMenu.width(), kButtonHeight));
    botLug2 = button(this, "botLug2", QRect(kMenu.x(), kMenu.y() + 50, kMenu.width(), kButtonHeight));
    botSalir = button(this, "botSalir", QRect(kMenu.x(), kMenu.y() + 100, kMenu.width(), kButtonHeight));
    connect(botTit2, &QPushButton::clicked, this, &TForm3::botTit2Click);
    connect(botLug2, &QPushButton::clicked, this, &TForm3::botLug2Click);
    connect(botSalir, &QPushButton::clicked, this, &TForm3::botSalirClick);
}

void TForm3::createPages()
{
    m_titles = new TitleRoutePage(this, m_state, m_frame);
    connect(m_frame.mapa, &RegionMap::regionClicked, this, &TForm3::mapaClick);
    connect(m_frame.BotRetrocederFP, &QPushButton::clicked, this, &TForm3::BotRetrocederFPClick);
    m_places = new PlaceRoutePage(this, m_state, m_frame, content().datluggm, middleTitleName);
    m_printing = new ListingPrintPage(this, m_state, m_frame, *m_places);
    m_questionnaire = new QuestionnaireRoutePage(this, m_state, m_frame, *m_titles);
    connect(m_places, &PlaceRoutePage::titleChosen, m_titles, &TitleRoutePage::openTitle);
    connect(m_questionnaire, &QuestionnaireRoutePage::byPlaceChosen, this, [this] {
        m_state.questionnaireMode = false;
        botLug2Click();
    });
    connect(m_questionnaire, &QuestionnaireRoutePage::leaveRequested, this, &TForm3::leaveQuestionnaire);
}

// The guide of the help panels, small, beside the guide's text.
void TForm3::loadGuidePicture()
{
    const std::vector<QPixmap> frames =
        loadStrip(QString::fromLatin1(pictures::kGuideStrip), pictures::kGuideFrames);
    m_frame.HeliPeque->setPixmap(frames.front());
}

void TForm3::setCaptions()
{
    LabelFPGM->setText(uiText(kExplorerHeading));
    botTit2->setText(uiText(kByTitle));
    botLug2->setText(uiText(kByPlace));
    botSalir->setText(uiText(kLeave));
    m_frame.BotImprimir->setText(uiText(kPrint));
    m_frame.BotRetrocederFP->setText(uiText(kBack));
    lineUpButtons({m_frame.BotImprimir}, kButtonRow, true);
    m_titles->setCaptions();
    m_places->setCaptions();
    m_printing->setCaptions();
    m_questionnaire->setCaptions();
}

void TForm3::startFromMainMenu()
{
    ensureContents();
    m_state.title = 0;
    startAtMenu();
}

void TForm3::startQuestionnaire(QWidget *esoWindow)
{
    ensureContents();
    m_state.questionnaireMode = true;
    hideRoutes();
    openFrom(esoWindow);
    startQuestionnaireRoute();
}

void TForm3::startExplorer(QWidget *opener)
{
    ensureContents();
    startAtMenu();
    openFrom(opener);
}

void TForm3::startAtMenu()
{
    m_state.questionnaireMode = false;
    hideRoutes();
    showMenu();
}

void TForm3::startQuestionnaireRoute()
{
    hideWidgets({botTit2, botLug2, botSalir});
    m_questionnaire->start();
}

void TForm3::hideRoutes()
{
    m_titles->hideAll();
    m_places->hideAll();
    m_printing->hideAll();
    m_questionnaire->hideAll();
    m_frame.mapa->stopRings();
    m_frame.blinker->stop();
    m_frame.reja->clearRows();
    m_frame.listSelFP->clear();
    hideWidgets({m_frame.PanelSelTit, m_frame.PanelCarSel, m_frame.PanelEstrellas, m_frame.listSelFP,
                 m_frame.reja, m_frame.BotRetrocederFP, m_frame.BotImprimir, m_frame.LabAyuGM,
                 m_frame.HeliPeque});
    m_state.route = ExplorerRoute::Menu;
    m_state.localityMode = false;
    m_state.doubleClickOpensTitle = false;
}

void TForm3::showMenu()
{
    m_state.route = ExplorerRoute::Menu;
    m_frame.BotRetrocederFP->hide();
    m_frame.PanelSelTit->hide();
    showWidgets({botTit2, botLug2, botSalir});
    botTit2->setFocus();
}

void TForm3::botTit2Click()
{
    hideWidgets({botTit2, botLug2, botSalir});
    m_titles->start();
}

void TForm3::botLug2Click()
{
    hideWidgets({botTit2, botLug2, botSalir});
    m_places->start();
}

void TForm3::mapaClick(int region)
{
    if (region < 1 || region > kRegionCount)
        return;
    if (m_printing->choosingRegions()) {
        m_printing->addRegion(region);
        return;
    }
    if (m_state.route == ExplorerRoute::ByTitle)
        m_titles->listCentres(region);
    else if (m_state.route == ExplorerRoute::ByPlace)
        m_places->chooseRegion(region);
}

void TForm3::BotRetrocederFPClick()
{
    if (m_printing->choosingRegions()) {
        m_printing->hideAll();
        return;
    }
    bool stays = false;
    if (m_state.route == ExplorerRoute::ByTitle)
        stays = m_titles->stepBack();
    else if (m_state.route == ExplorerRoute::ByPlace)
        stays = m_places->stepBack();
    if (!stays) {
        hideRoutes();
        showMenu();
    }
}

void TForm3::botSalirClick()
{
    hideRoutes();
    returnToOpener();
}

void TForm3::leaveQuestionnaire()
{
    m_state.questionnaireMode = false;
    botSalirClick();
}

// Escape goes one step back, the way the back controls would; on the menu it
// leaves the window. (Return on a button is every window's, see WindowBase.)
void TForm3::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_state.questionnaireMode && !m_printing->choosingRegions()) {
        if (!m_questionnaire->stepBack())
            leaveQuestionnaire();
        return;
    }
    if (m_state.route == ExplorerRoute::Menu)
        botSalirClick();
    else
        BotRetrocederFPClick();
}

// Closing the window asks whether to leave the program.
void TForm3::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!confirmLeavingProgram())
        return;
    hideRoutes();
    leaveProgram();
}

} // namespace velmira
