#include "short_statements_page.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "widgets/window_controls.h"
#include "data/professions_tables.h"
#include "data/text_ids.h"
#include "statement_pages.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>

namespace velmira {

namespace text = professions_text;

namespace {

const QRect kTitleArea(150, 64, 724, 48);
const QRect kListArea(150, 124, 724, 520);
constexpr int kTitleStop = 80;
constexpr int kSlideStep = 4;

} // namespace

ShortStatementsPage::ShortStatementsPage(QWidget *window)
    : QObject(window)
{
    PanelSelTit0 = panel(window, kTitleArea, colour6());
    PanelSelTit0->setObjectName(QStringLiteral("PanelSelTit0"));
    LabelTit0 = textLabel(PanelSelTit0, "LabelTit0",
                          QRect(0, 0, kTitleArea.width() - 2 * kTitleStop, kTitleArea.height()), 15, true);
    LabelTit0->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    ListSel = new QListWidget(window);
    ListSel->setObjectName(QStringLiteral("ListSel"));
    ListSel->setGeometry(kListArea);
    ListSel->setFont(settingsFont(14));
    ListSel->setSpacing(4);
    connect(ListSel, &QListWidget::itemSelectionChanged, this, &ShortStatementsPage::ListSelClick);

    TimerAyu0 = new QTimer(this);
    TimerAyu0->setInterval(50);
    connect(TimerAyu0, &QTimer::timeout, this, &ShortStatementsPage::TimerAyu0Timer);
    close();
}

void ShortStatementsPage::showPage(const std::vector<int> &statements, const std::vector<int> &chosenRows)
{
    m_lastPage = false;
    ListSel->setSelectionMode(QAbstractItemView::MultiSelection);
    fill(statements);
    for (int row : chosenRows)
        if (row < ListSel->count())
            ListSel->item(row)->setSelected(true);
    slideInstruction(text::kChooseTwo);
}

void ShortStatementsPage::showLastPage(const std::vector<int> &statements)
{
    m_lastPage = true;
    ListSel->setSelectionMode(QAbstractItemView::SingleSelection);
    fill(statements);
    slideInstruction(text::kChooseOne);
}

void ShortStatementsPage::close()
{
    TimerAyu0->stop();
    PanelSelTit0->hide();
    ListSel->hide();
}

std::vector<int> ShortStatementsPage::selectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < ListSel->count(); ++row)
        if (ListSel->item(row)->isSelected())
            rows.push_back(row);
    return rows;
}

void ShortStatementsPage::fill(const std::vector<int> &statements)
{
    const QSignalBlocker quiet(ListSel);
    ListSel->clear();
    const std::vector<ShortStatement> &shorts = professionsData().shortStatements;
    for (int s : statements)
        ListSel->addItem(displayText(trimTrailingBlanks(shorts[s].text)));
    ListSel->show();
    ListSel->setFocus();
    if (ListSel->count() > 0)
        ListSel->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

// `LabelTit0` enters from the right of its panel and slides to its place.
void ShortStatementsPage::slideInstruction(int text)
{
    LabelTit0->setText(uiText(text));
    LabelTit0->move(kTitleArea.width() - kTitleStop, 0);
    PanelSelTit0->show();
    TimerAyu0->start();
}

void ShortStatementsPage::TimerAyu0Timer()
{
    if (LabelTit0->x() > kTitleStop)
        LabelTit0->move(std::max(LabelTit0->x() - kSlideStep, kTitleStop), 0);
    else
        TimerAyu0->stop();
}

// On a page, at most two rows stay chosen: the first two from the top. The
// last page lets one row be picked at a time.
void ShortStatementsPage::ListSelClick()
{
    if (m_lastPage)
        return;
    const std::vector<int> kept = keptPageChoices(selectedRows());
    const QSignalBlocker quiet(ListSel);
    for (int row : selectedRows())
        if (std::find(kept.begin(), kept.end(), row) == kept.end())
            ListSel->item(row)->setSelected(false);
}

} // namespace velmira
