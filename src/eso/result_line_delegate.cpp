#include "result_line_delegate.h"

#include "eso/eso_results.h"

#include <QPainter>

namespace velmira {

namespace {
const QColor kMaroon(128, 0, 0);
}

ResultLineDelegate::ResultLineDelegate(const EsoResultList &list, const std::vector<QPixmap> &icons,
                                       QObject *parent)
    : QStyledItemDelegate(parent)
    , m_list(list)
    , m_icons(icons)
{
}

void ResultLineDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const QRect item = option.rect;
    painter->save();
    painter->fillRect(item, option.palette.base());
    const ResultLineLook look = resultLineLook(m_list, index.row() + 1);
    painter->setPen(look.colour == LineColour::Maroon ? kMaroon : option.palette.text().color());
    painter->setFont(option.font);
    painter->drawText(item.adjusted(kTextLeft, kTextTop, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                      index.data().toString());
    if (look.icon && look.icon->icon >= 0 && look.icon->icon < static_cast<int>(m_icons.size())) {
        const QRect span(item.left() + look.icon->left, item.top(), look.icon->right - look.icon->left,
                         item.height());
        painter->drawPixmap(span, m_icons[look.icon->icon]);
    }
    // The line the keyboard is on, while the list has the focus.
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(option.palette.text().color(), 1, Qt::DotLine));
        painter->drawRect(item.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize ResultLineDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight);
}

} // namespace velmira
