#include "initial_programmes_window.h"

#include "explorers/initial_programme_catalogue.h"
#include "explorers/initial_programme_report.h"
#include "explorers/listing_print_page.h"
#include "explorers/map_frame.h"
#include "explorers/middle_grade_layout.h"
#include "explorers/place_route_page.h"
#include "explorers/programme_lists_page.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/explorer_tables.h"
#include "data/interface_texts.h"
#include "data/messages.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "widgets/centre_grid.h"
#include "widgets/question_window.h"
#include "widgets/region_map.h"
#include "widgets/text_blinker.h"
#include "widgets/widget_groups.h"
#include "widgets/window_controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace velmira {

using namespace initial_programmes_text;
using namespace middlegrade;

TFIniPro *FIniPro = nullptr;

namespace {

const QRect kYear(880, 14, 124, 30); // Labelano
constexpr int kDetailFontSize = 10;

QByteArray programmeGridName(int line) { return content().fpip.at(line).mid(1); }

} // namespace

TFIniPro::TFIniPro(QWidget *parent)
    : WindowBase(QStringLiteral("FP Inicia. Profes."), QSize(1024, 768), colour4(), parent)
{
    load(loadInitialProgrammesData);
}

void TFIniPro::createContents()
{
    createHeading();
    createMapFrame(this, m_frame, "Listsel");
    createDetailButtons();
    createPages();
    applyCommonLook();
    applyExplorerLook(this);
    setCaptions();
}

void TFIniPro::createHeading()
{
    QFont heading = settingsFont(18);
    heading.setBold(true);
    LabelFPIp2 = new QLabel(this);
    LabelFPIp2->setObjectName(QStringLiteral("LabelFPIp2"));
    LabelFPIp2->setGeometry(kHeading.translated(2, 2));
    LabelFPIp2->setFont(heading);
    QPalette shadow = LabelFPIp2->palette();
    shadow.setColor(QPalette::WindowText, Qt::gray);
    LabelFPIp2->setPalette(shadow);
    LabelFPIp1 = new QLabel(this);
    LabelFPIp1->setObjectName(QStringLiteral("LabelFPIp1"));
    LabelFPIp1->setGeometry(kHeading);
    LabelFPIp1->setFont(heading);
    Labelano = textLabel(this, "Labelano", kYear, 14, true);
    Labelano->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TFIniPro::createDetailButtons()
{
    BotRequisitos = button(this, "BotRequisitos", kButtonRow);
    BotAsig = button(this, "BotAsig", kButtonRow);
    BotTra = button(this, "BotTra", kButtonRow);
    connect(BotRequisitos, &QPushButton::clicked, this, &TFIniPro::BotRequisitosClick);
    connect(BotAsig, &QPushButton::clicked, this, &TFIniPro::botAsigClick);
    connect(BotTra, &QPushButton::clicked, this, &TFIniPro::BotTraClick);
    // Print after the details, in the order of the row.
    setTabOrder(BotTra, m_frame.BotImprimir);
}

void TFIniPro::createPages()
{
    m_lists = new ProgrammeListsPage(this);
    m_places = new PlaceRoutePage(this, m_state, m_frame, content().datlugip, programmeGridName);
    connect(m_lists, &ProgrammeListsPage::programmeChosen, this, &TFIniPro::chooseProgramme);
    connect(m_lists, &ProgrammeListsPage::byPlaceChosen, this, &TFIniPro::BotLugClick);
    connect(m_places, &PlaceRoutePage::titleChosen, this, &TFIniPro::chooseProgramme);
    connect(m_frame.mapa, &RegionMap::regionClicked, this, &TFIniPro::mapaClick);
    connect(m_frame.BotImprimir, &QPushButton::clicked, this, &TFIniPro::BotImprimirClick);
    connect(m_frame.BotRetrocederFP, &QPushButton::clicked, this, &TFIniPro::BotRetrocederFPClick);
}

void TFIniPro::setCaptions()
{
    LabelFPIp1->setText(uiText(kWindowHeading));
    LabelFPIp2->setText(uiText(kWindowHeading));
    Labelano->setText(QStringLiteral("2011/12"));
    BotRequisitos->setText(uiText(kRequirements));
    BotAsig->setText(uiText(kWhatIsStudiedButton));
    BotTra->setText(uiText(kWork) + QStringLiteral("..."));
    m_frame.BotImprimir->setText(uiText(kPrint));
    m_frame.BotRetrocederFP->setText(uiText(kBack));
    fitCaption(m_frame.BotRetrocederFP);
    lineUpButtons({BotRequisitos, BotAsig, BotTra}, kButtonRow);
    lineUpButtons({m_frame.BotImprimir}, kButtonRow, true);
    m_lists->setCaptions();
    m_places->setCaptions();
}

void TFIniPro::showEvent(QShowEvent *event)
{
    WindowBase::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Every opening, from the main menu or the ESO window, starts at the groups.
void TFIniPro::FormShow()
{
    hideFrame();
    m_places->hideAll();
    m_state.route = ExplorerRoute::ByTitle;
    m_programme = 0;
    m_lists->start();
    m_frame.BotRetrocederFP->show();
}

void TFIniPro::hideFrame()
{
    m_frame.mapa->hideHoverPanel();
    m_frame.blinker->stop();
    m_frame.reja->clearRows();
    m_frame.listSelFP->clear();
    hideWidgets({m_frame.PanelSelTit, m_frame.PanelCarSel, m_frame.PanelEstrellas, m_frame.listSelFP,
                 m_frame.reja, m_frame.BotImprimir, BotRequisitos, BotAsig, BotTra});
}

void TFIniPro::chooseProgramme(int line)
{
    m_lists->putAway();
    m_state.route = ExplorerRoute::ByTitle;
    m_state.doubleClickOpensTitle = false;
    FillProvinceKeys();
    m_programme = line;
    m_region = 0;
    m_centres.clear();
    m_frame.reja->hide();
    m_frame.listSelFP->clear();
    m_frame.PanelSelTit->clear();
    showWidgets({m_frame.PanelEstrellas, m_frame.listSelFP, m_frame.PanelSelTit, BotRequisitos, BotAsig,
                 BotTra, m_frame.BotImprimir, m_frame.PanelCarSel, m_frame.BotRetrocederFP});
    m_frame.blinker->start(displayText(programmes::lineName(line)));
    m_frame.mapa->setFocus();
}

void TFIniPro::BotLugClick()
{
    hideFrame();
    m_programme = 0;
    m_places->start();
}

void TFIniPro::mapaClick(int region)
{
    if (region < 1 || region > kRegionCount)
        return;
    if (m_state.route == ExplorerRoute::ByPlace) {
        m_places->chooseRegion(region);
        return;
    }
    if (m_programme == 0)
        return;
    m_frame.mapa->hideHoverPanel();
    m_region = region;
    m_state.provinces = provincesOfRegion(region);
    m_centres = centresTeachingInRegion(content().datlugip, m_state.provinces, m_programme);
    m_frame.PanelSelTit->setText(uiText(kCentresOfRegion));
    m_frame.listSelFP->hide();
    if (m_centres.empty()) {
        QApplication::beep();
        m_frame.reja->showMessage(uiText(kNothingFound));
    } else {
        m_frame.reja->showRows(m_centres, true, kCentreGridTextWidth);
    }
    m_frame.reja->show();
}

void TFIniPro::showDetails(const QString &heading, const std::vector<QByteArray> &lines)
{
    m_frame.PanelSelTit->setText(heading);
    m_frame.reja->hide();
    m_frame.listSelFP->setFont(QFont(QStringLiteral("Times New Roman"), kDetailFontSize));
    fillList(m_frame.listSelFP, lines);
    m_frame.listSelFP->show();
}

void TFIniPro::BotRequisitosClick() { showDetails(QString(), programmeRequirementLines()); }

void TFIniPro::botAsigClick() { showDetails(uiText(kWhatIsStudied), programmeStudyLines()); }

void TFIniPro::BotTraClick() { showDetails(uiText(kWhatIsStudied), programmeModuleLines(m_programme)); }

void TFIniPro::BotImprimirClick()
{
    ExplorerReport report;
    if (m_state.route == ExplorerRoute::ByPlace) {
        report = provinceReport(m_state.provinceName, kProgrammes, m_places->provinceRows());
    } else {
        if (m_region == 0) {
            showMessage(uiText(kChooseRegionFirst));
            return;
        }
        report = programmeReport(m_programme, m_region, m_centres);
        previewReport(m_frame.listSelFP, report);
        m_frame.reja->hide();
    }
    printReport(report);
}

void TFIniPro::closeProgramme()
{
    hideFrame();
    m_programme = 0;
    m_lists->showAgain();
    m_frame.BotRetrocederFP->show();
}

void TFIniPro::BotRetrocederFPClick()
{
    if (m_state.route == ExplorerRoute::ByPlace) {
        if (m_places->stepBack())
            return;
        hideFrame();
        m_state.route = ExplorerRoute::ByTitle;
        m_lists->showAgain();
        m_frame.BotRetrocederFP->show();
        return;
    }
    if (m_programme != 0) {
        closeProgramme();
        return;
    }
    if (!m_lists->stepBack())
        returnToOpener();
}

// Escape goes one step back, the way the back button would.
void TFIniPro::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        BotRetrocederFPClick();
    else
        QWidget::keyPressEvent(event);
}

// Closing the window asks whether to leave the program.
void TFIniPro::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!confirmLeavingProgram())
        return;
    leaveProgram();
}

} // namespace velmira
