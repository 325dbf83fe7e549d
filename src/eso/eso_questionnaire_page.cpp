// The questionnaire page of the ESO window: the grid of questions answered by
// clicks, the short and the full questionnaire, and their end.

#include "eso_window.h"

#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "explorers/middle_grade_window.h"
#include "widgets/question_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace velmira {

namespace {

constexpr int kPageLeft = 300;

int questionCount() { return esoData().cuestion.count(); }

} // namespace

void TForm2::createQuestionnairePage()
{
    PanelCuestio = new QWidget(this);
    PanelCuestio->setGeometry(kPageLeft, 40, 482, 640);
    Gcuestio = new QTableWidget(0, 3, PanelCuestio);
    Gcuestio->setObjectName(QStringLiteral("Gcuestio"));
    Gcuestio->setGeometry(0, 0, 482, 640);
    Gcuestio->setSelectionBehavior(QAbstractItemView::SelectRows);
    Gcuestio->setSelectionMode(QAbstractItemView::SingleSelection);
    Gcuestio->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Gcuestio->verticalHeader()->hide();
    Gcuestio->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Gcuestio->setColumnWidth(0, 323);
    Gcuestio->setColumnWidth(1, 85);
    Gcuestio->setColumnWidth(2, 53);
    Gcuestio->installEventFilter(this);
    connect(Gcuestio, &QTableWidget::cellPressed, this, [this](int row, int) { GcuestioMouseDown(row); });
    PanelCuestio->hide();

    BotResCues = new QPushButton(this);
    BotResCues->setObjectName(QStringLiteral("BotResCues"));
    BotResCues->setGeometry(kPageLeft, 700, 190, 33);
    AcabarCues = new QPushButton(this);
    AcabarCues->setObjectName(QStringLiteral("AcabarCues"));
    AcabarCues->setGeometry(kPageLeft + 200, 700, 150, 33);
    BotContinuar = new QPushButton(this);
    BotContinuar->setObjectName(QStringLiteral("BotContinuar"));
    BotContinuar->resize(150, 33);
    for (QPushButton *widget : {BotResCues, AcabarCues, BotContinuar})
        widget->hide();
    connect(BotResCues, &QPushButton::clicked, this, &TForm2::BotResCuesClick);
    connect(AcabarCues, &QPushButton::clicked, this, &TForm2::acabarCuesClick);
    connect(BotContinuar, &QPushButton::clicked, this, &TForm2::BotContinuarClick);
}

void TForm2::BotCuestio1Click()
{
    beginQuestionnaire();
    m_questionnaire.beginFull(questionCount());
    startQuestionnaire();
}

void TForm2::BotCuestio3Click()
{
    beginQuestionnaire();
    m_questionnaire.beginShort();
    startQuestionnaire();
}

// What both questionnaire buttons do before the questionnaire starts.
void TForm2::beginQuestionnaire()
{
    for (QWidget *widget :
         {static_cast<QWidget *>(Labelano), static_cast<QWidget *>(Labelano2),
          static_cast<QWidget *>(BotItinerarios), PanelMenu2, static_cast<QWidget *>(BitAcabarLogse)})
        widget->hide();
    botCuestio->setEnabled(false);
    PanelItiner->show();
    PanelItiner->lower();
    if (m_drawing.itineraryActive()) {
        m_drawing.reset();
        BotCerrarVMouseUp();
        for (QPushButton *button : subjectBoxButtons)
            button->hide();
        update();
    }
    m_questionnaireActive = true;
}

void TForm2::startQuestionnaire()
{
    for (QWidget *widget : {PanelCuestio, static_cast<QWidget *>(Gcuestio),
                            static_cast<QWidget *>(BotResCues), static_cast<QWidget *>(AcabarCues)})
        widget->show();
    BotResCues->setText(uiText(kResultsCaption));
    AcabarCues->setText(uiText(kExitCaption));
    grabar->setText(uiText(kSaveCaption));
    BotCerrar->setText(uiText(kCloseCaption));
    BotImpTit->setText(uiText(kPrintListCaption));
    BotContinuar->hide();

    if (m_questionnaire.asksFreshStart()) {
        if (Form4->askYesNo(uiText(kQuestionnaireResetQuestion)))
            m_questionnaire.startFresh();
        else
            m_questionnaire.keepAnswers(questionCount());
    }
    showHelp(m_questionnaire.pass ? 30 : 31);

    const GridRows rows = m_questionnaire.startGrid(questionCount());
    const int previousRows = Gcuestio->rowCount();
    Gcuestio->setRowCount(m_questionnaire.shownCount);
    // Rows added back after a shorter grid show the questions they held.
    for (int row = previousRows; row < Gcuestio->rowCount(); ++row)
        showGridRow(row + 1, QByteArray(), QByteArray());
    Gcuestio->scrollToTop();
    if (rows.last < rows.first)
        return;
    Gcuestio->setFocus();
    writeGridHeader();
    m_questionnaire.fillRows(esoData().cuestion, rows);
    for (int question = rows.first; question <= rows.last; ++question)
        showGridRow(question, QByteArray(), QByteArray());
    if (QTableWidgetItem *top = Gcuestio->item(rows.topRow - 1, 0))
        Gcuestio->scrollToItem(top, QAbstractItemView::PositionAtTop);
}

void TForm2::writeGridHeader()
{
    Gcuestio->setHorizontalHeaderLabels(
        {uiText(kQuestionnairesCaption), uiText(kAnswerColumnHeading), QStringLiteral("Not")});
}

void TForm2::showGridRow(int question, const QByteArray &label, const QByteArray &stars)
{
    const int row = question - 1;
    const QString cells[] = {displayText(m_questionnaire.sheet.text(question)), displayText(label),
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

void TForm2::GcuestioMouseDown(int row)
{
    if (row < 0 || row >= Gcuestio->rowCount())
        return;
    const int question = row + 1;
    const AnswerCells cells = m_questionnaire.sheet.advance(question);
    showGridRow(question, cells.label, cells.stars);
}

void TForm2::BotContinuarClick()
{
    BotContinuar->hide();
    if (!m_questionnaire.pass) {
        acabarCuesClick();
        handOffToMiddleGrade();
        return;
    }
    m_questionnaire.continueAfterPass(questionCount());
    startQuestionnaire();
}

void TForm2::acabarCuesClick()
{
    botCuestio->show();
    botCuestio->setEnabled(true);
    BitAcabarLogse->show();
    // The rest of the menu comes back too, so the pupil can go on from here.
    BotItinerarios->show();
    Labelano->show();
    Labelano2->show();
    BotContinuar->hide();
    PanelCar->hide();
    PanelMenu2->show();
    PanelMenu->show();
    for (QWidget *widget : {PanelCuestio, static_cast<QWidget *>(ListresCues), PanelAbajoRes,
                            static_cast<QWidget *>(BotResCues), static_cast<QWidget *>(AcabarCues),
                            static_cast<QWidget *>(ImpResul), static_cast<QWidget *>(grabar)})
        widget->hide();
    m_questionnaireActive = false;
    m_questionnaire.end();
}

void TForm2::BotCuestio2Click()
{
    m_questionnaire.studentName.clear();
    hide();
    handOffToMiddleGrade();
}

void TForm2::handOffToMiddleGrade() { openExplorer(Form3); }

void TForm2::openExplorer(WindowBase *explorer)
{
    if (explorer)
        explorer->openFrom(this);
}

} // namespace velmira
