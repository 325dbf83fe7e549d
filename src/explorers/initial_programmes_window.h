#pragma once
// The initial vocational programmes window: a group, then a programme
// (ProgrammeListsPage); the chosen programme with its requirements, what is
// studied, its modules and job positions, and the map, where a click on a
// region lists the centres of that region that teach it; or the centres by
// place (PlaceRoutePage, shared with the middle-grade explorer). Prints the
// programme with the region chosen on the map, or the centres of a province.
// Its controls are created when it is first shown.

#include "explorers/middle_grade_frame.h"
#include "widgets/window_base.h"

#include <vector>

class QPushButton;
class QLabel;

namespace velmira {

class PlaceRoutePage;
class ProgrammeListsPage;

class TFIniPro : public WindowBase
{
    Q_OBJECT
public:
    explicit TFIniPro(QWidget *parent = nullptr);

protected:
    void createContents() override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createHeading();
    void createDetailButtons();
    void createPages();
    void setCaptions();

    void FormShow();
    void chooseProgramme(int line);
    void BotLugClick();
    void mapaClick(int region);
    void BotRequisitosClick();
    void botAsigClick();
    void BotTraClick();
    void BotImprimirClick();
    void BotRetrocederFPClick();

    void showDetails(const QString &heading, const std::vector<QByteArray> &lines);
    void closeProgramme();
    void hideFrame();

    MiddleGradeState m_state;
    MiddleGradeFrame m_frame;
    QLabel *LabelFPIp1 = nullptr;
    QLabel *LabelFPIp2 = nullptr; // its shadow
    QLabel *Labelano = nullptr;
    QPushButton *BotRequisitos = nullptr;
    QPushButton *BotAsig = nullptr;
    QPushButton *BotTra = nullptr;
    ProgrammeListsPage *m_lists = nullptr;
    PlaceRoutePage *m_places = nullptr;

    int m_programme = 0;               // the chosen programme line; 0 before one is chosen
    int m_region = 0;                  // the region last clicked on the map; 0 before any
    std::vector<ListingRow> m_centres; // of that region, as the grid lists them
};

extern TFIniPro *FIniPro;

} // namespace velmira
