#pragma once
// The module menu of the university window, `PanelMenu`: a column of
// entries, each put there by the page it opens, and the return to the main
// menu. An entry can carry a sub-menu beside it, shown while the pointer is
// on the entry and hidden when it moves to another one.

#include <QObject>
#include <QPoint>

#include <map>

class QPushButton;
class QWidget;

namespace velmira {

class TForm1;

class UniversityMenuPage : public QObject
{
    Q_OBJECT
public:
    explicit UniversityMenuPage(TForm1 *window);

    // The entry in row r (from 0, top to bottom), with the sub-menu it opens.
    QPushButton *addEntry(const char *name, int row, QWidget *subMenu = nullptr);
    // Where a sub-menu of the entry in row r stands, in window coordinates.
    QPoint subMenuPosition(int row) const;
    void setCaptions();

    void open();
    // Hidden with its sub-menus.
    void close();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BotSalirUniClick();

    TForm1 *m_window;
    QWidget *PanelMenu = nullptr;
    QPushButton *BotSalirUni = nullptr;
    std::map<int, QPushButton *> m_entries;    // by row
    std::map<QObject *, QWidget *> m_subMenus; // by entry
};

} // namespace velmira
