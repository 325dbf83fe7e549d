#pragma once
// Controls found as a user finds them, by their design name on the window,
// and text typed into them as a user types it.

#include <QObject>
#include <QString>
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

} // namespace testsupport
