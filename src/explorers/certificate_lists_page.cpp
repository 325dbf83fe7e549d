#include "certificate_lists_page.h"

#include "explorers/certificate_catalogue.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/print_buffer.h"
#include "data/print_state.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "widgets/report_printer.h"
#include "widgets/row_choice.h"
#include "widgets/theme_assets.h"
#include "widgets/widget_groups.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace velmira {

using namespace certificates_text;

namespace {

constexpr int kGroupCount = 9;
constexpr int kReportFontSize = 9;
// The icon of each group's row in the main menu's icon list.
constexpr int kGroupIcons[kGroupCount] = {1, 2, 9, 8, 19, 5, 0, 12, 18};

const QRect kLeftHeading(20, 60, 460, 34);   // PanelSelTit0, PanelSelTit1
const QRect kLeftList(20, 100, 460, 420);    // ListSelFp, ListTitFP
const QRect kRightHeading(500, 60, 504, 34); // PanelSelTit2
const QRect kRightList(500, 100, 504, 290);  // ListFPExpli
const QRect kResult(500, 400, 504, 300);     // PanelResul
constexpr int kHeadingStart = 300;
// Where each heading stops sliding: LabelTit1, LabelTit2, LabelTit3.
constexpr int kHeadingStops[3] = {30, 50, 80};
constexpr int kSlideStep = 4;

QString shownLine(const QByteArray &stored)
{
    return displayText(stored).replace(QLatin1Char('\r'), QLatin1Char('\n')).trimmed();
}

QLabel *headingLabel(QWidget *panel, const char *name)
{
    auto *label = new QLabel(panel);
    label->setObjectName(QLatin1String(name));
    label->setFont(settingsFont(12));
    label->setGeometry(kHeadingStart, 4, panel->width() - 10, panel->height() - 8);
    return label;
}

// Moves the heading left by a step while its panel shows and it is above
// its stop; true when it stands at its stop.
bool slide(QWidget *panel, QLabel *heading, int stop)
{
    if (panel->isVisible() && heading->x() > stop)
        heading->move(std::max(stop, heading->x() - kSlideStep), heading->y());
    return heading->x() <= stop;
}

} // namespace

CertificateListsPage::CertificateListsPage(QWidget *window, QPushButton *BotImprimir)
    : QObject(window)
    , BotImprimir(BotImprimir)
{
    createHeadings(window);
    createLists(window);
    createResultPanel(window);
}

void CertificateListsPage::createHeadings(QWidget *window)
{
    PanelSelTit0 = panel(window, kLeftHeading, colour2());
    PanelSelTit0->setObjectName(QStringLiteral("PanelSelTit0"));
    PanelSelTit1 = panel(window, kLeftHeading, colour2());
    PanelSelTit1->setObjectName(QStringLiteral("PanelSelTit1"));
    PanelSelTit2 = panel(window, kRightHeading, colour2());
    PanelSelTit2->setObjectName(QStringLiteral("PanelSelTit2"));
    LabelTit1 = headingLabel(PanelSelTit0, "LabelTit1");
    LabelTit2 = headingLabel(PanelSelTit1, "LabelTit2");
    LabelTit3 = headingLabel(PanelSelTit2, "LabelTit3");
}

void CertificateListsPage::createLists(QWidget *window)
{
    ListSelFp = listBox(window, "ListSelFp", kLeftList, 12);
    ListSelFp->setIconSize(QSize(30, 30));
    ListSelFp->setSpacing(2);
    onRowHovered(ListSelFp, [this](int row) { ListSelFpMouseMove(row); });
    onRowChosen(ListSelFp, [this](int row) { ListSelFpMouseUp(row); });

    ListTitFP = listBox(window, "ListTitFP", kLeftList, 11);
    onRowHovered(ListTitFP, [this](int row) { ListTitFPMouseMove(row); });
    connect(ListTitFP, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ListTitFPMouseMove(row);
    });
    onRowChosen(ListTitFP, [this](int row) { ListTitFPMouseUp(row); });

    ListFPExpli = listBox(window, "ListFPExpli", kRightList, 10);
    onRowChosen(ListFPExpli, [this](int row) { ListFPExpliMouseUp(row); });
}

void CertificateListsPage::createResultPanel(QWidget *window)
{
    PanelResul = panel(window, kResult, colour3());
    PanelResul->setObjectName(QStringLiteral("PanelResul"));
    const int width = kResult.width() - 20;
    LabelTitulo = textLabel(PanelResul, "LabelTitulo", QRect(10, 8, width, 48), 12, true);
    LabelReqTit = textLabel(PanelResul, "LabelReqTit", QRect(10, 60, 240, 24), 11, true);
    LabelRequisitos = textLabel(PanelResul, "LabelRequisitos", QRect(10, 86, 240, 90), 10);
    LabelHorasTit = textLabel(PanelResul, "LabelHorasTit", QRect(260, 60, 234, 24), 11, true);
    LabelHoras = textLabel(PanelResul, "LabelHoras", QRect(260, 86, 234, 24), 12);
    LabelDes = textLabel(PanelResul, "LabelDes", QRect(10, 184, width, 106), 11);
}

void CertificateListsPage::setCaptions()
{
    LabelTit1->setText(uiText(kChooseGroup));
    LabelTit2->setText(uiText(kChooseFamily));
    LabelTit3->setText(uiText(kChooseCertificate));
    LabelReqTit->setText(uiText(kRequirements));
    LabelHorasTit->setText(uiText(kHours));
    for (QLabel *heading : {LabelTit1, LabelTit2, LabelTit3})
        heading->adjustSize();
    ListSelFp->clear();
    for (int group = 1; group <= kGroupCount; ++group)
        ListSelFp->addItem(new QListWidgetItem(listIcon(kGroupIcons[group - 1]),
                                               displayText(certificates::groupName(group))));
}

void CertificateListsPage::start()
{
    // Each heading starts as far right as it can while still whole.
    QLabel *headings[3] = {LabelTit1, LabelTit2, LabelTit3};
    for (int i = 0; i < 3; ++i) {
        QLabel *heading = headings[i];
        const int roomRight = heading->parentWidget()->width() - heading->width() - 8;
        heading->move(std::clamp(roomRight, kHeadingStops[i], kHeadingStart), heading->y());
    }
    showGroups();
}

bool CertificateListsPage::slideHeadings()
{
    slide(PanelSelTit0, LabelTit1, kHeadingStops[0]);
    slide(PanelSelTit1, LabelTit2, kHeadingStops[1]);
    return !slide(PanelSelTit2, LabelTit3, kHeadingStops[2]);
}

void CertificateListsPage::showGroups()
{
    hideWidgets({PanelSelTit1, ListTitFP, PanelSelTit2, ListFPExpli, PanelResul, BotImprimir});
    ListTitFP->clear();
    ListFPExpli->clear();
    m_familyFixed = false;
    PanelSelTit0->show();
    ListSelFp->show();
    ListSelFp->setCurrentRow(std::max(0, m_group - 1));
    ListSelFp->setFocus();
}

bool CertificateListsPage::stepBack()
{
    if (ListSelFp->isVisible())
        return false;
    showGroups();
    return true;
}

void CertificateListsPage::ListSelFpMouseMove(int row) { ListSelFp->setCurrentRow(row); }

void CertificateListsPage::ListSelFpMouseUp(int row)
{
    m_group = row + 1;
    m_families = certificates::familiesOfGroup(m_group);
    m_hoveredRow = -1;
    m_family = 0;
    m_familyFixed = false;
    ListTitFP->blockSignals(true);
    ListTitFP->clear();
    for (int heading : m_families)
        ListTitFP->addItem(displayText(certificates::rowText(heading)));
    ListTitFP->blockSignals(false);
    hideWidgets({ListSelFp, PanelSelTit0, PanelResul, BotImprimir});
    const int rows = ListTitFP->count();
    const int rowHeight = rows > 0 ? ListTitFP->sizeHintForRow(0) : 0;
    ListTitFP->resize(kLeftList.width(), std::min(kLeftList.height(), rowHeight * rows + 4));
    ListFPExpli->clear();
    m_certificates.clear();
    PanelSelTit1->show();
    ListTitFP->show();
    PanelSelTit2->show();
    ListFPExpli->show();
    ListTitFP->setFocus();
}

void CertificateListsPage::ListTitFPMouseMove(int row)
{
    if (m_familyFixed || row == m_hoveredRow || row < 0 || row >= int(m_families.size()))
        return;
    m_hoveredRow = row;
    m_family = m_families[row];
    m_certificates = certificates::certificatesOfFamily(m_family);
    ListFPExpli->clear();
    for (int line : m_certificates)
        ListFPExpli->addItem(displayText(certificates::rowText(line)));
    PanelResul->hide();
}

void CertificateListsPage::ListTitFPMouseUp(int row)
{
    if (m_familyFixed) {
        m_familyFixed = false;
        ListTitFPMouseMove(row);
    } else {
        ListTitFPMouseMove(row);
        m_familyFixed = true;
    }
    ListTitFP->setCurrentRow(row);
    BotImprimir->show();
}

void CertificateListsPage::ListFPExpliMouseUp(int row)
{
    if (row < 0 || row >= int(m_certificates.size()))
        return;
    const int certificate = m_certificates[row];
    ListFPExpli->setCurrentRow(row);
    LabelTitulo->setText(displayText(certificates::rowText(certificate)));
    LabelRequisitos->setText(shownLine(certificates::requirementText(certificate)));
    LabelHoras->setText(displayText(hoursOfCertificate(certificate)));
    LabelDes->setText(displayText(descriptionOfCertificate(certificate)));
    BotImprimir->show();
    PanelResul->show();
}

void CertificateListsPage::BotImprimirClick()
{
    if (m_family == 0)
        return;
    const std::vector<QByteArray> rows = certificates::familyReport(m_family, m_certificates);
    LineTable &buffer = work().print1;
    const int count = fillPrintBuffer(buffer, rows.front(), {rows.begin() + 1, rows.end()});
    setBoldLines({});
    if (askPrintQuestion())
        PrintLines(buffer, count, false, kReportFontSize);
}

} // namespace velmira
