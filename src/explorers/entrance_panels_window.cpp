#include "entrance_panels_window.h"

#include "data/colours.h"

namespace velmira {

TForm6 *Form6 = nullptr;

TForm6::TForm6(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(1024, 768), colour2(), parent)
{
    applyCommonLook();
}

} // namespace velmira
