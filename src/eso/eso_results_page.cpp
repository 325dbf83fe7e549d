#include "eso_results_page.h"

#include "data/content_tables.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/print_state.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "eso/eso_scoring.h"
#include "eso/eso_window.h"
#include "eso/result_line_delegate.h"
#include "widgets/question_window.h"
#include "widgets/report_printer.h"
#include "widgets/result_file.h"
#include "widgets/theme_assets.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace velmira {

namespace {

constexpr int kListLeft = 300;

} // namespace

EsoResultsPage::EsoResultsPage(TForm2 *window, EsoQuestionnaire &answers)
    : QObject(window)
    , m_window(window)
    , m_answers(answers)
{
    createResultList();
    createDetailsPanel();
}

void EsoResultsPage::createResultList()
{
    ListresCues = new QListWidget(m_window);
    ListresCues->setObjectName(QStringLiteral("ListresCues"));
    ListresCues->setGeometry(kListLeft, 40, 700, 645);
    ListresCues->setUniformItemSizes(true);
    ListresCues->setItemDelegate(new ResultLineDelegate(m_list, themeAssets().icons, ListresCues));
    ListresCues->setMouseTracking(true);
    ListresCues->viewport()->installEventFilter(this);
    connect(ListresCues, &QListWidget::clicked, this,
            [this](const QModelIndex &index) { ListresCuesClick(index.row()); });
    ListresCues->hide();

    PanelAbajoRes = new QWidget(m_window);
    PanelAbajoRes->setObjectName(QStringLiteral("PanelAbajoRes"));
    PanelAbajoRes->setGeometry(kListLeft + 380, 695, 330, 45);
    ImpResul = button(PanelAbajoRes, "ImpResul", QRect(5, 5, 155, 33));
    grabar = button(PanelAbajoRes, "grabar", QRect(170, 5, 155, 33));
    connect(ImpResul, &QPushButton::clicked, this, &EsoResultsPage::ImpResulClick);
    connect(grabar, &QPushButton::clicked, this, &EsoResultsPage::grabarClick);
    PanelAbajoRes->hide();

    LabelAviso = new QLabel(m_window);
    LabelAviso->setObjectName(QStringLiteral("LabelAviso"));
    // In the strip above the list, where it covers no result line.
    LabelAviso->setGeometry(kListLeft, 10, 700, 26);
    LabelAviso->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 225); color: black;"));
    LabelAviso->hide();
}

void EsoResultsPage::createDetailsPanel()
{
    PanelCar = new QWidget(m_window);
    PanelCar->setObjectName(QStringLiteral("PanelCar"));
    PanelCar->setGeometry(kListLeft + 20, 80, 660, 560);
    QPalette shades = PanelCar->palette();
    shades.setColor(QPalette::Window, Qt::yellow);
    PanelCar->setPalette(shades);
    PanelCar->setAutoFillBackground(true);
    ListCar = new QListWidget(PanelCar);
    ListCar->setObjectName(QStringLiteral("ListCar"));
    ListCar->setGeometry(10, 10, 640, 495);
    BotImpTit = button(PanelCar, "BotImpTit", QRect(10, 517, 160, 33));
    BotCerrar = button(PanelCar, "BotCerrar", QRect(490, 517, 160, 33));
    connect(BotImpTit, &QPushButton::clicked, this, &EsoResultsPage::BotImpTitMouseUp);
    connect(BotCerrar, &QPushButton::clicked, this, &EsoResultsPage::BotCerrarMouseUp);
    PanelCar->hide();
}

void EsoResultsPage::setFonts()
{
    for (QWidget *widget : {PanelAbajoRes, PanelCar})
        widget->setFont(settingsFont(14));
    ListCar->setFont(settingsFont(11));
    QFont courier(QStringLiteral("courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(12);
    ListresCues->setFont(courier);
    LabelAviso->setFont(settingsFont(12));
}

void EsoResultsPage::setCaptions()
{
    LabelAviso->setText(uiText(kRankedItinerariesHint));
    ImpResul->setText(uiText(kPrintResultsCaption));
    grabar->setText(uiText(kSaveCaption));
    BotCerrar->setText(uiText(kCloseCaption));
    BotImpTit->setText(uiText(kPrintListCaption));
    for (QPushButton *captioned : {ImpResul, grabar, BotCerrar, BotImpTit})
        fitCaption(captioned);
}

void EsoResultsPage::open()
{
    if (!m_answers.shortMode)
        m_window->showHelp(32);
    PanelCar->hide();
    m_window->hideMenu();
    ListresCues->show();
    PanelAbajoRes->show();
    const ItemGroupRecord &groups = content().datgrub.third;
    if (m_answers.shortMode)
        m_list = shortResultList(scoreShortQuestionnaire(m_answers, groups), esoData());
    else
        m_list = fullResultList(scoreFullQuestionnaire(m_answers, groups, esoData()), esoData());
    grabar->setVisible(!m_answers.shortMode);
    ImpResul->setVisible(!m_answers.shortMode);
    fillList(ListresCues, resultListItems(m_list));
}

void EsoResultsPage::close()
{
    for (QWidget *widget :
         {static_cast<QWidget *>(ListresCues), PanelAbajoRes, static_cast<QWidget *>(ImpResul),
          static_cast<QWidget *>(grabar), static_cast<QWidget *>(LabelAviso), PanelCar})
        widget->hide();
}

bool EsoResultsPage::hideDetailsList()
{
    const bool shown = ListCar->isVisible();
    ListCar->hide();
    return shown;
}

bool EsoResultsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListresCues->viewport() && event->type() == QEvent::MouseMove)
        ListresCuesMouseMove(static_cast<QMouseEvent *>(event)->position().toPoint().y());
    if (watched == ListresCues->viewport() && event->type() == QEvent::Leave)
        LabelAviso->hide();
    return QObject::eventFilter(watched, event);
}

void EsoResultsPage::ListresCuesMouseMove(int y)
{
    const int top = ListresCues->indexAt(QPoint(1, 1)).row();
    const bool shown = rankingHintShown(m_list, y, ResultLineDelegate::kItemHeight, top < 0 ? 0 : top);
    LabelAviso->setVisible(shown);
    if (shown)
        LabelAviso->raise();
}

void EsoResultsPage::ListresCuesClick(int row)
{
    const int group = detailsGroupAt(m_list, row + 1);
    if (group == 0)
        return;
    m_window->showHelp(33);
    m_details = itineraryDetails(group, esoData(), content());
    std::vector<QByteArray> shown;
    for (const QByteArray &line : m_details)
        shown.push_back(trimTrailingBlanks(line));
    fillList(ListCar, shown);
    ListCar->show();
    PanelCar->show();
    PanelCar->raise();
}

void EsoResultsPage::BotCerrarMouseUp() { PanelCar->hide(); }

void EsoResultsPage::BotImpTitMouseUp()
{
    LineTable &buffer = work().print1;
    const EsoPrintJob job = fillDetailsPrint(buffer, m_details);
    setBoldLines(job.boldLines);
    if (askPrintQuestion())
        PrintLines(buffer, job.lastLine, job.monospaced, job.fontSize);
}

// Asks the pupil's name while none is kept; false when the pupil declines.
bool EsoResultsPage::askStudentName(StudentNameUse use)
{
    StudentName &name = m_answers.studentName;
    if (!name.isEmpty())
        return true;
    for (;;) {
        const std::optional<QString> typed = Form4->askName(uiText(kStudentNamePrompt));
        if (!typed)
            return false;
        if (name.accept(storedText(*typed), m_answers.course, use))
            return true;
    }
}

void EsoResultsPage::ImpResulClick()
{
    if (!m_window->questionnaireActive() || !askStudentName(StudentNameUse::Printing))
        return;
    LineTable &buffer = work().print1;
    const EsoPrintJob job = fillResultPrint(buffer, m_answers.studentName.text(), m_list);
    setBoldLines(job.boldLines);
    if (askPrintQuestion())
        PrintLines(buffer, job.lastLine, job.monospaced, job.fontSize);
}

void EsoResultsPage::grabarClick()
{
    if (!m_window->questionnaireActive() || !askStudentName(StudentNameUse::Saving))
        return;
    const std::optional<QString> file = chooseResultFile(m_window, m_answers.studentName.text());
    if (!file)
        return;
    PanelCar->hide();
    fillList(ListCar, resultPrintLines(m_answers.studentName.text(), m_list));
    // A failure shows the file error and keeps whatever the pupil had before.
    if (writeResultFile(*file, savedResultText(m_answers.studentName.text(), m_list)))
        m_window->showHelp(20);
}

} // namespace velmira
