#pragma once
// The second step of the professions window: the pages of short statements,
// at most two chosen on each, and the last page where one is picked.

#include <QObject>

#include <vector>

class QLabel;
class QListWidget;
class QTimer;
class QWidget;

namespace velmira {

class ShortStatementsPage : public QObject
{
    Q_OBJECT
public:
    explicit ShortStatementsPage(QWidget *window);

    // A page of statements (numbers of "fracortas") with its rows chosen.
    void showPage(const std::vector<int> &statements, const std::vector<int> &chosenRows);
    // The last page: every statement chosen on the pages, one to pick.
    void showLastPage(const std::vector<int> &statements);
    void close();

    std::vector<int> selectedRows() const;

private:
    void ListSelClick();
    void TimerAyu0Timer();

    void fill(const std::vector<int> &statements);
    void slideInstruction(int text);

    QWidget *PanelSelTit0 = nullptr;
    QLabel *LabelTit0 = nullptr;
    QListWidget *ListSel = nullptr;
    QTimer *TimerAyu0 = nullptr;
    bool m_lastPage = false;
};

} // namespace velmira
