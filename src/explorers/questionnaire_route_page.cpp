#include "questionnaire_route_page.h"

#include "explorers/middle_grade_catalogue.h"
#include "explorers/middle_grade_layout.h"
#include "widgets/theme_assets.h"
#include "explorers/questionnaire_titles.h"
#include "explorers/title_route_page.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/picture_names.h"
#include "data/print_buffer.h"
#include "data/print_state.h"
#include "widgets/question_window.h"
#include "widgets/report_printer.h"
#include "data/text_bytes.h"
#include "widgets/window_controls.h"
#include "widgets/row_choice.h"
#include "widgets/widget_groups.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace velmira {

using namespace middle_grade_text;

using namespace middlegrade;

namespace {

constexpr int kAnimationInterval = 100;
constexpr int kGuideStep = 40;
constexpr int kGuideStops = 150;
constexpr int kGuidePictureGap = 85;
constexpr int kNameCapacity = 45;
constexpr int kReportFontSize = 9;

// The icon beside each interest area.
constexpr int kAreaIcons[kMiddleAreaCount] = {
    pictures::IconHealth,         pictures::IconPhysicalActivities,  pictures::IconHospitality,
    pictures::IconAdministration, pictures::IconComputing,           pictures::IconMechanicalManufacturing,
    pictures::IconBuilding,       pictures::IconPersonalImage,       pictures::IconChemistry,
    pictures::IconAgriculture,    pictures::IconHistoryAndGeography,
};

std::vector<int> selectedRows(const QListWidget *list)
{
    std::vector<int> rows;
    for (const QListWidgetItem *item : list->selectedItems())
        rows.push_back(list->row(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void selectRows(QListWidget *list, const std::vector<int> &rows)
{
    list->clearSelection();
    for (int row : rows)
        if (QListWidgetItem *item = list->item(row))
            item->setSelected(true);
}

bool isReturn(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

QuestionnaireRoutePage::QuestionnaireRoutePage(QWidget *window, MiddleGradeState &state,
                                               const MiddleGradeFrame &frame, TitleRoutePage &titles)
    : QObject(window)
    , m_window(window)
    , m_state(state)
    , m_frame(frame)
    , m_titles(titles)
{
    createLists(window);
    createButtons(window);
    TimerAyu = new QTimer(this);
    TimerAyu->setInterval(kAnimationInterval);
    connect(TimerAyu, &QTimer::timeout, this, &QuestionnaireRoutePage::TimerAyuTimer);
    TimerReduce = new QTimer(this);
    TimerReduce->setInterval(kAnimationInterval);
    connect(TimerReduce, &QTimer::timeout, this, &QuestionnaireRoutePage::TimerReduceTimer);
    connect(&titles, &TitleRoutePage::centresListed, this, &QuestionnaireRoutePage::addCentres);
    hideAll();
}

void QuestionnaireRoutePage::createLists(QWidget *window)
{
    ListGM = new QListWidget(window);
    ListGM->setObjectName(QStringLiteral("ListGM"));
    ListGM->setGeometry(kQuestionnaire);
    ListGM->setFont(settingsFont(12));
    ListGM->setIconSize(QSize(30, 30));
    ListGM->installEventFilter(this);
    connect(ListGM, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (m_stage == Stage::Titles)
            ListGMClick(ListGM->row(item));
    });

    ListGM2 = new QListWidget(window);
    ListGM2->setObjectName(QStringLiteral("ListGM2"));
    ListGM2->setGeometry(kQuestionnaire);
    ListGM2->setFont(settingsFont(12));
    ListGM2->setSelectionMode(QAbstractItemView::MultiSelection);
    ListGM2->setWordWrap(true);
    ListGM2->installEventFilter(this);

    ListPeque = new QListWidget(window);
    ListPeque->setObjectName(QStringLiteral("ListPeque"));
    ListPeque->setGeometry(kBelowMap);
    ListPeque->setFont(settingsFont(10));
    ListPeque->setWordWrap(true);
    onRowChosen(ListPeque, [this](int row) { ListPequeClick(row); });
}

void QuestionnaireRoutePage::createButtons(QWidget *window)
{
    const int y = kBottomRow.y() - 4;
    BotSalirCues = button(window, "BotSalirCues", QRect(kBottomRow.x(), kBottomRow.y(), 100, kButtonHeight));
    connect(BotSalirCues, &QPushButton::clicked, this, &QuestionnaireRoutePage::BotSalirCuesClick);
    BitFleGMiz = button(window, "BitFleGMiz", QRect(kQuestionnaire.x(), y, 90, 40));
    BitFleGMiz->setIcon(window->style()->standardIcon(QStyle::SP_ArrowLeft));
    BitFleGMiz->setIconSize(QSize(28, 28));
    connect(BitFleGMiz, &QPushButton::clicked, this, &QuestionnaireRoutePage::BitFleGMizClick);
    BitFleGMde = button(window, "BitFleGMde", QRect(kQuestionnaire.right() + 1 - 90, y, 90, 40));
    BitFleGMde->setIcon(window->style()->standardIcon(QStyle::SP_ArrowRight));
    BitFleGMde->setIconSize(QSize(28, 28));
    connect(BitFleGMde, &QPushButton::clicked, this, &QuestionnaireRoutePage::BitFleGMdeClick);
    BotImprimirCuesGM = button(window, "BotImprimirCuesGM",
                               QRect(kListing.right() + 1 - 200, kBottomRow.y(), 200, kButtonHeight));
    connect(BotImprimirCuesGM, &QPushButton::clicked, this, &QuestionnaireRoutePage::BotImprimirCuesGMClick);
}

void QuestionnaireRoutePage::setCaptions()
{
    BotSalirCues->setText(uiText(kLeave));
    BotImprimirCuesGM->setText(uiText(kPrint));
    BitFleGMiz->setToolTip(uiText(kBack));
}

void QuestionnaireRoutePage::hideAll()
{
    TimerAyu->stop();
    TimerReduce->stop();
    ListGM->setGeometry(kQuestionnaire);
    hideWidgets({ListGM, ListGM2, ListPeque, BitFleGMde, BitFleGMiz, BotImprimirCuesGM, BotSalirCues});
}

void QuestionnaireRoutePage::start()
{
    m_areaRows.clear();
    m_itemRows.clear();
    m_printLines.clear();
    BotSalirCues->show();
    showAreas();
    // The guide comes in from the right edge.
    m_frame.LabAyuGM->move(m_window->width() - 30, kGuideTop);
    m_frame.HeliPeque->move(m_frame.LabAyuGM->x() - kGuidePictureGap, kGuideTop - 12);
    m_frame.LabAyuGM->show();
    m_frame.HeliPeque->show();
    TimerAyu->start();
}

void QuestionnaireRoutePage::TimerAyuTimer()
{
    QLabel *label = m_frame.LabAyuGM;
    const int left = label->x() - kGuideStep;
    label->setGeometry(left, label->y(), m_window->width() - 80 - left, label->height());
    m_frame.HeliPeque->move(left - kGuidePictureGap, m_frame.HeliPeque->y());
    if (left < kGuideStops)
        TimerAyu->stop();
}

void QuestionnaireRoutePage::showAreas()
{
    m_stage = Stage::Areas;
    m_frame.LabAyuGM->setText(uiText(kChooseAreas));
    m_frame.LabAyuGM->show();
    m_frame.HeliPeque->show();
    m_frame.PanelSelTit->hide();
    const LineTable &areas = content().middleQuestionnaire.areas;
    ListGM->clear();
    ListGM->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int a = 1; a <= areas.count(); ++a)
        ListGM->addItem(
            new QListWidgetItem(listIcon(kAreaIcons[a - 1]), displayText(trimTrailingBlanks(areas.at(a)))));
    selectRows(ListGM, m_areaRows);
    ListGM->setCurrentRow(m_areaRows.empty() ? 0 : m_areaRows.front(), QItemSelectionModel::NoUpdate);
    ListGM2->hide();
    BitFleGMiz->hide();
    BitFleGMde->show();
    ListGM->show();
    ListGM->setFocus();
}

void QuestionnaireRoutePage::showItems()
{
    m_stage = Stage::Items;
    m_frame.LabAyuGM->setText(uiText(kChooseSentencesFirst) + QLatin1Char(' ')
                              + uiText(kChooseSentencesSecond));
    m_frame.LabAyuGM->show();
    m_frame.HeliPeque->show();
    m_frame.PanelSelTit->hide();
    ListGM2->clear();
    for (int item : m_items)
        ListGM2->addItem(displayText(trimTrailingBlanks(itemText(item))));
    selectRows(ListGM2, m_itemRows);
    ListGM2->setCurrentRow(m_itemRows.empty() ? 0 : m_itemRows.front(), QItemSelectionModel::NoUpdate);
    ListGM->hide();
    BitFleGMiz->show();
    BitFleGMde->show();
    ListGM2->show();
    ListGM2->setFocus();
}

void QuestionnaireRoutePage::fillTitleRows(QListWidget *list)
{
    list->clear();
    for (size_t i = 0; i < m_titleRows.size(); ++i) {
        const ListingRow &row = m_titleRows[i];
        // Titles stand under their family.
        const QString indent = row.title == 0 ? QString() : QStringLiteral("      ");
        auto *item = new QListWidgetItem(indent + displayText(trimTrailingBlanks(row.text)));
        // A family row heads at least one title row.
        if (row.title == 0 && i + 1 < m_titleRows.size()) {
            item->setIcon(listIcon(familyIcon(familyOfTitle(m_titleRows[i + 1].title))));
            QFont bold = list->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        list->addItem(item);
    }
}

void QuestionnaireRoutePage::showTitleRows()
{
    m_stage = Stage::Titles;
    m_frame.LabAyuGM->hide();
    m_frame.HeliPeque->hide();
    m_frame.PanelSelTit->setText(uiText(kTitlesByFamily));
    m_frame.PanelSelTit->show();
    ListGM->setSelectionMode(QAbstractItemView::SingleSelection);
    ListGM->setGeometry(kQuestionnaire);
    fillTitleRows(ListGM);
    ListGM->setCurrentRow(m_titleRows.size() > 1 ? 1 : 0);
    ListGM2->hide();
    ListPeque->hide();
    BitFleGMde->hide();
    BitFleGMiz->show();
    ListGM->show();
    ListGM->setFocus();
}

void QuestionnaireRoutePage::BitFleGMdeClick()
{
    if (m_stage == Stage::Areas) {
        const std::vector<int> rows = selectedRows(ListGM);
        if (choosesByPlace(rows)) {
            hideAll();
            m_frame.LabAyuGM->hide();
            m_frame.HeliPeque->hide();
            emit byPlaceChosen();
            return;
        }
        const std::vector<int> areas = recordedAreas(rows);
        if (areas.empty()) {
            QApplication::beep();
            return;
        }
        if (rows != m_areaRows)
            m_itemRows.clear();
        m_areaRows = rows;
        m_items = itemsOfAreas(areas);
        showItems();
        return;
    }
    if (m_stage == Stage::Items) {
        m_itemRows = selectedRows(ListGM2);
        if (m_itemRows.empty()) {
            QApplication::beep();
            return;
        }
        MarkedTitles marked;
        std::vector<int> chosenItems;
        for (int row : m_itemRows) {
            chosenItems.push_back(m_items[row]);
            markTitlesOfCode(itemCode(m_items[row]), marked);
        }
        m_titleRows = markedTitleRows(marked);
        m_printLines = questionnairePathLines(m_areaRows, chosenItems);
        showTitleRows();
    }
}

void QuestionnaireRoutePage::ListGMClick(int row)
{
    if (m_stage != Stage::Titles || row < 0 || row >= int(m_titleRows.size()) || m_titleRows[row].title == 0)
        return;
    m_stage = Stage::TitleChosen;
    m_pendingTitle = m_titleRows[row].title;
    m_state.route = ExplorerRoute::ByTitle;
    FillProvinceKeys();
    m_frame.LabAyuGM->hide();
    m_frame.HeliPeque->hide();
    BitFleGMiz->hide();
    m_reduceStep = 0;
    TimerReduce->start();
}

// The title list slides down and shrinks towards its small copy beside the map.
void QuestionnaireRoutePage::TimerReduceTimer()
{
    m_reduceStep += 2;
    const QRect now = ListGM->geometry();
    ListGM->setGeometry(now.x(), now.y() + m_reduceStep, now.width() - m_reduceStep - m_reduceStep / 2,
                        now.height() - m_reduceStep);
    if (ListGM->y() <= ListPeque->y())
        return;
    TimerReduce->stop();
    ListGM->hide();
    ListGM->setGeometry(kQuestionnaire);
    fillTitleRows(ListPeque);
    ListPeque->setCurrentRow(
        int(std::find_if(m_titleRows.begin(), m_titleRows.end(),
                         [this](const ListingRow &r) { return r.title == m_pendingTitle; })
            - m_titleRows.begin()));
    ListPeque->show();
    BitFleGMiz->show();
    m_titles.openTitle(m_pendingTitle);
}

void QuestionnaireRoutePage::ListPequeClick(int row)
{
    if (row < 0 || row >= int(m_titleRows.size()) || m_titleRows[row].title == 0)
        return;
    BotImprimirCuesGM->hide();
    m_titles.openTitle(m_titleRows[row].title);
}

void QuestionnaireRoutePage::addCentres(int title, const std::vector<ListingRow> &rows)
{
    if (!m_state.questionnaireMode)
        return;
    const std::vector<QByteArray> lines = questionnaireCentreLines(title, rows);
    m_printLines.insert(m_printLines.end(), lines.begin(), lines.end());
    BotImprimirCuesGM->show();
}

void QuestionnaireRoutePage::BitFleGMizClick() { stepBack(); }

bool QuestionnaireRoutePage::stepBack()
{
    switch (m_stage) {
    case Stage::TitleChosen:
        if (TimerReduce->isActive())
            return true;
        m_titles.closeTitle();
        BotImprimirCuesGM->hide();
        showTitleRows();
        return true;
    case Stage::Titles:
        m_frame.PanelSelTit->hide();
        showItems();
        return true;
    case Stage::Items: showAreas(); return true;
    case Stage::Areas: return false;
    }
    return false;
}

void QuestionnaireRoutePage::BotImprimirCuesGMClick()
{
    // The name is asked again until one is given.
    std::optional<QString> name;
    do {
        name = Form4->askName(uiText(kAskName));
        if (!name)
            return;
    } while (name->trimmed().isEmpty());
    LineTable &buffer = work().print3;
    const int count = fillPrintBuffer(buffer, storedText(name->trimmed()).left(kNameCapacity), m_printLines);
    setBoldLines({});
    if (askPrintQuestion())
        PrintLines(buffer, count, true, kReportFontSize);
}

void QuestionnaireRoutePage::BotSalirCuesClick() { emit leaveRequested(); }

// Return goes forward from the areas and the sentences, and chooses a title.
bool QuestionnaireRoutePage::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == ListGM || watched == ListGM2) && isReturn(event)) {
        if (m_stage == Stage::Titles)
            ListGMClick(ListGM->currentRow());
        else
            BitFleGMdeClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmira
