#include "star_map_window.h"

#include "data/colours.h"

namespace velmira {

TForm7 *Form7 = nullptr;

TForm7::TForm7(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(211, 146), colour3(), parent,
                 Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    applyCommonLook();
}

} // namespace velmira
