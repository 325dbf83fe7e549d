#pragma once
// The middle-grade vocational training explorer: titles by family, centres
// by place, and the route from the ESO window's middle-grade questionnaire.
// The window owns the controls every route shares and its four pages: the
// routes by title and by place, the printing of listings, and the
// questionnaire route.

#include "widgets/window_base.h"
#include "explorers/middle_grade_frame.h"

class QLabel;
class QPushButton;

namespace velmira {

class ListingPrintPage;
class PlaceRoutePage;
class QuestionnaireRoutePage;
class TitleRoutePage;

class TForm3 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    // Door 5 of the main menu: the explorer's menu, nothing chosen; the main
    // menu then shows the window.
    void startFromMainMenu();
    // The ESO window's middle-grade questionnaire: the interest areas first;
    // leaving goes back to the ESO window.
    void startQuestionnaire(QWidget *esoWindow);
    // The explorer's menu, opened by another window, which leaving brings back.
    void startExplorer(QWidget *opener);

protected:
    void createContents() override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createHeadings();
    void createMenu();
    void createPages();
    void loadGuidePicture();
    void setCaptions();

    void botTit2Click();
    void botLug2Click();
    void botSalirClick();
    void mapaClick(int region);
    void BotRetrocederFPClick();
    void startQuestionnaireRoute();

    void showMenu();
    void hideRoutes();
    void leaveQuestionnaire();
    void startAtMenu();

    MiddleGradeState m_state;
    MiddleGradeFrame m_frame;
    QLabel *LabelFPGM = nullptr;
    QPushButton *botTit2 = nullptr;
    QPushButton *botLug2 = nullptr;
    QPushButton *botSalir = nullptr;
    TitleRoutePage *m_titles = nullptr;
    PlaceRoutePage *m_places = nullptr;
    ListingPrintPage *m_printing = nullptr;
    QuestionnaireRoutePage *m_questionnaire = nullptr;
};

extern TForm3 *Form3;

} // namespace velmira
