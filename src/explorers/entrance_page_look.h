#pragma once
// What the pages of the entrance panels share: a panel over the whole
// window on the main menu's tile, captions that stay readable on it, and
// the look of their lists.

#include <QRect>

class QFont;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

QWidget *entrancePanel(QWidget *window, const char *name);
// A label of textLabel() on a plain background of its own.
QLabel *entranceLabel(QWidget *panel, const char *name, const QRect &geometry, int points, bool bold = false);
// A button of the pages, in their caption size.
QPushButton *entranceButton(QWidget *panel, const char *name, const QRect &geometry);
// Where each page has its close button, at the window's bottom right.
inline const QRect kEntranceCloseButton(770, 700, 224, 40);

QListWidget *entranceList(QWidget *panel, const char *name, const QRect &geometry, const QFont &font);
// Fixed-width columns, so that the marks line up.
QFont columnsFont();

} // namespace velmira
