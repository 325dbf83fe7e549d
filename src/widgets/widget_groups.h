#pragma once
// Showing or hiding a group of controls at once, as the steps of a route do.

#include <initializer_list>

class QWidget;

namespace velmira {

void showWidgets(std::initializer_list<QWidget *> widgets);
void hideWidgets(std::initializer_list<QWidget *> widgets);

} // namespace velmira
