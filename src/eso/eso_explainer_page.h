#pragma once
// The education-system explainer of the ESO window: a diagram of the paths
// from 2nd year of ESO up to degrees and masters, whose upper stages white
// covers hide until the pupil clicks the arrows, and whose information
// pictures list what each stage is about. The reveal order and the lists
// live in eso/explainer_reveal.h and eso/explainer_information.h.

#include "eso/explainer_reveal.h"

#include <QObject>
#include <QPixmap>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace velmira {

class TextBlinker;
class TForm2;

class EsoExplainerPage : public QObject
{
    Q_OBJECT
public:
    explicit EsoExplainerPage(TForm2 *window); // creates PanelExplica and what it holds

    // The arrow and information pictures of the installation.
    void loadPictures();
    void setCaptions();

    // Shows the diagram over the area, every stage above the first covered
    // again, and blinks the note that tells the pupil to click the arrows.
    void open(const QRect &area);
    void close();
    bool isOpen() const;
    // Escape: closes the information list when it is open.
    bool closeInformation();

private:
    void createDiagram();
    void createCovers();
    void createInformationPanel();

    void revealClick(const RevealArrow &arrow);
    void TimergradoTimer();
    void informationClick(int picture);
    void BotCerrarExClick();

    void placeCovers();
    void updateReachablePictures();

    TForm2 *m_window;
    ExplainerCovers m_covers;
    QPixmap m_arrowUp;
    QPixmap m_arrowRight;
    QPixmap m_informationMark;

    QWidget *PanelExplica = nullptr;
    QLabel *LabelNota = nullptr;
    std::vector<QLabel *> m_captions;             // LabelG3, LabelEx1 .. , Label1 ..
    std::vector<QWidget *> m_coverPanels;         // by Cover
    std::vector<QWidget *> m_arrowPictures;       // by revealArrows()
    std::vector<QWidget *> m_informationPictures; // by informationPictures()
    QWidget *PanelEx = nullptr;
    QListWidget *ListBoxEx = nullptr;
    QPushButton *BotCerrarEx = nullptr;
    QTimer *Timergrado = nullptr;
    TextBlinker *m_noteBlinker = nullptr;
};

} // namespace velmira
