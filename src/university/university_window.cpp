#include "university_window.h"

#include "data/colours.h"
#include "university/university_data.h"

namespace velmira {

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(1024, 768), colour2(), parent)
{
    applyCommonLook();
    load(loadUniversityData);
}

} // namespace velmira
