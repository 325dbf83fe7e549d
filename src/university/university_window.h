#pragma once
// The Bachillerato and university window.

#include "data/window_base.h"

namespace velmira {

class TForm1 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
};

extern TForm1 *Form1;

} // namespace velmira
