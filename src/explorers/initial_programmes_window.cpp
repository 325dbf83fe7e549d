#include "initial_programmes_window.h"

#include "data/colours.h"
#include "data/explorer_tables.h"

namespace velmira {

TFIniPro *FIniPro = nullptr;

TFIniPro::TFIniPro(QWidget *parent)
    : WindowBase(QStringLiteral("FP Inicia. Profes."), QSize(1024, 768), colour4(), parent)
{
    applyCommonLook();
    load(loadInitialProgrammesData);
}

} // namespace velmira
