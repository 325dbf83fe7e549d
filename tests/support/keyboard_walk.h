#pragma once
// A window walked with the keyboard alone: the round of controls Tab visits,
// the controls it never reaches, and whether each shows that it has the focus.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QList>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>
#include <QtTest>

namespace testsupport {

// The controls a user works with: buttons, lists, grids, fields, choices.
inline bool isControl(QWidget *widget)
{
    return qobject_cast<QAbstractButton *>(widget)
        || (qobject_cast<QAbstractItemView *>(widget) && !qobject_cast<QHeaderView *>(widget))
        || qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget);
}

struct TabRound
{
    QList<QWidget *> visited;     // in the order Tab reached them
    QStringList unreached;        // shown and enabled, never reached
    QStringList withoutFocusMark; // reached, but looking the same with and without the focus
};

// Presses Tab from the window's focus until the focus comes back round, and
// compares each control's look while it has the focus with its look after.
inline TabRound walkTabRound(QWidget *window)
{
    TabRound round;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return round;
    QList<QImage> focusedLooks;
    for (int press = 0; press < 100; ++press) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        if (!focus || round.visited.contains(focus))
            break;
        round.visited << focus;
        focusedLooks << focus->grab().toImage();
    }
    for (int i = 0; i < round.visited.size(); ++i) {
        QWidget *control = round.visited[i];
        if (control != QApplication::focusWidget() && control->grab().toImage() == focusedLooks[i])
            round.withoutFocusMark << control->objectName();
    }
    // Tab enters a group of choices at its checked one; the arrows walk the rest.
    const auto choiceReached = [&round](QWidget *control) {
        auto *choice = qobject_cast<QRadioButton *>(control);
        if (!choice || !choice->autoExclusive())
            return false;
        for (QRadioButton *other :
             control->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
            if (round.visited.contains(other))
                return true;
        return false;
    };
    for (QWidget *control : window->findChildren<QWidget *>())
        if (isControl(control) && control->isVisible() && control->isEnabled()
            && !round.visited.contains(control) && !choiceReached(control))
            round.unreached << (control->objectName().isEmpty()
                                    ? QString::fromLatin1(control->metaObject()->className())
                                        + QLatin1Char('/') + control->parentWidget()->objectName()
                                    : control->objectName());
    return round;
}

} // namespace testsupport
