#include "row_choice.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace velmira {

namespace {

// Return or Enter on a view's current row calls `chosen`.
class ReturnKeyChoice : public QObject
{
public:
    ReturnKeyChoice(QAbstractItemView *view, std::function<void()> chosen)
        : QObject(view)
        , m_view(view)
        , m_chosen(std::move(chosen))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_view && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_view->currentIndex().isValid()) {
                m_chosen();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractItemView *m_view;
    std::function<void()> m_chosen;
};

class RowUnderPointer : public QObject
{
public:
    RowUnderPointer(QListWidget *list, std::function<void(int)> hovered)
        : QObject(list)
        , m_list(list)
        , m_hovered(std::move(hovered))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
            const int row = m_list->row(m_list->itemAt(at));
            if (row >= 0)
                m_hovered(row);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget *m_list;
    std::function<void(int)> m_hovered;
};

} // namespace

void onRowHovered(QListWidget *list, std::function<void(int row)> hovered)
{
    list->setMouseTracking(true);
    list->viewport()->installEventFilter(new RowUnderPointer(list, std::move(hovered)));
}

void onReturnOnCurrentRow(QAbstractItemView *view, std::function<void()> chosen)
{
    view->installEventFilter(new ReturnKeyChoice(view, std::move(chosen)));
}

void onRowChosen(QListWidget *list, std::function<void(int row)> chosen)
{
    onReturnOnCurrentRow(list, [list, chosen] { chosen(list->currentRow()); });
    QObject::connect(list, &QListWidget::itemClicked, list,
                     [list, chosen](QListWidgetItem *item) { chosen(list->row(item)); });
}

void onRowOpened(QListWidget *list, std::function<void(int row)> opened)
{
    onReturnOnCurrentRow(list, [list, opened] { opened(list->currentRow()); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [list, opened](QListWidgetItem *item) { opened(list->row(item)); });
}

} // namespace velmira
