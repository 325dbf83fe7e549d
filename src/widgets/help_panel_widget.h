#pragma once
// The help panel `payuda` as the windows show it: the guide `chica` beside
// the labels `LabelAyu1` .. `LabelAyu8`, revealed by `TimerAyuda`.

#include "data/help_panel.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QTimer;

namespace velmira {

class HelpPanelWidget : public QWidget
{
    Q_OBJECT
public:
    // The labels use the settings font at the given size.
    HelpPanelWidget(QWidget *parent, const QRect &geometry, int fontPoints);
    // Reads the guide's pictures; raises FileError when they are missing.
    void loadGuide();

    // Shows the lines of a message (null: the previous lines again).
    void showLines(const HelpLines *lines);

    QLabel *chica = nullptr;
    std::array<QLabel *, kHelpLines> LabelAyu{};
    QTimer *TimerAyuda = nullptr;

private:
    void TimerAyudaTimer();

    HelpPanel m_help;
    std::vector<QPixmap> m_guideFrames;
};

} // namespace velmira
