#pragma once
// The catalogue of professional families: a family chosen from the list
// shows everything offered in it side by side, in five lists (university
// degrees, higher-grade and middle-grade titles, initial programmes,
// professional certificates); an entry clicked shows its details in a
// pop-up list, and the family's whole catalogue prints. The lists and the
// report come from explorers/family_catalogue.h.

#include "widgets/window_base.h"
#include "explorers/family_catalogue.h"

#include <array>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace velmira {

class TFormCat : public WindowBase
{
    Q_OBJECT
public:
    explicit TFormCat(QWidget *parent = nullptr);

protected:
    void createContents() override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createGuide();
    void createFamilyList();
    void createCatalogueLists();
    void createDetails();
    void createButtons();
    void setCaptions();
    void fillFamilyList();

    void TimerAyuTimer();
    void ListFamClick(int row);
    void ListCatClick(CatalogueList list, int row);
    void botcerrarClick();
    void BotImprimirMouseUp();
    void BotRetrocederMouseUp();

    // Sizes the details to their rows and places them by the list they
    // belong to.
    void placeDetails(const QListWidget *list);

    std::vector<int> m_familyLines;     // the `familias` line of each family row
    int m_family = 0;                   // the chosen family's line, 0 before a choice
    QListWidget *m_detailsOf = nullptr; // the list whose entry the details show
    FamilyCatalogue m_catalogue;

    QLabel *LabelAyu0 = nullptr;
    QTimer *TimerAyu = nullptr;
    QLabel *LabelFami = nullptr;
    QListWidget *ListFam = nullptr;
    std::array<QLabel *, kCatalogueLists> m_captions{};   // Label1 .. Label5
    std::array<QListWidget *, kCatalogueLists> m_lists{}; // ListCat1 .. ListCat5
    QListWidget *Listsel = nullptr;
    QPushButton *botcerrar = nullptr;
    QPushButton *BotImprimir = nullptr;
    QPushButton *BotRetroceder = nullptr;
};

extern TFormCat *FormCat;

} // namespace velmira
