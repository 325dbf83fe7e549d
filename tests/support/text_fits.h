#pragma once
// Whether the texts a window shows are whole: captions measured in their
// control's font against the control's rectangle, list lines against their
// list's viewport. Only what the window shows now is measured: a test opens
// each page as a pupil does and measures it there.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWidget>

namespace testsupport {

// Room a push button keeps on each side for its frame.
constexpr int kButtonFrame = 4;

// The size the text needs in the font, wrapped at the width when asked to.
inline QSize neededSize(const QFontMetrics &metrics, const QString &text, int width, bool wrap)
{
    const int flags = (wrap ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
    return metrics.boundingRect(QRect(0, 0, width, 100000), flags, text).size();
}

inline bool sizeWithin(const QSize &needed, const QSize &room)
{
    return needed.width() <= room.width() && needed.height() <= room.height();
}

inline bool captionFits(QAbstractButton *button)
{
    button->ensurePolished();
    const QString text = button->text();
    if (text.isEmpty())
        return true;
    QSize room = button->size();
    if (qobject_cast<QRadioButton *>(button) || qobject_cast<QCheckBox *>(button)) {
        const QStyle::PixelMetric indicator = qobject_cast<QRadioButton *>(button)
            ? QStyle::PM_ExclusiveIndicatorWidth
            : QStyle::PM_IndicatorWidth;
        room.rwidth() -= button->style()->pixelMetric(indicator, nullptr, button)
            + button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    } else {
        room -= QSize(2 * kButtonFrame, 2 * kButtonFrame);
    }
    return sizeWithin(neededSize(button->fontMetrics(), text, room.width(), false), room);
}

inline bool labelFits(QLabel *label)
{
    label->ensurePolished();
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
        return true;
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    return sizeWithin(neededSize(label->fontMetrics(), text, room.width(), label->wordWrap()), room.size());
}

// A list line fits when the list wraps it (no sideways scrolling) or when it
// runs within the viewport, after the list's icon.
inline bool listLinesFit(QListWidget *list, QStringList &unfit)
{
    list->ensurePolished();
    const int room = list->viewport()->width() - 2 * list->spacing();
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        const QFontMetrics metrics(item->font());
        const int icon = item->icon().isNull() ? 0 : list->iconSize().width() + 4;
        const QSize needed = neededSize(metrics, item->text(), room - icon, list->wordWrap());
        if (needed.width() + icon > room)
            unfit << QStringLiteral("%1 line %2: \"%3\"").arg(list->objectName()).arg(row).arg(item->text());
    }
    return list->horizontalScrollBar()->maximum() == 0;
}

// A tree line fits when it ends within the viewport after its indentation,
// or, in a tree that wraps, within its row's height (lines inside closed
// branches are not shown).
inline void treeLinesFit(QTreeWidget *tree, QStringList &unfit)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QRect line = tree->visualItemRect(*it);
        if (line.isEmpty())
            continue;
        const int iconWidth = tree->iconSize().isValid()
            ? tree->iconSize().width()
            : tree->style()->pixelMetric(QStyle::PM_SmallIconSize);
        const int icon = (*it)->icon(0).isNull() ? 0 : iconWidth + 4;
        const QSize room(tree->viewport()->width() - line.left() - icon, line.height());
        const QSize needed =
            neededSize(QFontMetrics((*it)->font(0)), (*it)->text(0), room.width(), tree->wordWrap());
        if (needed.width() > room.width() || (tree->wordWrap() && needed.height() > room.height()))
            unfit << QStringLiteral("%1 line: \"%2\"").arg(tree->objectName(), (*it)->text(0));
    }
}

// A grid cell fits when its text, wrapped at the column's width, takes no
// more than its row's height.
inline void gridCellsFit(QTableWidget *grid, QStringList &unfit)
{
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem *item = grid->item(row, column);
            if (!item || item->text().isEmpty())
                continue;
            const QSize room(grid->columnWidth(column) - 6, grid->rowHeight(row));
            const QFontMetrics metrics(item->font());
            if (!sizeWithin(neededSize(metrics, item->text(), room.width(), grid->wordWrap()), room))
                unfit << QStringLiteral("%1 cell %2,%3: \"%4\"")
                             .arg(grid->objectName())
                             .arg(row)
                             .arg(column)
                             .arg(item->text());
        }
}

// Every caption, list line and grid cell the window shows that does not
// fit, named by control; empty when the window's texts are whole.
inline QStringList unfitTexts(QWidget *window)
{
    QStringList unfit;
    const auto shown = [window](QWidget *control) {
        return control->isVisibleTo(window) && window->isVisible();
    };
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (shown(button) && !captionFits(button))
            unfit << QStringLiteral("%1: \"%2\"").arg(button->objectName(), button->text());
    for (QLabel *label : window->findChildren<QLabel *>())
        if (shown(label) && !labelFits(label))
            unfit << QStringLiteral("%1: \"%2\"").arg(label->objectName(), label->text());
    for (QListWidget *list : window->findChildren<QListWidget *>())
        if (shown(list) && !listLinesFit(list, unfit))
            unfit << QStringLiteral("%1 scrolls sideways").arg(list->objectName());
    for (QTreeWidget *tree : window->findChildren<QTreeWidget *>())
        if (shown(tree))
            treeLinesFit(tree, unfit);
    for (QTableWidget *grid : window->findChildren<QTableWidget *>())
        if (shown(grid))
            gridCellsFit(grid, unfit);
    return unfit;
}

} // namespace testsupport
