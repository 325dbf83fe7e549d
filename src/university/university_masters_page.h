#pragma once
// The masters view of the university window, opened by `BotMaster` in the
// module menu: the text of "master.txt" in the selection area's text pane,
// and the link `LabelMaster2` to the guide of postgraduate studies.

#include <QObject>

class QLabel;
class QPushButton;

namespace velmira {

class SelectionArea;
class TForm1;
class UniversityMenuPage;

class UniversityMastersPage : public QObject
{
    Q_OBJECT
public:
    UniversityMastersPage(TForm1 *window, UniversityMenuPage &menu, SelectionArea &selection);
    void setCaptions();
    // The labels hidden; the window's back button and menu do the rest.
    void close();
    // `BotImprimir` in the masters view: the masters text.
    void print();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BotMasterClick();
    void LabelMaster2MouseDown();

    TForm1 *m_window;
    SelectionArea &m_selection;
    QPushButton *BotMaster = nullptr;
    QLabel *LabelMaster = nullptr;
    QLabel *LabelMaster2 = nullptr;
};

} // namespace velmira
