#pragma once
// Controls found as a user finds them, by their design name on the window,
// and text typed into them as a user types it.

#include <QListWidget>
#include <QObject>
#include <QString>
#include <QTableWidget>
#include <QTreeWidget>
#include <QWidget>
#include <QtGlobal>
#include <QtTest>

namespace testsupport {

// The child of the window with this object name; a missing control stops the
// test program, naming the window's class and the control.
template <typename Control> Control *control(const QObject *window, const char *name)
{
    Control *found = window->findChild<Control *>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no control %s", window->metaObject()->className(), name);
    return found;
}

inline void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// Clicks the window's control of this design name.
inline void click(const QObject *window, const char *name) { click(control<QWidget>(window, name)); }

// Types the text into the widget key by key; letters beyond ASCII arrive as
// the keyboard sends them, a key press carrying the letter.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar letter : text) {
        if (letter.unicode() < 0x80)
            QTest::keyClick(widget, letter.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
}

// Activates the window and presses Tab until the control has the focus;
// false when it never gets it.
inline bool tabTo(QWidget *window, const char *name)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    for (int i = 0; i < 60; ++i) {
        QWidget *focus = window->focusWidget();
        if (focus && focus->objectName() == QLatin1String(name))
            return true;
        QTest::keyClick(focus ? focus : window, Qt::Key_Tab);
    }
    return false;
}

// A list row as the pointer reaches it: scrolled into view, then clicked or
// hovered at its centre.
inline QPoint rowCentre(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
}

inline void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

inline void hoverRow(QListWidget *list, int row) { QTest::mouseMove(list->viewport(), rowCentre(list, row)); }

// A grid's row is reached at its first cell.
inline QPoint rowCentre(QTableWidget *grid, int row)
{
    grid->scrollToItem(grid->item(row, 0));
    return grid->visualItemRect(grid->item(row, 0)).center();
}

inline void clickRow(QTableWidget *grid, int row)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rowCentre(grid, row));
}

inline void clickItem(QTreeWidget *tree, QTreeWidgetItem *item)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

} // namespace testsupport
