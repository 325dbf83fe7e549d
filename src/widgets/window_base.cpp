#include "window_base.h"

#include "data/messages.h"
#include "data/settings.h"
#include "window_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

namespace velmira {

namespace {
QWidget *g_mainMenu = nullptr;

// Return and Enter press the button that has the focus, in every window (Qt
// itself gives buttons only Space outside dialogs).
class ReturnPressesFocusedButton : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter) || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

void installReturnForButtons()
{
    static QPointer<ReturnPressesFocusedButton> filter;
    if (filter || !qApp)
        return;
    filter = new ReturnPressesFocusedButton;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}
} // namespace

void WindowBase::setMainMenuWindow(QWidget *window) { g_mainMenu = window; }

void WindowBase::bringBack(QWidget *window)
{
    hide();
    if (window && window != this) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void WindowBase::returnToMainMenu() { bringBack(g_mainMenu); }

void WindowBase::leaveProgram()
{
    returnToMainMenu();
    QApplication::exit(0);
}

void WindowBase::openFrom(QWidget *opener)
{
    m_opener = opener;
    show();
    raise();
    activateWindow();
}

void WindowBase::setVisible(bool visible)
{
    if (visible)
        ensureContents();
    QWidget::setVisible(visible);
}

void WindowBase::ensureContents()
{
    if (m_contentsCreated)
        return;
    m_contentsCreated = true;
    createContents();
}

void WindowBase::returnToOpener() { bringBack(m_opener ? m_opener.data() : g_mainMenu); }

void WindowBase::closeEvent(QCloseEvent *event)
{
    event->ignore();
    returnToOpener();
}

void WindowBase::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        returnToOpener();
        return;
    }
    QWidget::keyPressEvent(event);
}

WindowBase::WindowBase(const QString &caption, QSize clientSize, const QColor &background, QWidget *parent,
                       Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    installReturnForButtons();
    setWindowTitle(caption);
    resize(clientSize);
    QPalette shades = palette();
    shades.setColor(QPalette::Window, background);
    setPalette(shades);
    setAutoFillBackground(true);
}

bool WindowBase::load(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const FileError &error) {
        reportFileError(error);
        return false;
    }
}

void WindowBase::applyCommonLook()
{
    const QString family = QString::fromLatin1(fontName());
    for (QAbstractButton *button : findChildren<QAbstractButton *>()) {
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(buttonStyle());
        QFont font = button->font();
        font.setFamily(family);
        button->setFont(font);
    }
    for (QLabel *label : findChildren<QLabel *>()) {
        QFont font = label->font();
        font.setFamily(family);
        label->setFont(font);
    }
}

} // namespace velmira
