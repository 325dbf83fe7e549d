#pragma once
// The ESO window: questionnaire, itineraries and the education-system explainer.

#include "data/window_base.h"

namespace velmira {

class TForm2 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};

extern TForm2 *Form2;

} // namespace velmira
