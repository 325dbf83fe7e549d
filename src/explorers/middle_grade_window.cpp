#include "middle_grade_window.h"

#include "data/colours.h"

namespace velmira {

TForm3 *Form3 = nullptr;

// The explorer works on the tables the ESO window loads.
TForm3::TForm3(QWidget *parent)
    : WindowBase(QStringLiteral("F.P.  G.M."), QSize(1024, 768), colour4(), parent)
{
    applyCommonLook();
}

} // namespace velmira
