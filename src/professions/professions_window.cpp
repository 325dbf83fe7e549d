#include "professions_window.h"

#include "data/colours.h"
#include "data/professions_tables.h"

#include <QApplication>

namespace velmira {

Tprofe *profe = nullptr;

Tprofe::Tprofe(QWidget *parent)
    : WindowBase(QStringLiteral("Profesiones"), QSize(1024, 768), colour2(), parent)
{
    // The long creation is nearly over: the welcome window has done its job.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Bienvenida"))
            window->hide();
    applyCommonLook();
    load(loadProfessionsData);
}

} // namespace velmira
