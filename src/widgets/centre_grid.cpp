#include "centre_grid.h"

#include "data/text_bytes.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace velmira {

namespace {

constexpr int kTelephoneColumnWidth = 110;

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

CentreGrid::CentreGrid(QWidget *parent)
    : QTableWidget(0, 2, parent)
{
    setObjectName(QStringLiteral("reja"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { emit rowChosen(row); });
}

void CentreGrid::showRows(const std::vector<ListingRow> &rows, bool telephones, int textWidth)
{
    clearContents();
    setRowCount(int(rows.size()));
    m_titles.clear();
    for (int r = 0; r < int(rows.size()); ++r) {
        const ListingRow &row = rows[r];
        const QByteArray text = textWidth >= 0 ? row.text.left(textWidth) : row.text;
        setItem(r, 0, cell(displayText(trimTrailingBlanks(text))));
        // Centres and provinces head the rows that follow them.
        if (text.startsWith('-')) {
            QFont bold = font();
            bold.setBold(true);
            item(r, 0)->setFont(bold);
        }
        setItem(r, 1, cell(telephones ? displayText(row.telephone) : QString()));
        m_titles.push_back(row.title);
    }
    scrollToTop();
}

void CentreGrid::showMessage(const QString &text)
{
    clearContents();
    setRowCount(1);
    setItem(0, 0, cell(text));
    setItem(0, 1, cell(QString()));
    m_titles.assign(1, 0);
}

void CentreGrid::clearRows()
{
    clearContents();
    setRowCount(0);
    m_titles.clear();
}

void CentreGrid::scrollToRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    setCurrentCell(row, 0);
    scrollToItem(item(row, 0), QAbstractItemView::PositionAtTop);
}

int CentreGrid::titleAt(int row) const { return row >= 0 && row < int(m_titles.size()) ? m_titles[row] : 0; }

void CentreGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        emit rowChosen(currentRow());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// The telephone keeps its width; the centre takes the rest.
void CentreGrid::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    setColumnWidth(1, kTelephoneColumnWidth);
    setColumnWidth(0, viewport()->width() - kTelephoneColumnWidth);
}

} // namespace velmira
