#pragma once
// The third step of the professions window: the two best activities, the
// professions of the picked statement, what the pointer shows over them,
// and the printing of it all.

#include "professions_results.h"

#include <QByteArray>
#include <QObject>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;

namespace velmira {

class ProfessionsResultsPage : public QObject
{
    Q_OBJECT
public:
    explicit ProfessionsResultsPage(QWidget *window);

    void open(const ProfessionsResults &results);
    void close();
    bool isShown() const;
    // A new questionnaire: the name is asked again at the next printing.
    void forgetStudentName();

signals:
    // The pupil clicked a study: the window asks whether to leave.
    void studyClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPanel(QWidget *window);
    void createDetailLists(QWidget *window);
    void setCaptions();

    void ListResulProfMouseMove(int row);
    void ListResulActMouseMove(int row);
    void ListResulProfMouseUp(int row);
    void ListResulActMouseUp(int row);
    void listTitMouseDown();
    void BotImpClick();
    void TimerAyuTimer();

    void showProfessionDetails(int row);
    void showActivityDetails(int row);
    bool askStudentName();

    QWidget *PanelResul = nullptr;
    QLabel *LabelTit1 = nullptr;
    QLabel *LabelActi = nullptr;
    QLabel *Labeltit2 = nullptr;
    QLabel *LabelTit3 = nullptr;
    QLabel *LabelTitExpli = nullptr;
    QListWidget *ListResulProf = nullptr;
    QListWidget *ListResulAct = nullptr;
    QListWidget *listTit = nullptr;
    QListWidget *ListResProf = nullptr;
    QPushButton *BotImp = nullptr;
    QTimer *TimerAyu = nullptr;

    ProfessionsResults m_results;
    bool m_hoverLocked = false;
    int m_slideTicks = 0;
    QByteArray m_studentName;
};

} // namespace velmira
