#include "programme_lists_page.h"

#include "explorers/initial_programme_catalogue.h"
#include "explorers/middle_grade_layout.h"

#include "data/colours.h"
#include "data/foundation.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "widgets/row_choice.h"
#include "widgets/theme_assets.h"
#include "widgets/widget_groups.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace velmira {

using namespace initial_programmes_text;

namespace {

// The icon of each group's row in the main menu's icon list.
constexpr int kGroupIcons[programmes::kGroupCount] = {1, 2, 37, 33, 8, 16, 19, 38, 10};

constexpr int kHelpInterval = 300;
constexpr int kHelpLastTick = 14;
constexpr int kHelpLabels = 7; // the seventh is emptied
constexpr int kSlideInterval = 50;
constexpr int kSlideStep = 4;
constexpr int kSlideStop = 80;

const QRect kGroups(20, 136, 440, 350);                                // ListSelFp
const QRect kHelp(20, 496, 440, 214);                                  // PanelAyuda
const QRect kProgrammeList(480, 136, 524, 420);                        // ListTitFP at its tallest
constexpr int kPreviewHeight = 150;                                    // ListFPExpli, under ListTitFP
const QRect kByPlaceButton(260, 720, 260, middlegrade::kButtonHeight); // BotLug

} // namespace

ProgrammeListsPage::ProgrammeListsPage(QWidget *window)
    : QObject(window)
{
    createGroups(window);
    createProgrammes(window);
    createHelp(window);
    BotLug = button(window, "BotLug", kByPlaceButton);
    connect(BotLug, &QPushButton::clicked, this, &ProgrammeListsPage::BotLugClick);
}

void ProgrammeListsPage::createGroups(QWidget *window)
{
    PanelSelTit0 = panel(window, middlegrade::kSelectionTitle, colour6());
    PanelSelTit0->setObjectName(QStringLiteral("PanelSelTit0"));
    LabelAyu0 =
        textLabel(PanelSelTit0, "LabelAyu0", QRect(kSlideStop, 2, 700, PanelSelTit0->height() - 4), 14, true);
    LabelAyu0->setWordWrap(false);
    ListSelFp = listBox(window, "ListSelFp", kGroups, 12);
    ListSelFp->setIconSize(QSize(30, 30));
    ListSelFp->setSpacing(2);
    onRowHovered(ListSelFp, [this](int row) { ListSelFpMouseMove(row); });
    onRowChosen(ListSelFp, [this](int row) { ListSelFpMouseUp(row); });
}

void ProgrammeListsPage::createProgrammes(QWidget *window)
{
    ListTitFP = listBox(window, "ListTitFP", kProgrammeList, 10);
    onRowHovered(ListTitFP, [this](int row) { ListTitFPMouseMove(row); });
    connect(ListTitFP, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ListTitFPMouseMove(row);
    });
    onRowChosen(ListTitFP, [this](int row) { ListTitFPMouseUp(row); });
    ListFPExpli =
        listBox(window, "ListFPExpli",
                QRect(kProgrammeList.x(), kProgrammeList.y(), kProgrammeList.width(), kPreviewHeight), 10);
}

// The guide beside the help lines.
void ProgrammeListsPage::createHelp(QWidget *window)
{
    PanelAyuda = panel(window, kHelp, colour3());
    PanelAyuda->setObjectName(QStringLiteral("PanelAyuda"));
    auto *chica = new QLabel(PanelAyuda);
    chica->setObjectName(QStringLiteral("chica"));
    chica->setGeometry(8, 8, 110, kHelp.height() - 16);
    chica->setScaledContents(true);
    chica->setPixmap(QPixmap::fromImage(girlPicture()));
    const int left = 126;
    const int lineHeight = (kHelp.height() - 16) / kHelpLabels;
    for (int i = 0; i < kHelpLabels; ++i) {
        const QByteArray name = "LabelAyu" + QByteArray::number(i + 1);
        LabelAyu.push_back(textLabel(PanelAyuda, name.constData(),
                                     QRect(left, 8 + i * lineHeight, kHelp.width() - left - 8, lineHeight),
                                     11));
    }
    TimerAyuda = new QTimer(this);
    TimerAyuda->setInterval(kHelpInterval);
    connect(TimerAyuda, &QTimer::timeout, this, &ProgrammeListsPage::TimerAyudaTimer);
    TimerAyu = new QTimer(this);
    TimerAyu->setInterval(kSlideInterval);
    connect(TimerAyu, &QTimer::timeout, this, &ProgrammeListsPage::TimerAyuTimer);
}

void ProgrammeListsPage::setCaptions()
{
    LabelAyu0->setText(uiText(kChooseGroup));
    LabelAyu0->adjustSize();
    BotLug->setText(uiText(kByPlace));
    fitCaption(BotLug);
    ListSelFp->clear();
    for (int group = 1; group <= programmes::kGroupCount; ++group)
        ListSelFp->addItem(
            new QListWidgetItem(listIcon(kGroupIcons[group - 1]), displayText(programmes::groupName(group))));
}

void ProgrammeListsPage::start()
{
    m_group = 0;
    m_lines.clear();
    ListTitFP->clear();
    ListFPExpli->clear();
    hideWidgets({ListTitFP, ListFPExpli});
    // The heading starts as far right as it can while still whole.
    const int roomRight = PanelSelTit0->width() - LabelAyu0->width() - 8;
    LabelAyu0->move(std::max(kSlideStop, roomRight), LabelAyu0->y());
    m_helpTicks = 0;
    for (QLabel *line : LabelAyu)
        line->clear();
    TimerAyu->stop();
    TimerAyuda->start();
    showGroups();
    ListSelFp->setCurrentRow(0);
}

void ProgrammeListsPage::showGroups()
{
    showWidgets({PanelSelTit0, ListSelFp, PanelAyuda, BotLug});
    ListSelFp->setFocus();
}

void ProgrammeListsPage::showAgain()
{
    showGroups();
    if (m_lines.empty())
        return;
    showWidgets({ListTitFP, ListFPExpli});
    ListTitFP->setFocus();
}

void ProgrammeListsPage::putAway()
{
    TimerAyuda->stop();
    TimerAyu->stop();
    hideWidgets({PanelSelTit0, ListSelFp, PanelAyuda, ListTitFP, ListFPExpli, BotLug});
}

bool ProgrammeListsPage::stepBack()
{
    if (m_lines.empty())
        return false;
    m_lines.clear();
    ListTitFP->clear();
    hideWidgets({ListTitFP, ListFPExpli});
    ListSelFp->setFocus();
    return true;
}

void ProgrammeListsPage::ListSelFpMouseMove(int row) { ListSelFp->setCurrentRow(row); }

void ProgrammeListsPage::ListSelFpMouseUp(int row)
{
    if (row < 0)
        return;
    ListSelFp->setCurrentRow(row);
    m_group = row + 1;
    if (programmes::opensByPlace(m_group)) {
        BotLugClick();
        return;
    }
    m_lines = programmes::linesOfGroup(m_group);
    m_hoveredRow = -1;
    ListTitFP->blockSignals(true);
    ListTitFP->clear();
    for (int line : m_lines) {
        auto *item = new QListWidgetItem(displayText(programmes::lineName(line)));
        if (programmes::isHeading(line)) {
            QFont heading = ListTitFP->font();
            heading.setBold(true);
            item->setFont(heading);
        }
        ListTitFP->addItem(item);
    }
    ListTitFP->blockSignals(false);
    const int rowHeight = m_lines.empty() ? 0 : ListTitFP->sizeHintForRow(0);
    const int height = std::min(kProgrammeList.height(), rowHeight * int(m_lines.size()) + 4);
    ListTitFP->resize(kProgrammeList.width(), height);
    ListFPExpli->move(kProgrammeList.x(), kProgrammeList.y() + height);
    ListFPExpli->clear();
    showWidgets({ListTitFP, ListFPExpli});
    // The first programme is current, and previewed, before the keyboard
    // comes to the list.
    const auto firstProgramme =
        std::find_if(m_lines.begin(), m_lines.end(), [](int line) { return !programmes::isHeading(line); });
    if (firstProgramme != m_lines.end())
        ListTitFP->setCurrentRow(int(firstProgramme - m_lines.begin()));
    ListTitFP->setFocus();
}

// A programme under the pointer shows its modules below the list.
void ProgrammeListsPage::ListTitFPMouseMove(int row)
{
    if (row == m_hoveredRow || row < 0 || row >= int(m_lines.size()))
        return;
    m_hoveredRow = row;
    ListTitFP->setCurrentRow(row);
    ListFPExpli->clear();
    const int line = m_lines[row];
    if (programmes::isHeading(line))
        return;
    ListFPExpli->addItem(QStringLiteral("    ") + uiText(kModules));
    for (const QByteArray &module : modulesOfProgramme(line))
        ListFPExpli->addItem(displayText(trimTrailingBlanks(module)));
}

void ProgrammeListsPage::ListTitFPMouseUp(int row)
{
    if (row < 0 || row >= int(m_lines.size()) || programmes::isHeading(m_lines[row]))
        return;
    putAway();
    emit programmeChosen(m_lines[row]);
}

void ProgrammeListsPage::BotLugClick()
{
    putAway();
    emit byPlaceChosen();
}

void ProgrammeListsPage::TimerAyudaTimer()
{
    ++m_helpTicks;
    if (m_helpTicks <= kHelpLines)
        LabelAyu[m_helpTicks - 1]->setText(uiText(kFirstHelpLine + m_helpTicks - 1));
    else if (m_helpTicks == kHelpLines + 1)
        LabelAyu[kHelpLines]->clear();
    if (m_helpTicks >= kHelpLastTick) {
        TimerAyuda->stop();
        m_helpTicks = 0;
        TimerAyu->start();
    }
}

void ProgrammeListsPage::TimerAyuTimer()
{
    if (PanelSelTit0->isVisible() && LabelAyu0->x() > kSlideStop)
        LabelAyu0->move(std::max(kSlideStop, LabelAyu0->x() - kSlideStep), LabelAyu0->y());
    if (LabelAyu0->x() <= kSlideStop)
        TimerAyu->stop();
}

} // namespace velmira
