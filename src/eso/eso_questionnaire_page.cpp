#include "eso_questionnaire_page.h"

#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "eso/eso_questions.h"
#include "eso/eso_results_page.h"
#include "eso/eso_window.h"
#include "widgets/question_window.h"
#include "widgets/window_controls.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

namespace velmira {

namespace {

constexpr int kPageLeft = 300;
constexpr int kGridHelpMessage = 31; // how to answer in the grid

int questionCount() { return esoData().cuestion.count(); }

} // namespace

EsoQuestionnairePage::EsoQuestionnairePage(TForm2 *window, EsoQuestionnaire &answers, EsoResultsPage *results)
    : QObject(window)
    , m_window(window)
    , m_answers(answers)
    , m_results(results)
{
    PanelCuestio = new QWidget(window);
    PanelCuestio->setObjectName(QStringLiteral("PanelCuestio"));
    PanelCuestio->setGeometry(kPageLeft, 40, 482, 640);
    Gcuestio = new QTableWidget(0, 3, PanelCuestio);
    Gcuestio->setObjectName(QStringLiteral("Gcuestio"));
    Gcuestio->setGeometry(0, 0, 482, 640);
    Gcuestio->setSelectionBehavior(QAbstractItemView::SelectRows);
    Gcuestio->setSelectionMode(QAbstractItemView::SingleSelection);
    Gcuestio->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A long question wraps onto a second line of its row rather than ending in "...".
    Gcuestio->setWordWrap(true);
    Gcuestio->setTextElideMode(Qt::ElideNone);
    Gcuestio->setTabKeyNavigation(false); // the arrows move in the grid, Tab leaves it
    Gcuestio->verticalHeader()->hide();
    Gcuestio->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Gcuestio->setColumnWidth(0, 323);
    Gcuestio->setColumnWidth(1, 85);
    Gcuestio->setColumnWidth(2, 53);
    Gcuestio->installEventFilter(this);
    Gcuestio->viewport()->installEventFilter(this);
    PanelCuestio->hide();

    BotResCues = button(window, "BotResCues", QRect(kPageLeft, 700, 190, 33));
    AcabarCues = button(window, "AcabarCues", QRect(kPageLeft + 200, 700, 150, 33));
    BotContinuar = button(window, "BotContinuar", QRect(0, 0, 150, 33));
    // The arrow that takes the pupil on from the short result.
    BotContinuar->setText(QStringLiteral("\u2192"));
    for (QPushButton *widget : {BotResCues, AcabarCues, BotContinuar})
        widget->hide();
    connect(BotResCues, &QPushButton::clicked, this, &EsoQuestionnairePage::BotResCuesClick);
    connect(AcabarCues, &QPushButton::clicked, this, &EsoQuestionnairePage::acabarCuesClick);
    connect(BotContinuar, &QPushButton::clicked, this, &EsoQuestionnairePage::BotContinuarClick);
}

void EsoQuestionnairePage::setFonts()
{
    PanelCuestio->setFont(settingsFont(14));
    Gcuestio->setFont(settingsFont(11));
}

// Every press on a row answers it, the second press of a quick pair too
// (it arrives as a double-click); Enter answers the current row as a click does.
bool EsoQuestionnairePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Gcuestio->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        GcuestioMouseDown(Gcuestio->rowAt(at.y()));
        return false;
    }
    if (watched == Gcuestio && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            GcuestioMouseDown(Gcuestio->currentRow());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void EsoQuestionnairePage::openFull()
{
    begin();
    m_answers.beginFull(questionCount());
    start();
}

void EsoQuestionnairePage::openShort()
{
    begin();
    m_answers.beginShort();
    start();
}

// What both questionnaire buttons do before the questionnaire starts.
void EsoQuestionnairePage::begin()
{
    m_window->narrowMenuToQuestionnaire();
    m_window->setQuestionnaireActive(true);
}

void EsoQuestionnairePage::start()
{
    m_results->close();
    for (QWidget *widget : {PanelCuestio, static_cast<QWidget *>(Gcuestio),
                            static_cast<QWidget *>(BotResCues), static_cast<QWidget *>(AcabarCues)})
        widget->show();
    BotResCues->setText(uiText(kResultsCaption));
    AcabarCues->setText(uiText(kExitCaption));
    BotContinuar->hide();

    if (m_answers.asksFreshStart()) {
        if (Form4->askYesNo(uiText(kQuestionnaireResetQuestion)))
            m_answers.startFresh();
        else
            m_answers.keepAnswers(questionCount());
    }
    m_window->showHelp(m_answers.pass ? 30 : 31);

    const GridRows rows = m_answers.startGrid(questionCount());
    const int previousRows = Gcuestio->rowCount();
    Gcuestio->setRowCount(m_answers.shownCount);
    // Rows added back after a shorter grid show the questions they held.
    for (int row = previousRows; row < Gcuestio->rowCount(); ++row)
        showGridRow(row + 1, QByteArray(), QByteArray());
    Gcuestio->resizeRowsToContents();
    Gcuestio->scrollToTop();
    if (rows.last < rows.first)
        return;
    Gcuestio->setFocus();
    writeGridHeader();
    m_answers.fillRows(esoData().cuestion, rows);
    for (int question = rows.first; question <= rows.last; ++question)
        showGridRow(question, QByteArray(), QByteArray());
    Gcuestio->resizeRowsToContents();
    if (QTableWidgetItem *top = Gcuestio->item(rows.topRow - 1, 0)) {
        // The scroll range follows the new row count only once laid out.
        Gcuestio->doItemsLayout();
        Gcuestio->scrollToItem(top, QAbstractItemView::PositionAtTop);
        Gcuestio->setCurrentItem(top);
    }
}

void EsoQuestionnairePage::writeGridHeader()
{
    Gcuestio->setHorizontalHeaderLabels(
        {uiText(kQuestionnairesCaption), uiText(kAnswerColumnHeading), QStringLiteral("Not")});
}

void EsoQuestionnairePage::showGridRow(int question, const QByteArray &label, const QByteArray &stars)
{
    const int row = question - 1;
    const QString cells[] = {displayText(m_answers.sheet.text(question)), displayText(label),
                             displayText(stars)};
    for (int column = 0; column < 3; ++column) {
        QTableWidgetItem *item = Gcuestio->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            Gcuestio->setItem(row, column, item);
        }
        item->setText(cells[column]);
    }
}

void EsoQuestionnairePage::GcuestioMouseDown(int row)
{
    if (row < 0 || row >= Gcuestio->rowCount())
        return;
    const int question = row + 1;
    const AnswerCells cells = m_answers.sheet.advance(question);
    showGridRow(question, cells.label, cells.stars);
}

void EsoQuestionnairePage::BotResCuesClick()
{
    if (m_answers.resultsShown) {
        m_results->close();
        PanelCuestio->show();
        Gcuestio->show();
        BotResCues->setText(uiText(kResultsCaption));
        m_answers.resultsShown = false;
        m_window->showHelp(kGridHelpMessage); // the results' help goes with them
        return;
    }
    m_answers.resultsShown = true;
    PanelCuestio->hide();
    BotResCues->setText(uiText(kBackToQuestionsCaption));
    m_results->open();
    if (m_answers.shortMode) {
        BotContinuar->move(AcabarCues->geometry().right() + 1 + 10, AcabarCues->y() - 4);
        BotContinuar->show();
        BotContinuar->raise(); // over the results' button panel, which it overlaps
    }
    Gcuestio->hide();
}

void EsoQuestionnairePage::BotContinuarClick()
{
    BotContinuar->hide();
    if (!m_answers.pass) {
        acabarCuesClick();
        m_window->handOffToMiddleGrade();
        return;
    }
    m_answers.continueAfterPass(questionCount());
    start();
}

void EsoQuestionnairePage::acabarCuesClick()
{
    m_window->restoreMenuAfterQuestionnaire();
    BotContinuar->hide();
    m_results->close();
    for (QWidget *widget :
         {PanelCuestio, static_cast<QWidget *>(BotResCues), static_cast<QWidget *>(AcabarCues)})
        widget->hide();
    m_window->setQuestionnaireActive(false);
    m_answers.end();
}

} // namespace velmira
