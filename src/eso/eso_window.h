#pragma once
// The ESO window: its two menus, the help panel, the itineraries diagram with
// its subject boxes, and the ESO questionnaire with its results. The logic
// lives in the eso/ units; this window only wires it to its controls.

#include "eso/eso_help_messages.h"
#include "eso/eso_questions.h"
#include "eso/eso_results.h"
#include "eso/eso_student_name.h"
#include "eso/itinerary_diagram.h"
#include "eso/subject_lists.h"
#include "widgets/help_panel_widget.h"
#include "widgets/window_base.h"

#include <QPixmap>

#include <array>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace velmira {

class TForm2 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // What the main menu's doors open: the window's own menu, or its
    // questionnaire menu beside it.
    void openItinerariesPage();
    void openQuestionnairePage();

    // Menus.
    QWidget *PanelItiner = nullptr;
    QWidget *PanelMenu = nullptr;
    QPushButton *botCuestio = nullptr;
    QPushButton *BotItinerarios = nullptr;
    QPushButton *BitAcabarLogse = nullptr;
    QWidget *PanelMenu2 = nullptr;
    QPushButton *BotCuestio1 = nullptr;
    QPushButton *BotCuestio2 = nullptr;
    QPushButton *BotCuestio3 = nullptr;
    QLabel *TilArr = nullptr; // decoration: the theme's top frame
    QLabel *tilDer = nullptr; // decoration: the theme's right frame
    QLabel *Labelano = nullptr;
    QLabel *Labelano2 = nullptr;

    // Help panel.
    HelpPanelWidget *payuda = nullptr;

    // Itineraries diagram.
    std::vector<QPushButton *> subjectBoxButtons; // `b1` .. `BitBtn51`, by box index
    QListWidget *List_Sel = nullptr;
    QPushButton *botContextual = nullptr;
    QPushButton *BotCerrarV = nullptr;
    QTimer *TimerParpadeo = nullptr;

    // Questionnaire and results.
    QWidget *PanelCuestio = nullptr;
    QTableWidget *Gcuestio = nullptr;
    QPushButton *BotResCues = nullptr;
    QPushButton *AcabarCues = nullptr;
    QPushButton *BotContinuar = nullptr;
    QListWidget *ListresCues = nullptr;
    QWidget *PanelAbajoRes = nullptr;
    QPushButton *ImpResul = nullptr;
    QPushButton *grabar = nullptr;
    QLabel *LabelAviso = nullptr;
    QWidget *PanelCar = nullptr;
    QListWidget *ListCar = nullptr;
    QPushButton *BotImpTit = nullptr;
    QPushButton *BotCerrar = nullptr;

    // Handlers.
    void BitAcabarLogseClick();
    void BotItinerariosClick();
    void b48Click(int box);
    void botContextualMouseUp();
    void BotCerrarVMouseUp();
    void BotCuestio1Click();
    void BotCuestio2Click();
    void BotCuestio3Click();
    void GcuestioMouseDown(int row);
    void BotResCuesClick();
    void BotContinuarClick();
    void acabarCuesClick();
    void ListresCuesClick(int row);
    void ListresCuesMouseMove(int y);
    void BotCerrarMouseUp();
    void BotImpTitMouseUp();
    void ImpResulClick();
    void grabarClick();

    const EsoQuestionnaire &questionnaire() const { return m_questionnaire; }
    const EsoResultList &resultList() const { return m_results; }
    const ItineraryDrawing &drawing() const { return m_drawing; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Creation steps.
    void createMenus();
    void createHelpPanel();
    void createDiagramControls();
    void createQuestionnairePage();
    void createResultsPage();
    void createDetailsPanel();
    void createTimers();
    void setCaptions();
    void setFonts();
    void loadDecorations();
    void highlightMenuButton(QObject *button);
    void styleSubjectBoxes();

    // Help panel.
    void showHelp(int message);
    void TimerParpadeoTimer();

    // Itineraries.
    void applyAdvance(const ItineraryDrawing::Advance &advance);
    void advanceDiagram();
    void placeSubjectBoxes();
    void resetItineraryView();
    void hideSubjectList();
    void showSubjectList(int box, const std::vector<QByteArray> &lines, int height, bool informationList);
    void printSheet(int sheet);

    // Questionnaire.
    void beginQuestionnaire();
    void startQuestionnaire();
    void writeGridHeader();
    void showGridRow(int question, const QByteArray &label, const QByteArray &stars);
    void showResults();
    void hideResults();
    bool askStudentName(StudentNameUse use);
    void writeResultFile(const QString &fileName);
    void handOffToMiddleGrade();
    // Opens an explorer window, which comes back here when it is left.
    void openExplorer(WindowBase *explorer);

    EsoQuestionnaire m_questionnaire;
    EsoResultList m_results;
    std::vector<QByteArray> m_details;
    ItineraryDrawing m_drawing;
    SubjectBoxClicks m_boxClicks;
    bool m_questionnaireActive = false;
    int m_blinkTicks = 0;
    QPoint m_helpPosition;
};

extern TForm2 *Form2;

} // namespace velmira
