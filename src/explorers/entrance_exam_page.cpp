#include "entrance_exam_page.h"

#include "entrance_lists.h"
#include "entrance_page_look.h"
#include "entrance_panels_window.h"

#include "data/information_lines.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmira {

using namespace entrance_text;

namespace {

const QRect kTitle(30, 20, 700, 44);
const QRect kList(30, 80, 700, 660);
// The page's buttons, in a column over its close button.
const QRect kExampleButton = kEntranceCloseButton.translated(0, 80 - kEntranceCloseButton.y());

} // namespace

EntranceExamPage::EntranceExamPage(TForm6 *window)
    : QObject(window)
    , m_window(window)
{
    PanelSelectividad = entrancePanel(window, "PanelSelectividad");
    LabelCorteSelecti = entranceLabel(PanelSelectividad, "LabelCorteSelecti", kTitle, 18, true);
    ListSelec = entranceList(PanelSelectividad, "ListSelec", kList, settingsFont(13));
    BotEjemplo2 = entranceButton(PanelSelectividad, "BotEjemplo2", kExampleButton);
    BotCorte2 = entranceButton(PanelSelectividad, "BotCorte2", kExampleButton.translated(0, 56));
    BotCerrar1 = entranceButton(PanelSelectividad, "BotCerrar1", kEntranceCloseButton);
    connect(BotEjemplo2, &QPushButton::clicked, this, &EntranceExamPage::BotEjemplo2Click);
    connect(BotCorte2, &QPushButton::clicked, this, &EntranceExamPage::BotCorte2Click);
    connect(BotCerrar1, &QPushButton::clicked, this, &EntranceExamPage::BotCerrar1Click);
    setCaptions();
}

void EntranceExamPage::setCaptions()
{
    LabelCorteSelecti->setText(uiText(kEntranceTitle));
    BotEjemplo2->setText(uiText(kWorkedExample));
    BotCorte2->setText(uiText(kCutOffMarks));
    BotCerrar1->setText(uiText(kClose));
    for (QPushButton *b : {BotEjemplo2, BotCorte2, BotCerrar1})
        fitCaption(b);
}

void EntranceExamPage::open()
{
    showRows(informationLinesWithCode("30"));
    PanelSelectividad->show();
    PanelSelectividad->raise();
    ListSelec->setFocus();
}

void EntranceExamPage::close() { PanelSelectividad->hide(); }

void EntranceExamPage::BotEjemplo2Click() { showRows(workedExampleRows()); }

void EntranceExamPage::BotCorte2Click() { m_window->showCutOffMarks(); }

void EntranceExamPage::BotCerrar1Click() { m_window->returnToOpener(); }

void EntranceExamPage::showRows(const std::vector<QByteArray> &rows)
{
    fillList(ListSelec, rows);
    for (int row = 0; row < ListSelec->count(); ++row)
        ListSelecDrawItem(row);
}

void EntranceExamPage::ListSelecDrawItem(int row)
{
    QListWidgetItem *item = ListSelec->item(row);
    if (item->text().startsWith(QLatin1Char(' ')))
        item->setForeground(QColor(128, 0, 0));
}

} // namespace velmira
