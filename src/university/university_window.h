#pragma once
// The Bachillerato and university window: the degree catalogue in five
// arrangements, universities and double degrees by place on the map, other
// studies, and the information menu with its presentation and web pages.
// The lists come from the university/ logic units; this window wires them
// to its controls.

#include "university/degree_tree.h"
#include "university/selection_back.h"
#include "widgets/help_panel_widget.h"
#include "widgets/window_base.h"

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmira {

class TCmdExecComponent;

class TForm1 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    // The main menu's first door: the module menu, every other view closed.
    void BotInformacionClick();

    // Module menu.
    QWidget *PanelMenu = nullptr;
    QPushButton *menunuevo1 = nullptr;
    QPushButton *MenuCarUni3 = nullptr;
    QPushButton *MenucarUniDoble = nullptr;
    QPushButton *MenuCarUniDoble2 = nullptr;
    QPushButton *menui6 = nullptr;
    QPushButton *Botinfo = nullptr;
    QPushButton *BotSalirUni = nullptr;
    QWidget *Panelmenu2 = nullptr;
    QPushButton *botinfo1 = nullptr;
    QPushButton *botinfo2 = nullptr;
    QPushButton *botinfo3 = nullptr;
    QLabel *Labelano = nullptr;
    QLabel *Labelano2 = nullptr;

    // Catalogue.
    QWidget *PanelCarSel = nullptr;
    QComboBox *ComboAgru = nullptr;
    QTreeWidget *Tree = nullptr;

    // Selection area.
    QWidget *PanelSel = nullptr;
    QLabel *PanelSelTit = nullptr;
    QListWidget *ListSel = nullptr;
    QPushButton *BotUni = nullptr;
    QPushButton *botReq = nullptr;
    QPushButton *BotSal = nullptr;
    QPushButton *BotCorte = nullptr;
    QPushButton *BotPonde = nullptr;
    QPushButton *BotImprimirN = nullptr;
    QPushButton *BotImprimir = nullptr;
    QPushButton *BotIntUni = nullptr;
    QPushButton *BotRetroceder = nullptr;

    // Places.
    QWidget *PanelEstrellas = nullptr;
    QLabel *mapa = nullptr;
    QLabel *PanelMapa = nullptr;
    QPushButton *BotInternetC = nullptr;
    QListWidget *ListComunidad = nullptr;

    // Presentation of the structure of university studies.
    QWidget *PanelGradosT = nullptr;
    QWidget *PanelGrado = nullptr;
    std::array<QWidget *, 7> PanelMueve{}; // `PanelMueve1` .. `Panelmueve7`
    QLabel *LabelGTexto = nullptr;
    QPushButton *BotAvanza = nullptr;
    QPushButton *BotAcabarG = nullptr;
    QTimer *Timergrado = nullptr;
    QTimer *Timerfrase = nullptr;

    HelpPanelWidget *payuda = nullptr;

    TCmdExecComponent *CmdExecComponent1 = nullptr; // web pages
    TCmdExecComponent *CmdExecComponent2 = nullptr; // PDF documents

    // Handlers.
    void menunuevo1Click();
    void ComboAgruChange(int index);
    void TreeClick(QTreeWidgetItem *item);
    void TreeDblClick();
    void BotUniClick();
    void MenuCarUni3Click();
    void mapaMouseMove(const QPoint &at);
    void mapaClick();
    void ListComunidadClick(int row);
    void ListSelDblClick(int row);
    void BotIntUniClick();
    void BotInternetCMouseUp();
    void MenucarUniDobleClick();
    void MenuCarUniDoble2Click();
    void menui6Click();
    void BotRetrocederClick();
    void botinfo1Click();
    void botinfo2Click();
    void botinfo3Click();
    void BotAvanzaClick();
    void BotAcabarGClick();
    void TimergradoTimer();
    void TimerfraseTimer();
    void CmdExecComponent1Complete();
    // Shows help step n (the lines left from before for a step without any).
    void showHelp(int step);

    // State shared with the lists.
    int currentDegree() const { return m_currentDegree; }
    int currentRegion() const { return m_currentRegion; }
    const SelectionViews &views() const { return m_views; }
    int presentationStepNumber() const { return m_presentationStep; }
    // The tick of the presentation's animations, 10 ms by design; a test
    // shortens it so that clicking through the steps need not wait.
    void setPresentationTick(int milliseconds);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createCatalogue();
    void createSelectionArea();
    void createPlaces();
    void createPresentation();
    void createRunners();
    void applyFonts();
    void setCaptions();

    void showModuleMenu();
    void leaveModuleMenu();
    void showDetailButtons(bool shown);
    void fillSelectionList(const std::vector<QByteArray> &lines, bool courier);
    void fillCentreList(const std::vector<QByteArray> &lines);
    void setSelectionTitle(const QByteArray &title);
    void openCatalogueOn(int degree);
    void showCentresOfRegion(int region);
    void showDoubleGroupsOfRegion(int region);
    void openWebPage(const QByteArray &url);
    void runBackStep(BackStep step);

    std::vector<DegreeTreeNode> m_nodes; // node map: item i is node i
    std::vector<QTreeWidgetItem *> m_items;
    bool m_groupedView = false;
    int m_currentDegree = 0;
    int m_pendingDegree = 0;
    bool m_pendingDegreeSet = false;

    SelectionViews m_views;
    int m_hoveredRegion = 0;
    int m_currentRegion = 0;
    int m_currentCentre = 0;
    int m_currentOtherStudy = 0;
    std::vector<int> m_centreLineNumbers;    // per `ListComunidad` line
    std::vector<int> m_selectionLineNumbers; // per `ListSel` line
    QPoint m_selectionTop;                   // design positions, for the back button
    QPoint m_selectionListTop;

    int m_presentationStep = 0;
};

extern TForm1 *Form1;

} // namespace velmira
