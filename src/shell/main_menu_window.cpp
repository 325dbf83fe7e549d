#include "main_menu_window.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/loaders.h"
#include "data/messages.h"
#include "data/print_state.h"
#include "data/settings.h"
#include "data/text_bytes.h"
#include "shell/welcome_window.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace velmira {

Tform0 *form0 = nullptr;

Tform0::Tform0(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(1024, 768), colour3(), parent)
{
    setProgramDirectory((QApplication::applicationDirPath() + QLatin1Char('/')).toLocal8Bit());
    if (pictureMissing()) {
        setStartupAbort();
        QApplication::quit();
        return;
    }
    if (!loadSettings())
        return;
    loadInterfaceTexts();
    createCentreLabels();
    applyCommonLook();
}

bool Tform0::loadSettings()
{
    if (ReadSettingsRecord("clave12"))
        return true;
    showMessage(QStringLiteral(
        "El programa no funcionará correctamente. Faltan ficheros. Vuelva a instalarlo."));
    QApplication::quit();
    setStartupAbort();
    return false;
}

void Tform0::loadInterfaceTexts()
{
    LoadInterfaceTexts(localName("textos"), interfaceTextTable());
    AssignInterfaceTexts();
    setPrintQuestion();
}

void Tform0::createCentreLabels()
{
    LabelCentro = new QLabel(displayText(trimTrailingBlanks(centreName())), this);
    LabelCentro->adjustSize();
    LabelCentro->move(512 - LabelCentro->width() / 2, 8);
    LabelAno = new QLabel(QStringLiteral("2011/12"), this);
    LabelAno->adjustSize();
    LabelAno->move(512 - LabelAno->width() / 2, 8 + LabelCentro->height());
}

void Tform0::closeWelcomeWindow()
{
    if (startupAborted() || m_welcomeClosed)
        return;
    m_welcomeClosed = true;
    if (Bienvenida)
        Bienvenida->close();
    show();
    raise();
    activateWindow();
}

void Tform0::showEvent(QShowEvent *event)
{
    WindowBase::showEvent(event);
    closeWelcomeWindow();
}

void Tform0::changeEvent(QEvent *event)
{
    WindowBase::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        closeWelcomeWindow();
}

} // namespace velmira
