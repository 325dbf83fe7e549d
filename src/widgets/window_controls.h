#pragma once
// Small builders for the controls the windows lay out by hand.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QByteArray>
#include <QString>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

// A plain panel filled with a colour of its own.
QWidget *panel(QWidget *parent, const QRect &geometry, const QColor &colour);

// A button known by its control name.
QPushButton *button(QWidget *parent, const char *name, const QRect &geometry);

// The font, a point smaller at a time (down to 6 points), until the text
// fits the room, wrapped at its width when asked to.
QFont fittingFont(QFont font, const QString &text, const QSize &room, bool wrap);

// Shrinks the button's font a point at a time until its caption fits
// across the button; a caption that fits keeps its font.
void fitCaption(QPushButton *button);
// The same for a label's text, kept on one line.
void fitCaption(QLabel *label);

// A list box known by its control name, in the settings font at the given size.
QListWidget *listBox(QWidget *parent, const char *name, const QRect &geometry, int points);

// A label known by its control name, in the settings font at the given size;
// its text starts at the top left and wraps.
QLabel *textLabel(QWidget *parent, const char *name, const QRect &geometry, int points, bool bold = false);

// The list's rows made of the lines (stored bytes), replacing what it held.
void fillList(QListWidget *list, const std::vector<QByteArray> &lines);

// The look of a button: yellow with black text, grey text while disabled;
// a highlighted button takes another background, and text of another colour.
QString buttonStyle(const QColor &background = QColor(255, 255, 0), const QColor &text = Qt::black);
// The same look over a picture stretched to the button's size.
QString pictureButtonStyle(const QString &picture, const QColor &text = Qt::black);
// The preferred colour for text on the background when it reads well there
// (a contrast of 3 to 1 at least); else black or white, whichever reads better.
QColor readableOn(const QColor &background, const QColor &preferred = Qt::black);

// A menu's hover feedback: the button under the pointer is highlighted, the
// other buttons of its panel take the usual look again.
void highlightInItsMenu(QPushButton *hovered);

// The settings font at the given size (the base size is 0).
QFont settingsFont(int points);
// The fixed-pitch "Courier" at the given size, for listings shown as they print.
QFont courierFont(int points);

// The size of the centre name's label font for a name of n characters.
int centreNameFontSize(int length);

// The window's caption (interface text 338 and the centre's name), the
// school-year label and the centre's name in a font that fits its length.
void showSchoolHeading(QWidget *window, QLabel *year, QLabel *centre);

} // namespace velmira
