#pragma once
// What every Velmira window does at its creation: its caption and size, the
// shared background colour and settings font, and the loading of its data,
// stopped at the first file error after the shared error box.

#include <QColor>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>

namespace velmira {

class WindowBase : public QWidget
{
    Q_OBJECT
public:
    WindowBase(const QString &caption, QSize clientSize, const QColor &background, QWidget *parent = nullptr,
               Qt::WindowFlags flags = {});

    // The main menu, which module windows return to.
    static void setMainMenuWindow(QWidget *window);
    // Hides this window and brings the main menu back.
    void returnToMainMenu();

protected:
    // A module window that has no return control of its own yet goes back to
    // the main menu when closed or on Escape, so the program never ends up
    // without a visible window.
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    // Runs a loading step; a FileError is reported in the shared error box and
    // ends the creation there. Returns whether the step completed.
    bool load(const std::function<void()> &step);
    // Buttons with a hand cursor, yellow background and black font; labels and
    // buttons in the font of the settings.
    void applyCommonLook();
};

} // namespace velmira
