#pragma once
// The first step of the professions window: the list of long statements
// and the pop-up that shows them one by one, to be answered yes or no.

#include "long_statement_round.h"

#include <QObject>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;

namespace velmira {

class LongStatementsPage : public QObject
{
    Q_OBJECT
public:
    explicit LongStatementsPage(QWidget *window);

    // The list filled afresh, nothing chosen, and the introduction shown.
    void open();
    void close();
    // The statements chosen in the list, numbered from 1, top to bottom.
    std::vector<int> chosenStatements() const;
    // The closing message again: the choice was not one to three.
    void showClosingAgain();
    void hidePopup();
    void showList(bool shown);

signals:
    // Every statement is answered: the pupil may now go on.
    void allAnswered();

private:
    void createList(QWidget *window);
    void createPopup(QWidget *window);

    void botSiClick();
    void BotNoClick();
    void TimerFraseTimer();

    void answer(bool yes);
    void openPopup();

    QListWidget *ListCues = nullptr;
    QWidget *PanelFrase = nullptr;
    QLabel *LabelFrase0 = nullptr;
    QLabel *LabelFrase = nullptr;
    QPushButton *BotSi = nullptr;
    QPushButton *BotNo = nullptr;
    QTimer *TimerFrase = nullptr;

    LongStatementRound m_round;
};

} // namespace velmira
