#include "university_window.h"

#include "data/colours.h"
#include "data/command_runner.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/university_tables.h"
#include "explorers/star_map_window.h"
#include "university/selection_area.h"
#include "university/university_artistic_page.h"
#include "university/university_catalogue_page.h"
#include "university/university_help.h"
#include "university/university_information_page.h"
#include "university/university_masters_page.h"
#include "university/university_menu_page.h"
#include "university/university_places_page.h"
#include "university/university_questionnaire_page.h"
#include "university/university_vocational_page.h"
#include "widgets/help_panel_widget.h"
#include "widgets/window_controls.h"

#include <QKeyEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmira {

namespace {

constexpr int kHigherGradeRow = 9;

} // namespace

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(1024, 768), colour2(), parent)
{
    move(0, 0);
    createRunner();
    load(loadUniversityData);
}

void TForm1::createContents()
{
    createHeading();
    createPages();
    connectStarMap();
    payuda = new HelpPanelWidget(this, QRect(10, 460, 300, 200), 11);
    applyCommonLook();
    if (!load([this] { payuda->loadGuide(); }))
        return;
    setCaptions();
    openModuleMenu();
}

void TForm1::createHeading()
{
    Labelano = new QLabel(this);
    Labelano->setObjectName(QStringLiteral("Labelano"));
    Labelano->setGeometry(10, 10, 270, 24);
    Labelano->setFont(settingsFont(14));
    Labelano2 = new QLabel(this);
    Labelano2->setObjectName(QStringLiteral("Labelano2"));
    Labelano2->setGeometry(10, 36, 270, 64);
    Labelano2->setWordWrap(true);
}

void TForm1::createPages()
{
    m_menu = new UniversityMenuPage(this);
    m_selection = new SelectionArea(this);
    m_catalogue = new UniversityCataloguePage(this, *m_menu, *m_selection);
    m_places = new UniversityPlacesPage(this, *m_menu, *m_selection, *m_catalogue);
    m_masters = new UniversityMastersPage(this, *m_menu, *m_selection);
    m_artistic = new UniversityArtisticPage(this, *m_menu, *m_selection, *m_places);
    m_information = new UniversityInformationPage(this, *m_menu);
    m_questionnaire = new UniversityQuestionnairePage(this, *m_menu);
    // The higher-grade titles' page is made when first opened; its entry
    // in the module menu is here from the start.
    menui5 = m_menu->addEntry("menui5", kHigherGradeRow);
    connect(menui5, &QPushButton::clicked, this, &TForm1::openHigherGradePage);
}

// A region clicked on the star map scrolls the list to its centres.
void TForm1::connectStarMap()
{
    connect(Form7, &TForm7::listRowWanted, m_selection, &SelectionArea::scrollToRow);
}

void TForm1::createRunner()
{
    CmdExecComponent1 = new TCmdExecComponent(this);
    connect(CmdExecComponent1, &TCmdExecComponent::OnComplete, this, &TForm1::CmdExecComponent1Complete);
}

void TForm1::setCaptions()
{
    showSchoolHeading(this, Labelano, Labelano2);
    m_menu->setCaptions();
    menui5->setText(uiText(kHigherGradeCaption));
    m_selection->setCaptions();
    m_catalogue->setCaptions();
    m_places->setCaptions();
    m_masters->setCaptions();
    m_artistic->setCaptions();
    m_information->setCaptions();
    m_questionnaire->setCaptions();
}

void TForm1::openModuleMenu()
{
    ensureContents();
    m_selection->close();
    m_catalogue->close();
    m_catalogue->forgetPendingDegree();
    m_places->close();
    m_masters->close();
    m_artistic->close();
    m_information->close();
    m_questionnaire->close();
    if (m_vocational)
        m_vocational->close();
    hideHelp();
    m_views = {};
    Form7->hideMap();
    m_menu->open();
}

void TForm1::openQuestionnaire()
{
    openModuleMenu();
    m_questionnaire->openFromMainMenu();
}

void TForm1::openHigherGradePage()
{
    openModuleMenu();
    m_menu->close();
    vocationalPage().openMenu();
}

UniversityVocationalPage &TForm1::vocationalPage()
{
    if (!m_vocational) {
        m_vocational = new UniversityVocationalPage(this, *m_selection);
        applyCommonLook();
        m_vocational->setCaptions();
    }
    return *m_vocational;
}

// The help of a view goes with it.
void TForm1::backToMenu()
{
    hideHelp();
    m_menu->open();
}

void TForm1::leaveModuleMenu()
{
    m_menu->close();
    m_selection->open();
}

int TForm1::currentDegree() const { return m_catalogue->currentDegree(); }

int TForm1::currentRegion() const { return m_places->currentRegion(); }

void TForm1::showHelp(int step)
{
    HelpLines lines;
    payuda->showLines(universityHelpLines(step, lines) ? &lines : nullptr);
}

void TForm1::hideHelp() { payuda->hide(); }

void TForm1::openWebPage(const QByteArray &url) { OpenInBrowser(*CmdExecComponent1, url); }

// A browser that could not run: the pupil names another, tried from the
// next link on.
void TForm1::CmdExecComponent1Complete()
{
    if (CmdExecComponent1->ReturnValue() == 0)
        return;
    const QString prompt = QStringLiteral("Introduce Otro Nombre de Navegador\n"
                                          "mozilla\nopera\nkonqueror\nnetscape\n\n"
                                          "Y vuelve a pinchar...");
    bool accepted = false;
    const QString browser = QInputDialog::getText(this, QStringLiteral("Navegador Web incorrecto"), prompt,
                                                  QLineEdit::Normal, QStringLiteral("firefox"), &accepted);
    // Like the input box it stands for, a cancelled box answers its proposal.
    setBrowserDefault((accepted ? browser : QStringLiteral("firefox")).toLower().toLocal8Bit());
}

void TForm1::openCatalogueOn(int degree)
{
    goBack();
    // The catalogue takes the place of the map and its lists.
    m_places->close();
    m_catalogue->openOn(degree);
}

void TForm1::setPresentationTick(int milliseconds)
{
    ensureContents();
    m_information->setPresentationTick(milliseconds);
}

// Escape steps back as the back buttons do; on the module menu it leaves.
void TForm1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_vocational && m_vocational->isOpen()) {
        m_vocational->stepBack();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_questionnaire->isOpen()) {
        m_questionnaire->stepBack();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_selection->isOpen()) {
        goBack();
        return;
    }
    WindowBase::keyPressEvent(event);
}

void TForm1::hideEvent(QHideEvent *event)
{
    Form7->hideMap();
    WindowBase::hideEvent(event);
}

void TForm1::goBack()
{
    const SelectionScreen screen{m_places->centreListShown(), m_places->mapShown()};
    for (BackStep step : backSteps(m_views, screen))
        runBackStep(step);
}

void TForm1::printChosen()
{
    if (m_views.artistic)
        m_artistic->print();
    else
        m_catalogue->printDegree();
}

void TForm1::printShownList()
{
    if (m_views.masters)
        m_masters->print();
    else
        m_places->printList();
}

void TForm1::runBackStep(BackStep step)
{
    switch (step) {
    case BackStep::LeaveMasters: openModuleMenu(); break;
    case BackStep::LeaveArtistic:
        m_views.artistic = false;
        m_artistic->close();
        m_places->close();
        m_selection->close();
        m_selection->clearTitle();
        m_selection->clearLines();
        backToMenu();
        break;
    case BackStep::ResetSelectionArea: m_selection->resetPlaces(); break;
    case BackStep::LeaveUniversity:
        if (m_places->centreListShown() && !m_views.byDegree) {
            m_places->backToMap();
            return;
        }
        m_places->close();
        m_catalogue->close();
        m_selection->close();
        m_selection->clearLines();
        backToMenu();
        Form7->hideMap();
        m_views.university = false;
        break;
    case BackStep::DoublesBackToMap:
    case BackStep::CentresBackToMap: m_places->backToMap(); break;
    case BackStep::EmptySelection:
        m_selection->empty();
        m_places->hideCentreButton();
        break;
    case BackStep::LeaveDoubleDegrees:
        m_views.doubleDegrees = false;
        m_places->close();
        backToMenu();
        break;
    case BackStep::LeaveOtherStudies:
        m_views.otherStudies = false;
        m_places->close();
        backToMenu();
        break;
    case BackStep::LeaveMap:
        m_places->hideMap();
        backToMenu();
        break;
    }
}

} // namespace velmira
