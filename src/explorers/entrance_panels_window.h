#pragma once
// The university entrance panels.

#include "widgets/window_base.h"

namespace velmira {

class TForm6 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);
};

extern TForm6 *Form6;

} // namespace velmira
