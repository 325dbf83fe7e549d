#include "eso_window.h"

#include "data/colours.h"
#include "eso/eso_data.h"

namespace velmira {

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(1024, 768), colour2(), parent)
{
    applyCommonLook();
    load(loadEsoData);
}

} // namespace velmira
