#pragma once
// The professional certificates window.

#include "widgets/window_base.h"

namespace velmira {

class TCertifica : public WindowBase
{
    Q_OBJECT
public:
    explicit TCertifica(QWidget *parent = nullptr);
};

extern TCertifica *Certifica;

} // namespace velmira
