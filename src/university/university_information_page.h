#pragma once
// The information menu of the university window, `Panelmenu2` beside its
// entry `Botinfo`: the step-by-step presentation of the structure of
// university studies on `PanelGradosT`, and two pages of the product's site.

#include "university/degree_presentation.h"

#include <QObject>

#include <array>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace velmira {

class TForm1;
class UniversityMenuPage;

class UniversityInformationPage : public QObject
{
    Q_OBJECT
public:
    UniversityInformationPage(TForm1 *window, UniversityMenuPage &menu);
    void setCaptions();
    // The presentation closed.
    void close();
    // The tick of the presentation's animations, 10 ms by design; a test
    // shortens it so that clicking through the steps need not wait.
    void setPresentationTick(int milliseconds);

private:
    void createPresentation();
    void botinfo1Click();
    void botinfo2Click();
    void botinfo3Click();
    void BotAvanzaClick();
    void BotAcabarGClick();
    void TimergradoTimer();
    void TimerfraseTimer();
    int sentenceRoom() const;

    TForm1 *m_window;
    QPushButton *Botinfo = nullptr;
    QWidget *Panelmenu2 = nullptr;
    QPushButton *botinfo1 = nullptr;
    QPushButton *botinfo2 = nullptr;
    QPushButton *botinfo3 = nullptr;
    QWidget *PanelGradosT = nullptr;
    QWidget *PanelGrado = nullptr;
    std::array<QWidget *, kCoverPanels> PanelMueve{}; // `PanelMueve1` .. `Panelmueve7`
    QLabel *LabelGTexto = nullptr;
    QPushButton *BotAvanza = nullptr;
    QPushButton *BotAcabarG = nullptr;
    QTimer *Timergrado = nullptr;
    QTimer *Timerfrase = nullptr;

    int m_presentationStep = 0;
};

} // namespace velmira
