#include "question_window.h"

#include "colours.h"

namespace velmira {

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Velmira"));
    setModal(true);
    QPalette shades = palette();
    shades.setColor(QPalette::Window, colour6());
    setPalette(shades);
    setAutoFillBackground(true);
}

} // namespace velmira
