#include "selection_area.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/listing_rows.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "university/university_window.h"
#include "widgets/report_printer.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace velmira {

namespace {

const QRect kArea(420, 20, 594, 740);
constexpr int kButtonHeight = 33;

} // namespace

SelectionArea::SelectionArea(TForm1 *window)
    : QObject(window)
    , m_window(window)
{
    PanelSel = panel(window, kArea, colour4());
    PanelSel->setObjectName(QStringLiteral("PanelSel"));
    m_top = PanelSel->pos();
    PanelSelTit = new QLabel(PanelSel);
    PanelSelTit->setObjectName(QStringLiteral("PanelSelTit"));
    PanelSelTit->setGeometry(10, 8, kArea.width() - 20, 30);
    PanelSelTit->setAlignment(Qt::AlignCenter);
    PanelSelTit->setFont(settingsFont(14));
    ListSel = new QListWidget(PanelSel);
    ListSel->setObjectName(QStringLiteral("ListSel"));
    ListSel->setGeometry(10, 44, kArea.width() - 20, 560);
    ListSel->setFont(settingsFont(11));
    // A list with the focus says so even while it is empty.
    ListSel->setStyleSheet(QStringLiteral("QListWidget { border: 1px solid gray; }"
                                          " QListWidget:focus { border: 2px solid black; }"));
    m_listTop = ListSel->pos();
    Richedit1 = new QPlainTextEdit(PanelSel);
    Richedit1->setObjectName(QStringLiteral("Richedit1"));
    Richedit1->setGeometry(ListSel->geometry());
    Richedit1->setReadOnly(true);
    Richedit1->setFont(settingsFont(12));
    Richedit1->hide();
    connect(ListSel, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { ListSelDblClick(ListSel->row(item)); });

    BotImprimir = addButton("BotImprimir", QRect(400, 614, 184, kButtonHeight));
    BotImprimirN = addButton("BotImprimirN", QRect(400, 657, 184, kButtonHeight));
    BotRetroceder = addButton("BotRetroceder", QRect(400, 700, 184, kButtonHeight));
    connect(BotRetroceder, &QPushButton::clicked, this, &SelectionArea::BotRetrocederClick);
    connect(BotImprimir, &QPushButton::clicked, this, &SelectionArea::BotImprimirClick);
    connect(BotImprimirN, &QPushButton::clicked, this, &SelectionArea::BotImprimirNClick);
    close();
}

QPushButton *SelectionArea::addButton(const char *name, const QRect &geometry)
{
    QPushButton *added = button(PanelSel, name, geometry);
    added->setFont(settingsFont(12));
    added->hide();
    return added;
}

void SelectionArea::setCaptions()
{
    BotImprimir->setText(uiText(kPrintText));
    BotImprimirN->setText(uiText(kPrintText));
    BotRetroceder->setText(uiText(kBackCaption));
}

bool SelectionArea::isOpen() const { return PanelSel->isVisible(); }

void SelectionArea::open()
{
    PanelSel->show();
    PanelSelTit->show();
    ListSel->show();
    BotRetroceder->show();
}

void SelectionArea::close()
{
    PanelSel->hide();
    BotImprimir->hide();
    BotImprimirN->hide();
    Richedit1->hide();
}

void SelectionArea::resetPlaces()
{
    ListSel->unsetCursor();
    PanelSel->move(m_top);
    ListSel->move(m_listTop);
}

void SelectionArea::empty()
{
    ListSel->unsetCursor();
    close();
    clearTitle();
    clearLines();
}

void SelectionArea::setTitle(const QByteArray &stored)
{
    PanelSelTit->setText(displayText(stored.trimmed()));
}

void SelectionArea::clearTitle() { PanelSelTit->clear(); }

void SelectionArea::showLines(const NumberedLines &lines, bool courier)
{
    if (courier) {
        QFont font(QStringLiteral("Courier"));
        font.setPointSize(10);
        font.setBold(true);
        ListSel->setFont(font);
    }
    ListSel->clear();
    for (const QByteArray &line : lines.lines) {
        auto *item = new QListWidgetItem(displayText(line), ListSel);
        // Region and branch headings stand out.
        if (line.startsWith('-'))
            item->setForeground(QColor(128, 0, 0));
    }
    m_lineNumbers = lines.numbers;
}

void SelectionArea::showLines(const std::vector<QByteArray> &lines, bool courier)
{
    showLines(NumberedLines{lines, std::vector<int>(lines.size(), 0)}, courier);
}

void SelectionArea::clearLines()
{
    ListSel->clear();
    m_lineNumbers.clear();
}

void SelectionArea::showText(const std::vector<QByteArray> &lines)
{
    QStringList shown;
    for (const QByteArray &line : lines)
        shown << displayText(line);
    Richedit1->setPlainText(shown.join(QLatin1Char('\n')));
    Richedit1->moveCursor(QTextCursor::Start);
    Richedit1->show();
    Richedit1->raise();
}

void SelectionArea::hideText() { Richedit1->hide(); }

void SelectionArea::showList() { ListSel->show(); }

void SelectionArea::hideList() { ListSel->hide(); }

void SelectionArea::scrollToRow(int row)
{
    const int rowHeight = std::max(ListSel->sizeHintForRow(0), 1);
    const int shown = ListSel->viewport()->height() / rowHeight;
    for (int blank = blankRowsToScrollToTop(ListSel->count(), row, shown); blank > 0; --blank)
        ListSel->addItem(QString());
    if (row < ListSel->count())
        ListSel->scrollToItem(ListSel->item(row), QAbstractItemView::PositionAtTop);
}

void SelectionArea::setPointingHand(bool pointing)
{
    if (pointing)
        ListSel->setCursor(Qt::PointingHandCursor);
    else
        ListSel->unsetCursor();
}

void SelectionArea::showPrintButton(bool shown) { BotImprimir->setVisible(shown); }

void SelectionArea::showChosenPrintButton(bool shown) { BotImprimirN->setVisible(shown); }

void SelectionArea::setListFontSize(int points) { ListSel->setFont(settingsFont(points)); }

void SelectionArea::showReport(const ListingReport &report)
{
    Richedit1->hide();
    std::vector<QByteArray> lines{report.title};
    lines.insert(lines.end(), report.rows.begin(), report.rows.end());
    showLines(lines, true);
    ListSel->show();
}

void SelectionArea::printReport(const ListingReport &report, int fontSize)
{
    PrintListing(report.title, report.rows, report.boldRows, fontSize);
}

void SelectionArea::BotImprimirClick() { m_window->printShownList(); }

void SelectionArea::BotImprimirNClick() { m_window->printChosen(); }

void SelectionArea::showBackButton(bool shown) { BotRetroceder->setVisible(shown); }

// A degree line of a centre's list opens the catalogue on that degree; a web
// address opens in the browser.
void SelectionArea::ListSelDblClick(int row)
{
    if (row < 0)
        return;
    const SelectionViews &views = m_window->views();
    if (views.university && !views.byDegree) {
        if (row < static_cast<int>(m_lineNumbers.size()) && m_lineNumbers[row] != 0)
            m_window->openCatalogueOn(m_lineNumbers[row]);
        return;
    }
    const QByteArray line = storedText(ListSel->item(row)->text()).trimmed();
    if (line.startsWith("http"))
        m_window->openWebPage(line);
}

void SelectionArea::BotRetrocederClick() { m_window->goBack(); }

} // namespace velmira
