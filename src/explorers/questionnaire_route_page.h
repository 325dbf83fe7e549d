#pragma once
// The middle-grade explorer after the ESO window's middle-grade
// questionnaire: the pupil picks interest areas, then the sentences of those
// areas that suit them, then one of the titles the sentences point to. The
// list of titles shrinks beside the map, where the title is explored as in
// the route by title; another title is one click away in the small list.
// The path taken prints with the pupil's name.

#include "explorers/middle_grade_frame.h"

#include <QObject>

#include <vector>

class QListWidget;
class QPushButton;
class QTimer;
class QWidget;

namespace velmira {

class TitleRoutePage;

class QuestionnaireRoutePage : public QObject
{
    Q_OBJECT
public:
    QuestionnaireRoutePage(QWidget *window, MiddleGradeState &state, const MiddleGradeFrame &frame,
                           TitleRoutePage &titles);

    void setCaptions();
    // The interest areas, with the guide sliding in.
    void start();
    // One step back; false at the areas, where there is nothing before.
    bool stepBack();
    void hideAll();

signals:
    // The pupil would rather search by place.
    void byPlaceChosen();
    void leaveRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Stage { Areas, Items, Titles, TitleChosen };

    void createLists(QWidget *window);
    void createButtons(QWidget *window);

    void ListGMClick(int row);
    void ListPequeClick(int row);
    void BitFleGMdeClick();
    void BitFleGMizClick();
    void TimerAyuTimer();
    void TimerReduceTimer();
    void BotImprimirCuesGMClick();
    void BotSalirCuesClick();

    void showAreas();
    void showItems();
    void showTitleRows();
    void fillTitleRows(QListWidget *list);
    void addCentres(int title, const std::vector<ListingRow> &rows);

    QWidget *m_window;
    MiddleGradeState &m_state;
    const MiddleGradeFrame &m_frame;
    TitleRoutePage &m_titles;
    QListWidget *ListGM = nullptr;  // areas, then titles
    QListWidget *ListGM2 = nullptr; // items
    QListWidget *ListPeque = nullptr;
    QPushButton *BitFleGMde = nullptr;
    QPushButton *BitFleGMiz = nullptr;
    QPushButton *BotImprimirCuesGM = nullptr;
    QPushButton *BotSalirCues = nullptr;
    QTimer *TimerAyu = nullptr;
    QTimer *TimerReduce = nullptr;

    Stage m_stage = Stage::Areas;
    std::vector<int> m_areaRows; // the areas picked, by row
    std::vector<int> m_items;    // the items listed
    std::vector<int> m_itemRows; // the items picked, by row
    std::vector<ListingRow> m_titleRows;
    int m_reduceStep = 0;
    int m_pendingTitle = 0;
    std::vector<QByteArray> m_printLines;
};

} // namespace velmira
