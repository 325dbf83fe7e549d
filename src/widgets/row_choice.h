#pragma once
// A list row chosen as a pupil chooses it: with a click, or with Return on
// the current row; a row opened with a double click or Return; and the row under the pointer, followed as it moves.

#include <functional>

class QAbstractItemView;
class QListWidget;

namespace velmira {

// Return or Enter on the current row of any list or tree.
void onReturnOnCurrentRow(QAbstractItemView *view, std::function<void()> chosen);

void onRowChosen(QListWidget *list, std::function<void(int row)> chosen);

// A row opened: with a double click, or with Return on the current row.
void onRowOpened(QListWidget *list, std::function<void(int row)> opened);

// Called with the row under the pointer at each move over a row.
void onRowHovered(QListWidget *list, std::function<void(int row)> hovered);

} // namespace velmira
