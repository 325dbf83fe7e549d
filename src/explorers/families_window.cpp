#include "families_window.h"

#include "data/colours.h"

namespace velmira {

TFormCat *FormCat = nullptr;

TFormCat::TFormCat(QWidget *parent)
    : WindowBase(QStringLiteral("Católogo de Títulos"), QSize(1024, 768), colour2(), parent)
{
    applyCommonLook();
}

} // namespace velmira
