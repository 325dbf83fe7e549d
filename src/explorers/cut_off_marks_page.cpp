#include "cut_off_marks_page.h"

#include "entrance_page_look.h"
#include "entrance_panels_window.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/university_tables.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmira {

using namespace entrance_text;

namespace {

constexpr int kThresholdTexts[] = {kSixOrMore, kEightOrMore, kTenOrMore};
const char *const kThresholdNames[] = {"Buttoncorte6", "Buttoncorte7", "ButtonCorte8"};

const QRect kHowTo(30, 16, 760, 52);
const QRect kSchoolYear(860, 16, 130, 36);
constexpr int kThresholdTop = 80;
constexpr int kThresholdWidth = 150;
constexpr int kButtonHeight = 40;
constexpr int kListTop = 180;
constexpr int kListHeight = 560;
const QRect kDegreeList(30, kListTop, 470, kListHeight);
const QRect kPlaceList(520, kListTop, 474, kListHeight - 60);
// The degree list's columns: the name, then from here the counts.
constexpr int kCountColumn = 40;
constexpr int kLineColumns = 51;

} // namespace

CutOffMarksPage::CutOffMarksPage(TForm6 *window)
    : QObject(window)
    , m_window(window)
{
    PanelCorte = entrancePanel(window, "PanelCorte");
    LabelCorte1 = entranceLabel(PanelCorte, "LabelCorte1", kHowTo, 13);
    LabelSelano = entranceLabel(PanelCorte, "LabelSelano", kSchoolYear, 14, true);
    LabelSelano->setAlignment(Qt::AlignCenter);
    createThresholdButtons();
    createLists();
    BotCerrar3 = entranceButton(PanelCorte, "BotCerrar3", kEntranceCloseButton);
    connect(BotCerrar3, &QPushButton::clicked, this, &CutOffMarksPage::BotCerrar3Click);
    setCaptions();
}

void CutOffMarksPage::createThresholdButtons()
{
    for (size_t i = 0; i < m_thresholdButtons.size(); ++i) {
        const int left = 30 + static_cast<int>(i) * (kThresholdWidth + 16);
        QPushButton *b = entranceButton(PanelCorte, kThresholdNames[i],
                                        QRect(left, kThresholdTop, kThresholdWidth, kButtonHeight));
        connect(b, &QPushButton::clicked, this, [this, i] { ButtoncorteClick(static_cast<int>(i)); });
        m_thresholdButtons[i] = b;
    }
}

void CutOffMarksPage::createLists()
{
    L = entranceList(PanelCorte, "L", kDegreeList, columnsFont());
    listcalc = entranceList(PanelCorte, "listcalc", kPlaceList, columnsFont());
    // A click, or the arrow keys, on a degree.
    connect(L, &QListWidget::currentRowChanged, this, &CutOffMarksPage::LClick);

    // The heading of the list with the threshold chosen after it, and the
    // label of the count columns between the heading and the list.
    const int headingTop = kThresholdTop + kButtonHeight + 10;
    LabelCorte2 = entranceLabel(PanelCorte, "LabelCorte2", QRect(30, headingTop, 300, 28), 12, true);
    LabelMasde = entranceLabel(PanelCorte, "LabelMasde", QRect(330, headingTop, 170, 28), 12, true);
    for (QLabel *heading : {LabelCorte2, LabelMasde})
        heading->setWordWrap(false);
    const int character = L->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const int columnsLeft = L->x() + L->frameWidth() + 4;
    const int countsLeft = columnsLeft + kCountColumn * character;
    const int countsRight = columnsLeft + kLineColumns * character;
    LabelTotal = entranceLabel(PanelCorte, "LabelTotal",
                               QRect(countsLeft - 80, kListTop - 22, countsRight - countsLeft + 80, 22), 9);
    LabelTotal->setWordWrap(false);
    LabelTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void CutOffMarksPage::setCaptions()
{
    LabelCorte1->setText(uiText(kHowToChoose));
    LabelSelano->setText(QStringLiteral("2011/12"));
    for (size_t i = 0; i < m_thresholdButtons.size(); ++i) {
        m_thresholdButtons[i]->setText(uiText(kThresholdTexts[i]));
        fitCaption(m_thresholdButtons[i]);
    }
    LabelCorte2->setText(uiText(kDegreesWithMarks));
    LabelCorte2->resize(LabelCorte2->sizeHint().width(), LabelCorte2->height());
    LabelMasde->move(LabelCorte2->geometry().right() + 1, LabelCorte2->y());
    LabelMasde->clear();
    LabelMasde->hide();
    LabelTotal->setText(uiText(kCentresAndTotal));
    BotCerrar3->setText(uiText(kClose));
    fitCaption(BotCerrar3);
}

void CutOffMarksPage::open()
{
    PanelCorte->show();
    PanelCorte->raise();
    m_thresholdButtons[0]->setFocus();
}

void CutOffMarksPage::close() { PanelCorte->hide(); }

void CutOffMarksPage::ButtoncorteClick(int button)
{
    m_degrees = degreesAtOrAbove(kCutOffThresholds[button], content().carreran, universityData().centres);
    std::vector<QByteArray> lines;
    for (const CutOffDegree &degree : m_degrees)
        lines.push_back(degree.line);
    const QSignalBlocker quiet(L);
    fillList(L, lines);
    listcalc->clear();
    LabelMasde->setText(m_thresholdButtons[button]->text());
    LabelMasde->resize(LabelMasde->sizeHint().width(), LabelMasde->height());
    LabelMasde->show();
}

void CutOffMarksPage::LClick(int row)
{
    if (row < 0 || row >= static_cast<int>(m_degrees.size()))
        return;
    fillList(listcalc, cutOffPlaceLines(m_degrees[row].places, content().lugar.names));
}

void CutOffMarksPage::BotCerrar3Click() { m_window->returnToOpener(); }

} // namespace velmira
