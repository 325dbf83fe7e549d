#pragma once
// What every Velmira window does at its creation: its caption and size, the
// shared background colour and settings font, and the loading of its data,
// stopped at the first file error after the shared error box.

#include <QColor>
#include <QPointer>
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

    // Shows this window in front, opened by another one (null: the main
    // menu), which returnToOpener() brings back.
    void openFrom(QWidget *opener);
    // Hides this window and brings back the window that opened it, or the
    // main menu when none did.
    void returnToOpener();

    // A window is created at start-up but makes its controls the first time
    // it is shown, so that start-up stays quick.
    void setVisible(bool visible) override;

protected:
    // A module window that has no return control of its own yet goes back to
    // the window that opened it when closed or on Escape, so the program
    // never ends up without a visible window.
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    // After the pupil confirmed leaving the program: brings the main menu
    // back and ends the event loop, without closing the windows again (the
    // main menu would ask once more).
    void leaveProgram();

    // Makes the window's controls, once: the first time it is shown, or
    // earlier when an opening method of the window prepares a route.
    void ensureContents();
    virtual void createContents() {}

    // Runs a loading step; a FileError is reported in the shared error box and
    // ends the creation there. Returns whether the step completed.
    bool load(const std::function<void()> &step);
    // Buttons with a hand cursor, yellow background and black font; labels and
    // buttons in the font of the settings.
    void applyCommonLook();

private:
    void bringBack(QWidget *window);

    QPointer<QWidget> m_opener;
    bool m_contentsCreated = false;
};

} // namespace velmira
