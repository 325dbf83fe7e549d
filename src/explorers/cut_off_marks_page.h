#pragma once
// The cut-off marks panel `PanelCorte`: a threshold button lists the
// degrees with marks at or above it (`L`); a degree clicked lists its
// centres and marks (`listcalc`).

#include "entrance_lists.h"

#include <QObject>

#include <array>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class TForm6;

class CutOffMarksPage : public QObject
{
    Q_OBJECT
public:
    explicit CutOffMarksPage(TForm6 *window);
    // Shown over the entrance examination, as it was left.
    void open();
    void close();

private:
    void createThresholdButtons();
    void createLists();
    void setCaptions();
    // Buttoncorte6Click, Buttoncorte7Click, ButtonCorte8Click.
    void ButtoncorteClick(int button);
    void LClick(int row);
    void BotCerrar3Click();

    TForm6 *m_window;
    std::vector<CutOffDegree> m_degrees; // per row of `L`

    QWidget *PanelCorte = nullptr;
    QLabel *LabelCorte1 = nullptr;
    QLabel *LabelSelano = nullptr;
    std::array<QPushButton *, kCutOffThresholds.size()> m_thresholdButtons{};
    QLabel *LabelCorte2 = nullptr;
    QLabel *LabelMasde = nullptr;
    QLabel *LabelTotal = nullptr;
    QListWidget *L = nullptr;
    QListWidget *listcalc = nullptr;
    QPushButton *BotCerrar3 = nullptr;
};

} // namespace velmira
