#pragma once
// The degree catalogue of the university window: the tree `Tree` in the five
// arrangements of `ComboAgru`, and the centres of the chosen degree in the
// selection list with the degree's detail buttons under it.

#include "university/degree_tree.h"

#include <QObject>

#include <vector>

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace velmira {

class SelectionArea;
class TForm1;
class UniversityMenuPage;

class UniversityCataloguePage : public QObject
{
    Q_OBJECT
public:
    UniversityCataloguePage(TForm1 *window, UniversityMenuPage &menu, SelectionArea &selection);
    void setCaptions();

    // The catalogue opened on a degree chosen in another view: its centres
    // listed and, when the first arrangement shows it, its node chosen.
    void openOn(int degree);
    // The tree and the detail buttons hidden.
    void close();
    void showDetailButtons(bool shown);
    // The degree whose details are shown; 0 for none.
    int currentDegree() const { return m_currentDegree; }
    void forgetPendingDegree() { m_pendingDegreeSet = false; }
    // `BotImprimirN` in the catalogue: the current degree's report.
    void printDegree();

private:
    void menunuevo1Click();
    // A line as tall as its caption wrapped at the tree's width.
    void fitLineHeight(QTreeWidgetItem *item, int depth);
    void ComboAgruChange(int index);
    void TreeClick(QTreeWidgetItem *item);
    void TreeDblClick();
    void BotUniClick();
    void botReqClick();
    void BotSalClick();
    // The entrance panels, the star map put away: the entrance examination
    // (from which the cut-off marks are reached) or the weightings.
    void BotCorteMouseUp();
    void BotPondeMouseUp();
    // The pending degree when one is set, else the tree's; 0 for none.
    int chosenDegree() const;

    TForm1 *m_window;
    SelectionArea &m_selection;
    QPushButton *menunuevo1 = nullptr;
    QWidget *PanelCarSel = nullptr;
    QComboBox *ComboAgru = nullptr;
    QTreeWidget *Tree = nullptr;
    QPushButton *BotUni = nullptr;
    QPushButton *botReq = nullptr;
    QPushButton *BotSal = nullptr;
    QPushButton *BotCorte = nullptr;
    QPushButton *BotPonde = nullptr;

    std::vector<DegreeTreeNode> m_nodes; // node map: item i is node i
    std::vector<QTreeWidgetItem *> m_items;
    bool m_groupedView = false;
    int m_currentDegree = 0;
    int m_pendingDegree = 0;
    bool m_pendingDegreeSet = false;
};

} // namespace velmira
