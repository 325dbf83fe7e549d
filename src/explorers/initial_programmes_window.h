#pragma once
// The initial vocational programmes window.

#include "widgets/window_base.h"

namespace velmira {

class TFIniPro : public WindowBase
{
    Q_OBJECT
public:
    explicit TFIniPro(QWidget *parent = nullptr);
};

extern TFIniPro *FIniPro;

} // namespace velmira
