#pragma once
// The catalogue of professional families.

#include "widgets/window_base.h"

namespace velmira {

class TFormCat : public WindowBase
{
    Q_OBJECT
public:
    explicit TFormCat(QWidget *parent = nullptr);
};

extern TFormCat *FormCat;

} // namespace velmira
