#pragma once
// The professions questionnaire window.

#include "widgets/window_base.h"

namespace velmira {

class Tprofe : public WindowBase
{
    Q_OBJECT
public:
    explicit Tprofe(QWidget *parent = nullptr);
};

extern Tprofe *profe;

} // namespace velmira
