#include "professions_results_page.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/print_state.h"
#include "widgets/question_window.h"
#include "widgets/report_printer.h"
#include "data/text_bytes.h"
#include "widgets/window_controls.h"
#include "data/text_ids.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace velmira {

namespace text = professions_text;

namespace {

const QRect kPanelArea(20, 56, 984, 612);
constexpr int kColumnLeft = 480;
constexpr int kSlideStart = 300;
constexpr int kSlideStop = 20;
constexpr int kSlideStep = 4;
constexpr int kFirstLabelTicks = 70;
constexpr int kProfessionListMaxHeight = 280;
constexpr int kStudentNameCapacity = 45;
constexpr int kReportFontSize = 9;

QListWidget *resultList(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setFont(settingsFont(11));
    return list;
}

// A list as high as its rows, up to a limit.
void fitRows(QListWidget *list, int rows, int maxHeight)
{
    const int row = list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height() + 4;
    list->resize(list->width(), std::min(rows * row + 2 * list->frameWidth(), maxHeight));
}

int rowAt(QListWidget *list, QEvent *event)
{
    const QListWidgetItem *item = list->itemAt(static_cast<QMouseEvent *>(event)->position().toPoint());
    return item ? list->row(item) : -1;
}

} // namespace

ProfessionsResultsPage::ProfessionsResultsPage(QWidget *window)
    : QObject(window)
{
    createPanel(window);
    createDetailLists(window);
    setCaptions();
    TimerAyu = new QTimer(this);
    TimerAyu->setInterval(50);
    connect(TimerAyu, &QTimer::timeout, this, &ProfessionsResultsPage::TimerAyuTimer);
    close();
}

void ProfessionsResultsPage::createPanel(QWidget *window)
{
    PanelResul = panel(window, kPanelArea, colour6());
    PanelResul->setObjectName(QStringLiteral("PanelResul"));
    LabelTit1 = textLabel(PanelResul, "LabelTit1", QRect(kSlideStart, 8, 900, 30), 13, true);
    LabelTit1->setWordWrap(false);
    ListResulProf = resultList(PanelResul, "ListResulProf", QRect(20, 44, 440, kProfessionListMaxHeight));
    LabelTitExpli = textLabel(PanelResul, "LabelTitExpli", QRect(20, 332, 440, 48), 10);
    LabelActi = textLabel(PanelResul, "LabelActi", QRect(kSlideStart, 388, 440, 60), 11, true);
    ListResulAct = resultList(PanelResul, "ListResulAct", QRect(20, 452, 440, 90));
    Labeltit2 = textLabel(PanelResul, "Labeltit2", QRect(kColumnLeft, 44, 484, 24), 11, true);
    LabelTit3 = textLabel(PanelResul, "LabelTit3", QRect(kColumnLeft, 70, 484, 24), 11);
    LabelTit3->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));

    BotImp = button(window, "BotImp", QRect(764, 680, 130, 44));
    BotImp->setAutoDefault(true);
    BotImp->setFont(settingsFont(12));
    connect(BotImp, &QPushButton::clicked, this, &ProfessionsResultsPage::BotImpClick);

    for (QListWidget *list : {ListResulProf, ListResulAct}) {
        list->viewport()->setMouseTracking(true);
        list->viewport()->installEventFilter(this);
    }
    connect(ListResulProf, &QListWidget::currentRowChanged, this,
            &ProfessionsResultsPage::showProfessionDetails);
    connect(ListResulAct, &QListWidget::currentRowChanged, this,
            &ProfessionsResultsPage::showActivityDetails);
}

// The studies and the professions of an activity lie over the panel's
// right column.
void ProfessionsResultsPage::createDetailLists(QWidget *window)
{
    const QPoint corner = kPanelArea.topLeft();
    listTit = resultList(window, "listTit", QRect(corner + QPoint(kColumnLeft, 98), QSize(484, 270)));
    ListResProf =
        resultList(window, "ListResProf", QRect(corner + QPoint(kColumnLeft, 388), QSize(484, 210)));
    listTit->viewport()->installEventFilter(this);
    connect(listTit, &QListWidget::itemActivated, this, &ProfessionsResultsPage::listTitMouseDown);
}

void ProfessionsResultsPage::setCaptions()
{
    LabelTit1->setText(uiText(text::kStatementProfessions));
    LabelActi->setText(uiText(text::kActivitiesFirst) + QLatin1Char(' ') + uiText(text::kActivitiesSecond));
    Labeltit2->setText(uiText(text::kStudiesOfProfession));
    LabelTitExpli->setText(uiText(text::kExplanationFirst) + QLatin1Char(' ')
                           + uiText(text::kExplanationSecond));
    BotImp->setText(uiText(text::kPrint));
}

void ProfessionsResultsPage::open(const ProfessionsResults &results)
{
    m_results = results;
    m_hoverLocked = false;
    {
        const QSignalBlocker quietActivities(ListResulAct);
        const QSignalBlocker quietProfessions(ListResulProf);
        fillList(ListResulAct, activityRows(professionsData(), results.activities));
        fillList(ListResulProf, professionRows(professionsData(), results.professions));
        fitRows(ListResulProf, ListResulProf->count(), kProfessionListMaxHeight);
        fitRows(ListResulAct, 3, 3 * 40);
        ListResulAct->setCurrentRow(0);
        ListResulProf->setCurrentRow(0);
    }
    listTit->clear();
    ListResProf->clear();
    LabelTit3->clear();
    LabelTit1->move(kSlideStart, LabelTit1->y());
    LabelActi->move(kSlideStart, LabelActi->y());
    m_slideTicks = 0;
    for (QWidget *w : std::initializer_list<QWidget *>{PanelResul, BotImp, listTit, ListResProf}) {
        w->show();
        w->raise();
    }
    ListResulProf->setFocus();
    TimerAyu->start();
}

void ProfessionsResultsPage::close()
{
    TimerAyu->stop();
    for (QWidget *w : std::initializer_list<QWidget *>{PanelResul, BotImp, listTit, ListResProf})
        w->hide();
}

bool ProfessionsResultsPage::isShown() const { return PanelResul->isVisible(); }

void ProfessionsResultsPage::forgetStudentName() { m_studentName.clear(); }

bool ProfessionsResultsPage::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == ListResulProf->viewport()) {
        if (type == QEvent::MouseMove)
            ListResulProfMouseMove(rowAt(ListResulProf, event));
        else if (type == QEvent::MouseButtonRelease)
            ListResulProfMouseUp(rowAt(ListResulProf, event));
    } else if (watched == ListResulAct->viewport()) {
        if (type == QEvent::MouseMove)
            ListResulActMouseMove(rowAt(ListResulAct, event));
        else if (type == QEvent::MouseButtonRelease)
            ListResulActMouseUp(rowAt(ListResulAct, event));
    } else if (watched == listTit->viewport() && type == QEvent::MouseButtonPress) {
        listTitMouseDown();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// Over the result lists, the row under the pointer is selected and its
// details shown, unless a click has locked them.
void ProfessionsResultsPage::ListResulProfMouseMove(int row)
{
    if (!m_hoverLocked && row >= 1)
        ListResulProf->setCurrentRow(row);
}

void ProfessionsResultsPage::ListResulActMouseMove(int row)
{
    if (!m_hoverLocked && row >= 1)
        ListResulAct->setCurrentRow(row);
}

void ProfessionsResultsPage::ListResulProfMouseUp(int row)
{
    m_hoverLocked = !m_hoverLocked;
    if (row >= 0)
        ListResulProf->setCurrentRow(row);
}

void ProfessionsResultsPage::ListResulActMouseUp(int row)
{
    m_hoverLocked = !m_hoverLocked;
    if (row >= 0)
        ListResulAct->setCurrentRow(row);
}

void ProfessionsResultsPage::showProfessionDetails(int row)
{
    if (row < 1 || row > static_cast<int>(m_results.professions.size()))
        return;
    LabelTit3->setText(ListResulProf->item(row)->text());
    fillList(listTit, studiesLines(professionsData(), content(), m_results.professions[row - 1]));
}

void ProfessionsResultsPage::showActivityDetails(int row)
{
    if (row < 1 || row > static_cast<int>(std::min<size_t>(m_results.activities.size(), 2)))
        return;
    fillList(ListResProf, activityDetails(professionsData(), m_results.activities[row - 1], row));
}

void ProfessionsResultsPage::listTitMouseDown() { emit studyClicked(); }

// `TimerAyuTimer`: the heading of the professions slides to its place, then
// the heading of the activities.
void ProfessionsResultsPage::TimerAyuTimer()
{
    ++m_slideTicks;
    QLabel *label = m_slideTicks <= kFirstLabelTicks ? LabelTit1 : LabelActi;
    if (label->x() > kSlideStop)
        label->move(std::max(label->x() - kSlideStep, kSlideStop), label->y());
    else if (label == LabelActi)
        TimerAyu->stop();
}

// The pupil's name, asked until one is given; false when declined.
bool ProfessionsResultsPage::askStudentName()
{
    while (m_studentName.isEmpty()) {
        const std::optional<QString> typed = Form4->askName(uiText(text::kAskName));
        if (!typed)
            return false;
        m_studentName = storedText(*typed).left(kStudentNameCapacity);
    }
    return true;
}

void ProfessionsResultsPage::BotImpClick()
{
    if (!askStudentName())
        return;
    const ProfessionsReport report = professionsReport(professionsData(), content(), m_results);
    LineTable &buffer = work().print1;
    const int last = fillProfessionsReport(buffer, m_studentName, report);
    setBoldLines(report.boldLines);
    if (askPrintQuestion())
        PrintLines(buffer, last, false, kReportFontSize);
}

} // namespace velmira
