#pragma once
// The program started in process on its own copy of the installation, with
// the main menu shown, every message collected and questions asked in boxes
// as the program asks them. The working directory and the message routing
// come back when it goes.

#include "data/foundation_state.h"
#include "data/messages.h"
#include "shell/main_menu_window.h"
#include "shell/startup.h"
#include "support/controls.h"
#include "support/installation_copy.h"
#include "widgets/message_boxes.h"

#include <QDir>
#include <QLabel>
#include <QStringList>
#include <QtTest>

#include <functional>

class StartedInstallation
{
public:
    // The preparation changes the copy before the program starts (another
    // language in "clave12", another encoding in "fuente").
    explicit StartedInstallation(const std::function<void(const InstallationCopy &)> &prepare = {})
        : m_previous(QDir::currentPath())
    {
        if (prepare)
            prepare(m_copy);
        QDir::setCurrent(m_copy.path());
        velmira::resetFoundationState();
        velmira::installMessageBoxes();
        velmira::setMessageHandler([this](const QString &text) { m_messages << text; });
        m_started = !velmira::runStartup(false).aborted;
        if (m_started)
            velmira::form0->show();
    }
    ~StartedInstallation()
    {
        velmira::setMessageHandler({});
        velmira::setQuestionHandler({});
        QDir::setCurrent(m_previous);
    }
    StartedInstallation(const StartedInstallation &) = delete;
    StartedInstallation &operator=(const StartedInstallation &) = delete;

    bool started() const { return m_started; }
    const QStringList &messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }

    // Clicks a door of the main menu (its design name, "LabelCuesE"); the
    // module window appears once the door's animation has played.
    void clickDoor(const char *door) const
    {
        QTest::mouseClick(testsupport::control<QLabel>(velmira::form0, door), Qt::LeftButton);
    }

    // Clicks the door and waits for its window; false when it never shows.
    [[nodiscard]] bool openDoor(const char *door, const QWidget *window) const
    {
        clickDoor(door);
        return QTest::qWaitFor([window] { return window->isVisible(); }, 8000);
    }

private:
    InstallationCopy m_copy;
    QString m_previous;
    QStringList m_messages;
    bool m_started = false;
};
