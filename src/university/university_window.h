#pragma once
// The Bachillerato and university window. It owns its pages and switches
// between them: the module menu, the selection area that most views share,
// the degree catalogue with a degree's details, the places (map, centres,
// double degrees, other studies), the masters, the artistic studies, the
// information menu and the Bachillerato questionnaire. The lists come from the university/ logic
// units; the pages wire them to their controls.

#include "university/selection_back.h"
#include "widgets/window_base.h"

class QLabel;
class QPushButton;

namespace velmira {

class HelpPanelWidget;
class SelectionArea;
class TCmdExecComponent;
class UniversityArtisticPage;
class UniversityCataloguePage;
class UniversityInformationPage;
class UniversityMastersPage;
class UniversityMenuPage;
class UniversityPlacesPage;
class UniversityQuestionnairePage;
class UniversityVocationalPage;

class TForm1 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    // The main menu's first door: the module menu, every other view closed.
    void openModuleMenu();
    // The main menu's Bachillerato questionnaire door: the questionnaire
    // opened as its entry in the module menu opens it, returning to the main menu.
    void openQuestionnaire();
    // The main menu's higher-grade door: the higher-grade titles' own menu,
    // nothing chosen in it yet.
    void openHigherGradePage();

    // What the pages share: the views of the selection area, the degree and
    // region chosen, the help panel and the web browser.
    SelectionViews &views() { return m_views; }
    int currentDegree() const;
    int currentRegion() const;
    void showHelp(int step);
    void hideHelp();
    void openWebPage(const QByteArray &url);

    // Every view of the selection area replaces the module menu.
    void leaveModuleMenu();
    // The catalogue opened on a degree chosen in another view.
    void openCatalogueOn(int degree);
    // The back button of the selection area: one step back from the view on screen.
    void goBack();
    // The selection area's print buttons: `BotImprimirN` prints the degree or
    // the artistic kind chosen, `BotImprimir` the list of the view on screen.
    void printChosen();
    void printShownList();

    // The tick of the presentation's animations, 10 ms by design; a test
    // shortens it so that clicking through the steps need not wait.
    void setPresentationTick(int milliseconds);

protected:
    // The pages and their controls, made when the window is first shown or
    // first opened; the tables are loaded at start-up.
    void createContents() override;
    void keyPressEvent(QKeyEvent *event) override;
    // The star map goes with the window.
    void hideEvent(QHideEvent *event) override;

private:
    void createHeading();
    void createPages();
    void connectStarMap();
    void createRunner();
    void setCaptions();
    void runBackStep(BackStep step);
    void backToMenu();
    void CmdExecComponent1Complete();
    // Created when the pupil first opens it.
    UniversityVocationalPage &vocationalPage();

    QLabel *Labelano = nullptr;
    QLabel *Labelano2 = nullptr;
    HelpPanelWidget *payuda = nullptr;
    QPushButton *menui5 = nullptr; // the higher-grade titles, from the module menu
    TCmdExecComponent *CmdExecComponent1 = nullptr; // web pages

    UniversityMenuPage *m_menu = nullptr;
    SelectionArea *m_selection = nullptr;
    UniversityCataloguePage *m_catalogue = nullptr;
    UniversityPlacesPage *m_places = nullptr;
    UniversityMastersPage *m_masters = nullptr;
    UniversityArtisticPage *m_artistic = nullptr;
    UniversityInformationPage *m_information = nullptr;
    UniversityQuestionnairePage *m_questionnaire = nullptr;
    UniversityVocationalPage *m_vocational = nullptr;

    SelectionViews m_views;
};

extern TForm1 *Form1;

} // namespace velmira
