#include "row_choice.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace velmira {

namespace {

class ReturnKeyChoice : public QObject
{
public:
    ReturnKeyChoice(QListWidget *list, std::function<void(int)> chosen)
        : QObject(list)
        , m_list(list)
        , m_chosen(std::move(chosen))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_list && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_list->currentRow() >= 0) {
                m_chosen(m_list->currentRow());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget *m_list;
    std::function<void(int)> m_chosen;
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

void onRowChosen(QListWidget *list, std::function<void(int row)> chosen)
{
    list->installEventFilter(new ReturnKeyChoice(list, chosen));
    QObject::connect(list, &QListWidget::itemClicked, list,
                     [list, chosen](QListWidgetItem *item) { chosen(list->row(item)); });
}

void onRowOpened(QListWidget *list, std::function<void(int row)> opened)
{
    list->installEventFilter(new ReturnKeyChoice(list, opened));
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [list, opened](QListWidgetItem *item) { opened(list->row(item)); });
}

} // namespace velmira
