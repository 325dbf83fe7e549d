#pragma once
// The main menu window: the application's main window and the hub every
// module window hangs off.

#include "data/window_base.h"

class QLabel;

namespace velmira {

class Tform0 : public WindowBase
{
    Q_OBJECT
public:
    explicit Tform0(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool loadSettings();
    void loadInterfaceTexts();
    void createCentreLabels();
    void closeWelcomeWindow();

    QLabel *LabelCentro = nullptr;
    QLabel *LabelAno = nullptr;
    bool m_welcomeClosed = false;
};

extern Tform0 *form0;

} // namespace velmira
