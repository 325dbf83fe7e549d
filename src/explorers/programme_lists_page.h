#pragma once
// The initial programmes window's first steps: the nine groups with their
// icons and the help lines beside the guide, which appear one by one while
// the heading slides into place; the programmes of a group in three passes,
// each previewing its modules under the pointer; the search by place. A
// heading row is not a programme: choosing it does nothing.

#include <QObject>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;

namespace velmira {

class ProgrammeListsPage : public QObject
{
    Q_OBJECT
public:
    explicit ProgrammeListsPage(QWidget *window);

    void setCaptions();
    // The groups, nothing chosen, the help lines appearing afresh.
    void start();
    // The groups again, with the programme list that was shown.
    void showAgain();
    void putAway();
    // One level back (from the programmes to the groups); false when the
    // groups alone were shown.
    bool stepBack();

signals:
    void programmeChosen(int line);
    void byPlaceChosen();

private:
    void createGroups(QWidget *window);
    void createHelp(QWidget *window);
    void createProgrammes(QWidget *window);

    void ListSelFpMouseMove(int row);
    void ListSelFpMouseUp(int row);
    void ListTitFPMouseMove(int row);
    void ListTitFPMouseUp(int row);
    void BotLugClick();
    void TimerAyudaTimer();
    void TimerAyuTimer();

    void showGroups();

    QWidget *PanelSelTit0 = nullptr;
    QLabel *LabelAyu0 = nullptr;
    QListWidget *ListSelFp = nullptr;
    QWidget *PanelAyuda = nullptr;
    std::vector<QLabel *> LabelAyu; // LabelAyu1 .. LabelAyu7
    QListWidget *ListTitFP = nullptr;
    QListWidget *ListFPExpli = nullptr;
    QPushButton *BotLug = nullptr;
    QTimer *TimerAyuda = nullptr;
    QTimer *TimerAyu = nullptr;

    int m_helpTicks = 0;
    int m_group = 0;
    std::vector<int> m_lines; // the programme line of each row of ListTitFP
    int m_hoveredRow = -1;
};

} // namespace velmira
