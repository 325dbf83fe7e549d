#pragma once
// The middle-grade vocational training explorer.

#include "widgets/window_base.h"

namespace velmira {

class TForm3 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
};

extern TForm3 *Form3;

} // namespace velmira
