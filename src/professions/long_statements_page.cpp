#include "long_statements_page.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "widgets/window_controls.h"
#include "data/professions_tables.h"
#include "data/text_ids.h"
#include "widgets/theme_assets.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>

namespace velmira {

namespace text = professions_text;

namespace {

const QRect kListArea(40, 64, 944, 596);
const QRect kPopupArea(232, 190, 560, 250);
constexpr int kCollapsedHeight = 10;
constexpr int kGrowth = 10;

// `ListCuesDrawItem`: the statement's icon at the item's corner, its text 30
// pixels to the right and 5 below.
class LongStatementDelegate : public QStyledItemDelegate
{
public:
    static constexpr int kItemHeight = 32;
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect item = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(item, selected ? option.palette.highlight() : option.palette.base());
        const std::vector<QPixmap> &icons = themeAssets().icons;
        const int icon = longStatementIcon(index.row());
        if (icon < static_cast<int>(icons.size()))
            painter->drawPixmap(item.topLeft(), icons[icon]);
        painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
        painter->setFont(option.font);
        painter->drawText(item.adjusted(30, 5, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
        if (option.state & QStyle::State_HasFocus)
            painter->drawRect(item.adjusted(0, 0, -1, -1));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
    }
};

} // namespace

LongStatementsPage::LongStatementsPage(QWidget *window)
    : QObject(window)
{
    createList(window);
    createPopup(window);
}

void LongStatementsPage::createList(QWidget *window)
{
    ListCues = new QListWidget(window);
    ListCues->setObjectName(QStringLiteral("ListCues"));
    ListCues->setGeometry(kListArea);
    ListCues->setSelectionMode(QAbstractItemView::MultiSelection);
    ListCues->setUniformItemSizes(true);
    ListCues->setFont(settingsFont(10));
    ListCues->setItemDelegate(new LongStatementDelegate(ListCues));
}

void LongStatementsPage::createPopup(QWidget *window)
{
    PanelFrase = panel(window, kPopupArea, colour6());
    PanelFrase->setObjectName(QStringLiteral("PanelFrase"));
    PanelFrase->setAttribute(Qt::WA_StyledBackground);
    PanelFrase->setStyleSheet(
        QStringLiteral("#PanelFrase { background-color: %1; border: 2px solid rgb(128, 64, 0); }")
            .arg(colour6().name()));
    LabelFrase0 = textLabel(PanelFrase, "LabelFrase0", QRect(20, 14, 520, 30), 14, true);
    LabelFrase = textLabel(PanelFrase, "LabelFrase", QRect(20, 54, 520, 130), 13);
    BotSi = button(PanelFrase, "BotSi", QRect(150, 196, 110, 36));
    BotNo = button(PanelFrase, "BotNo", QRect(300, 196, 110, 36));
    for (QPushButton *b : {BotSi, BotNo}) {
        b->setFont(settingsFont(12));
        b->setAutoDefault(true);
    }
    BotSi->setText(uiText(141));
    BotNo->setText(uiText(140));
    connect(BotSi, &QPushButton::clicked, this, &LongStatementsPage::botSiClick);
    connect(BotNo, &QPushButton::clicked, this, &LongStatementsPage::BotNoClick);

    TimerFrase = new QTimer(this);
    TimerFrase->setInterval(1);
    connect(TimerFrase, &QTimer::timeout, this, &LongStatementsPage::TimerFraseTimer);
}

void LongStatementsPage::open()
{
    ListCues->clear();
    for (size_t s = 1; s < professionsData().longStatements.size(); ++s)
        ListCues->addItem(displayText(trimTrailingBlanks(professionsData().longStatements[s].text)));
    ListCues->setEnabled(false);
    ListCues->setCursor(Qt::ForbiddenCursor);
    ListCues->show();
    m_round.restart(ListCues->count());
    openPopup();
}

std::vector<int> LongStatementsPage::chosenStatements() const
{
    std::vector<int> chosen;
    for (int row = 0; row < ListCues->count(); ++row)
        if (ListCues->item(row)->isSelected())
            chosen.push_back(row + 1);
    return chosen;
}

void LongStatementsPage::showClosingAgain()
{
    m_round.reopenClosing();
    openPopup();
}

void LongStatementsPage::hidePopup()
{
    TimerFrase->stop();
    PanelFrase->hide();
}

void LongStatementsPage::close()
{
    hidePopup();
    ListCues->hide();
}

void LongStatementsPage::showList(bool shown) { ListCues->setVisible(shown); }

void LongStatementsPage::botSiClick() { answer(true); }

void LongStatementsPage::BotNoClick() { answer(false); }

void LongStatementsPage::answer(bool yes)
{
    const int chosen = m_round.answer(yes);
    if (chosen >= 0)
        ListCues->item(chosen)->setSelected(true);
    if (m_round.shown() == LongStatementRound::Shown::Nothing) {
        hidePopup();
        ListCues->setFocus();
        return;
    }
    if (m_round.shown() == LongStatementRound::Shown::Closing) {
        ListCues->setEnabled(true);
        ListCues->unsetCursor();
        emit allAnswered();
    }
    openPopup();
}

// The pop-up collapsed, filled with what the round shows, and grown again.
void LongStatementsPage::openPopup()
{
    const LongStatementRound::Shown shown = m_round.shown();
    const int current = m_round.current();
    const QByteArray statement = shown == LongStatementRound::Shown::Statement
        ? trimTrailingBlanks(professionsData().longStatements[current + 1].text)
        : QByteArray();
    LabelFrase0->setText(displayText(popupHeading(shown)));
    LabelFrase->setText(
        displayText(popupText(shown, statement, static_cast<int>(chosenStatements().size()))));
    BotNo->setVisible(shown == LongStatementRound::Shown::Statement);
    PanelFrase->resize(kPopupArea.width(), kCollapsedHeight);
    PanelFrase->show();
    PanelFrase->raise();
    BotSi->setFocus();
    TimerFrase->start();
}

// `TimerFraseTimer`: the pop-up grows back to its full height.
void LongStatementsPage::TimerFraseTimer()
{
    const int height = std::min(PanelFrase->height() + kGrowth, kPopupArea.height());
    PanelFrase->resize(kPopupArea.width(), height);
    if (height == kPopupArea.height())
        TimerFrase->stop();
}

} // namespace velmira
