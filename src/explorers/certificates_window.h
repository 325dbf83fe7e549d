#pragma once
// The professional certificates window: groups, families and certificates
// (CertificateListsPage), the help lines that appear one by one when the
// window shows while the headings slide into place, the employment
// service's training page in the browser, and the way back.

#include "widgets/window_base.h"

#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace velmira {

class CertificateListsPage;
class TCmdExecComponent;

class TCertifica : public WindowBase
{
    Q_OBJECT
public:
    explicit TCertifica(QWidget *parent = nullptr);

protected:
    void createContents() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createHeading();
    void createButtons();
    void createHelp();
    void createPage();
    void setCaptions();

    void FormShow();
    void BotRetrocederFPClick();
    void BotInternetMouseUp();
    void TimerAyudaTimer();
    void TimerAyuTimer();

    QLabel *LabelCertificados = nullptr;
    QPushButton *BotRetrocederFP = nullptr;
    QPushButton *BotImprimir = nullptr;
    QPushButton *BotInternet = nullptr;
    std::vector<QLabel *> LabelAyu; // LabelAyu1 .. LabelAyu7
    QTimer *TimerAyuda = nullptr;
    QTimer *TimerAyu = nullptr;
    int m_helpTicks = 0;
    CertificateListsPage *m_lists = nullptr;
    TCmdExecComponent *m_browser = nullptr;
};

extern TCertifica *Certifica;

} // namespace velmira
