#pragma once
// A list row chosen as a pupil chooses it: with a click, or with Return on
// the current row.

#include <functional>

class QListWidget;

namespace velmira {

void onRowChosen(QListWidget *list, std::function<void(int row)> chosen);

} // namespace velmira
