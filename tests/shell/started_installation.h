#pragma once
// The program started in process on its own copy of the installation, with
// the main menu shown and every message collected. The working directory and
// the message handler come back when it goes.

#include "data/messages.h"
#include "installation_copy.h"
#include "shell/main_menu_window.h"
#include "shell/startup.h"

#include <QDir>
#include <QStringList>

class StartedInstallation
{
public:
    StartedInstallation()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_copy.path());
        velmira::setMessageHandler([this](const QString &text) { m_messages << text; });
        m_started = !velmira::runStartup(false).aborted;
        if (m_started)
            velmira::form0->show();
    }
    ~StartedInstallation()
    {
        velmira::setMessageHandler({});
        QDir::setCurrent(m_previous);
    }
    StartedInstallation(const StartedInstallation &) = delete;
    StartedInstallation &operator=(const StartedInstallation &) = delete;

    bool started() const { return m_started; }
    const QStringList &messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }

private:
    InstallationCopy m_copy;
    QString m_previous;
    QStringList m_messages;
    bool m_started = false;
};
