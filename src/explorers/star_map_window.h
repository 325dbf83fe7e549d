#pragma once
// The star map: a small map of the regions that stays above the university window.

#include "widgets/window_base.h"

namespace velmira {

class TForm7 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);
};

extern TForm7 *Form7;

} // namespace velmira
