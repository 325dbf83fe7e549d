#include "widget_groups.h"

#include <QWidget>

namespace velmira {

void showWidgets(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        widget->show();
}

void hideWidgets(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        widget->hide();
}

} // namespace velmira
