#pragma once
// How the ESO window draws the lines of its result list: colours and icons.

#include <QPixmap>
#include <QStyledItemDelegate>

#include <vector>

namespace velmira {

struct EsoResultList;

class ResultLineDelegate : public QStyledItemDelegate
{
public:
    static constexpr int kItemHeight = 20;
    static constexpr int kTextLeft = 24;
    static constexpr int kTextTop = 2;

    ResultLineDelegate(const EsoResultList &list, const std::vector<QPixmap> &icons,
                       QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const EsoResultList &m_list;
    const std::vector<QPixmap> &m_icons;
};

} // namespace velmira
