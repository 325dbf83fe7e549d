#pragma once
// The itineraries page of the ESO window: the diagram drawn part by part on
// the window's canvas, the subject boxes over it, their lists and the printed
// modality sheets.

#include "eso/itinerary_diagram.h"
#include "eso/subject_lists.h"

#include <QByteArray>
#include <QObject>

#include <vector>

class QListWidget;
class QPainter;
class QPushButton;
class QTimer;

namespace velmira {

class TForm2;

class EsoItinerariesPage : public QObject
{
    Q_OBJECT
public:
    explicit EsoItinerariesPage(TForm2 *window); // creates `b1` .. `BitBtn51`, `List_Sel`, ...

    // The itineraries button: starts the diagram, or draws its next part.
    void open();
    // Going back to the main menu: the diagram is forgotten.
    void close();
    // A questionnaire takes the window: the diagram is put away.
    void putAway();

    // The boxes stay invisible over the diagram (after the window's common look).
    void styleSubjectBoxes();
    void setCaptions();

    // The window's canvas: the parts drawn so far.
    void paint(QPainter &painter) const;
    // A click on the window, its menu or the help panel, or a key: the next
    // part while drawing; true when the drawing took it.
    bool advance();
    // A click on the window or Escape once drawing has ended.
    bool closeSubjectList(); // true when a list was open

    const ItineraryDrawing &drawing() const { return m_drawing; }

private:
    void b48Click(int box);
    void botContextualMouseUp();
    void BotCerrarVMouseUp();
    void TimerParpadeoTimer();

    void applyAdvance(const ItineraryDrawing::Advance &advance);
    void placeSubjectBoxes();
    void hideSubjectBoxes();
    void hideSubjectList();
    void showSubjectList(int box, const std::vector<QByteArray> &lines, int height, bool informationList);
    void printSheet(int sheet);

    TForm2 *m_window;
    ItineraryDrawing m_drawing;
    SubjectBoxClicks m_boxClicks;
    int m_blinkTicks = 0;

    std::vector<QPushButton *> m_subjectBoxes; // `b1` .. `BitBtn51`, by box index
    QListWidget *List_Sel = nullptr;
    QPushButton *botContextual = nullptr;
    QPushButton *BotCerrarV = nullptr;
    QTimer *TimerParpadeo = nullptr;
};

} // namespace velmira
