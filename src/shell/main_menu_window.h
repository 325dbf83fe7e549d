#pragma once
// The main menu window: the application's main window and the hub every
// module window hangs off. A scene of theme pictures with ten doors, a
// figure that walks in and speaks, and the configuration panel.

#include "data/themes.h"
#include "widgets/window_base.h"

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>

#include <array>
#include <vector>

class QLabel;
class QMovie;
class QPushButton;
class QTimer;

namespace velmira {

class ConfigurationPanel;
class SceneCanvas;

class Tform0 : public WindowBase
{
    Q_OBJECT
public:
    explicit Tform0(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool loadSettings();
    void loadFigurePictures();
    void loadInterfaceTexts();
    void createScene();
    void createDoors();
    void createBubble();
    void createCentreLabels();
    void createTimers();
    void setCaptions();
    void startWalking();

    // Sets the theme's pictures and colours and redraws the scene; false
    // when a picture could not be loaded (after the error box).
    bool ApplyTheme(char letter);
    void applyThemeColours();
    // Starts the door sequence of a door (1-9).
    void OpenDoor(int door);

    void pilotoTimer();
    void TimerTextoTimer();
    void TimerPuertaTimer();
    void TimerZoomTimer();
    void resetHover();
    void activate(QLabel *label);
    void carryOutDoor(int door);
    void openCertificates();
    void applyFontToControls(const QString &family);
    void closeWelcomeWindow();

    SceneCanvas *mosaico = nullptr;
    std::array<QLabel *, 10> m_doors{}; // by door number; 0 unused
    QLabel *LabelConfi = nullptr;
    QLabel *ImageDejar = nullptr;
    QLabel *LabelDejar = nullptr;
    QPushButton *BotRetroce = nullptr;
    QLabel *Bocadillo1 = nullptr;
    QLabel *LabelBocadillo1 = nullptr;
    QLabel *LabelBocadillo2 = nullptr;
    QLabel *LabelCentro = nullptr;
    QLabel *LabelAno = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Animate1 = nullptr;
    QMovie *m_fountain = nullptr;
    QTimer *piloto = nullptr;
    QTimer *TimerPuerta = nullptr;
    QTimer *TimerZoom = nullptr;
    QTimer *TimerTexto = nullptr;
    ConfigurationPanel *m_configuration = nullptr;

    ThemeState m_theme;
    std::vector<QPixmap> m_figureFrames;
    std::vector<QPixmap> m_doorFrames;
    QPixmap m_bubble;
    QColor m_shortcutBackground;

    // Animation state.
    int m_chosenDoor = 0;
    int m_counter = 0;
    int m_frame = 0;
    bool m_figureDrawn = false;
    QPoint m_figureAt;
    QPixmap m_underFigure;
    QPoint m_doorAt;
    int m_lastDoorY = 0;
    QPixmap m_underDoor;
    bool m_welcomeClosed = false;
    bool m_leaving = false;
};

extern Tform0 *form0;

} // namespace velmira
