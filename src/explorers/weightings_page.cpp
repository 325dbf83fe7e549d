#include "weightings_page.h"

#include "entrance_page_look.h"
#include "entrance_panels_window.h"

#include "data/command_runner.h"
#include "data/interface_texts.h"
#include "data/messages.h"
#include "data/pdf_documents.h"
#include "data/text_ids.h"
#include "widgets/row_choice.h"
#include "widgets/window_controls.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmira {

using namespace entrance_text;

namespace {

const QRect kExplanation(30, 20, 964, 64);
const QRect kListCaption(30, 110, 560, 34);
const QRect kList(30, 150, 560, 420);

} // namespace

WeightingsPage::WeightingsPage(TForm6 *window)
    : QObject(window)
    , m_window(window)
{
    CmdExecComponent = new TCmdExecComponent(this);
    PanelPonderacion = entrancePanel(window, "PanelPonderacion");
    LabelPondera1 = entranceLabel(PanelPonderacion, "LabelPondera1", kExplanation, 16, true);
    LabelUnis = entranceLabel(PanelPonderacion, "LabelUnis", kListCaption, 13);
    ListUnis = entranceList(PanelPonderacion, "ListUnis", kList, settingsFont(14));
    onRowOpened(ListUnis, [this](int row) { ListUnisDblClick(row); });
    Botcerrar4 = entranceButton(PanelPonderacion, "Botcerrar4", kEntranceCloseButton);
    connect(Botcerrar4, &QPushButton::clicked, this, &WeightingsPage::Botcerrar4Click);
    setCaptions();
}

void WeightingsPage::setCaptions()
{
    LabelPondera1->setText(uiText(kWeightingsExplained));
    LabelUnis->setText(uiText(kDoubleClick) + QLatin1Char(' ') + uiText(kToOpenIt));
    Botcerrar4->setText(uiText(kClose));
    fitCaption(Botcerrar4);
}

void WeightingsPage::open()
{
    ListUnis->clear();
    ListUnis->addItems(pdfDocumentNames(QFile::decodeName(documentDirectory())));
    if (ListUnis->count() > 0)
        ListUnis->setCurrentRow(0);
    PanelPonderacion->show();
    PanelPonderacion->raise();
    ListUnis->setFocus();
}

void WeightingsPage::close() { PanelPonderacion->hide(); }

// Waits for the viewer, the window still answering; a second document is
// not started meanwhile.
void WeightingsPage::ListUnisDblClick(int row)
{
    if (row < 0 || m_opening)
        return;
    m_opening = true;
    const QByteArray name = QFile::encodeName(ListUnis->item(row)->text().trimmed());
    if (OpenPdf(*CmdExecComponent, documentDirectory(), name) != 0)
        showMessage(pdfFailureMessage());
    m_opening = false;
}

void WeightingsPage::Botcerrar4Click() { m_window->returnToOpener(); }

} // namespace velmira
