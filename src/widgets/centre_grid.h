#pragma once
// The grid of centres the explorer windows share (`reja`): one row per
// listing row, the text in the first column and the telephone in the second.
// Each row keeps the title it shows; a double click or Return on a row asks
// for it.

#include "data/listing_rows.h"

#include <QTableWidget>

#include <vector>

namespace velmira {

class CentreGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit CentreGrid(QWidget *parent);

    // Shows the rows, each text cut to textWidth characters when it is given,
    // the telephones only when asked.
    void showRows(const std::vector<ListingRow> &rows, bool telephones, int textWidth = -1);
    // A single row that says why there is nothing to list.
    void showMessage(const QString &text);
    // No rows, as at the start of a route.
    void clearRows();
    // Puts the row at the top of the view and makes it current.
    void scrollToRow(int row);
    // The title row `row` shows; 0 for any other row.
    int titleAt(int row) const;

signals:
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::vector<int> m_titles;
};

} // namespace velmira
