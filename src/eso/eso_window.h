#pragma once
// The ESO window: its two menus and the help panel, and the pages it switches
// between: the itineraries diagram, the questionnaire and its results. The
// logic lives in the eso/ units; the pages wire it to their controls.

#include "eso/eso_questions.h"
#include "widgets/window_base.h"

class QLabel;
class QPushButton;

namespace velmira {

class EsoExplainerPage;
class EsoItinerariesPage;
class EsoQuestionnairePage;
class EsoResultsPage;
class HelpPanelWidget;
class ItineraryDrawing;
struct EsoResultList;

class TForm2 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // What the main menu's doors open: the window's own menu, or its
    // questionnaire menu beside it.
    void openItinerariesPage();
    void openQuestionnairePage();

    // What the pages read of each other and the tests check.
    const EsoQuestionnaire &questionnaire() const { return m_answers; }
    const EsoResultList &resultList() const;
    const ItineraryDrawing &drawing() const;

    // The help panel shows message n (one without lines of its own shows the
    // previous lines again).
    void showHelp(int message);

    // The questionnaire-active flag: set while a questionnaire is answered or
    // its results are shown.
    bool questionnaireActive() const { return m_questionnaireActive; }
    void setQuestionnaireActive(bool active) { m_questionnaireActive = active; }

    // The menus as the pages leave them. A questionnaire keeps only its own
    // entry, disabled; its end brings the whole menu back with the
    // questionnaire menu open; the results cover the menu.
    void narrowMenuToQuestionnaire();
    void restoreMenuAfterQuestionnaire();
    void hideMenu();
    // The diagram drops the frames and the questionnaire entry, docking the
    // menu panel beside it when it starts afresh; once drawn it offers the
    // itineraries button again.
    void narrowMenuToDiagram(bool dockMenuPanel);
    void offerDiagramAgain();
    void restoreMenuAfterDiagram();

    // Opens an explorer window, which comes back here when it is left.
    void openExplorer(WindowBase *explorer);
    // The middle-grade explorer takes the pupil on to its questionnaire.
    void handOffToMiddleGrade();

protected:
    void createContents() override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Creation steps.
    void createMenus();
    void createHelpPanel();
    void createPages();
    void setFonts();
    void loadDecorations();
    void setCaptions();
    void highlightMenuButton(QObject *button);

    // Menu handlers.
    void BitAcabarLogseClick();
    void BotItinerariosClick();
    void BotExplicaClick();
    void closeExplainer();
    void BotCuestio1Click();
    void BotCuestio2Click();
    void BotCuestio3Click();

    QWidget *PanelItiner = nullptr;
    QWidget *PanelMenu = nullptr;
    QPushButton *botCuestio = nullptr;
    QPushButton *BotItinerarios = nullptr;
    QPushButton *BotExplica = nullptr;
    QPushButton *BitAcabarLogse = nullptr;
    QWidget *PanelMenu2 = nullptr;
    QPushButton *BotCuestio1 = nullptr;
    QPushButton *BotCuestio2 = nullptr;
    QPushButton *BotCuestio3 = nullptr;
    QLabel *TilArr = nullptr; // decoration: the theme's top frame
    QLabel *tilDer = nullptr; // decoration: the theme's right frame
    QLabel *Labelano = nullptr;
    QLabel *Labelano2 = nullptr;
    HelpPanelWidget *payuda = nullptr;

    EsoItinerariesPage *m_itineraries = nullptr;
    EsoResultsPage *m_results = nullptr;
    EsoQuestionnairePage *m_questionnaire = nullptr;
    EsoExplainerPage *m_explainer = nullptr;

    EsoQuestionnaire m_answers;
    bool m_questionnaireActive = false;
    QPoint m_helpPosition;
};

extern TForm2 *Form2;

} // namespace velmira
