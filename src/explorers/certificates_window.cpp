#include "certificates_window.h"

#include "explorers/certificate_lists_page.h"

#include "data/colours.h"
#include "data/command_runner.h"
#include "data/explorer_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/web_addresses.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace velmira {

TCertifica *Certifica = nullptr;

using namespace certificates_text;

namespace {

// The public employment service's page of training for employment.
const QByteArray kTrainingPage = QByteArray(web::kEmploymentService) + "/ciudadano/p_formacion.html";

constexpr int kHelpInterval = 300;
constexpr int kHelpLastTick = 14;
constexpr int kSlideInterval = 50;
const QRect kHelpArea(20, 536, 460, 168);
const QRect kBottomRow(20, 720, 984, 33);

} // namespace

TCertifica::TCertifica(QWidget *parent)
    : WindowBase(QStringLiteral("Certificados de Profesionalidad"), QSize(1024, 768), colour4(), parent)
{
    load(loadCertificatesData);
}

void TCertifica::createContents()
{
    createHeading();
    createButtons();
    createPage();
    createHelp();
    applyCommonLook();
    setCaptions();
}

void TCertifica::createHeading()
{
    LabelCertificados = textLabel(this, "LabelCertificados", QRect(20, 8, 984, 44), 20, true);
}

void TCertifica::createButtons()
{
    const int y = kBottomRow.y();
    const int h = kBottomRow.height();
    BotRetrocederFP = button(this, "BotRetrocederFP", QRect(20, y, 160, h));
    BotImprimir = button(this, "BotImprimir", QRect(500, y, 160, h));
    BotInternet = button(this, "BotInternet", QRect(844, y, 160, h));
    connect(BotRetrocederFP, &QPushButton::clicked, this, &TCertifica::BotRetrocederFPClick);
    connect(BotInternet, &QPushButton::clicked, this, &TCertifica::BotInternetMouseUp);
    m_browser = new TCmdExecComponent(this);
}

void TCertifica::createPage()
{
    m_lists = new CertificateListsPage(this, BotImprimir);
    connect(BotImprimir, &QPushButton::clicked, m_lists, &CertificateListsPage::BotImprimirClick);
}

void TCertifica::createHelp()
{
    const int lineHeight = kHelpArea.height() / kHelpLines;
    for (int i = 0; i < kHelpLines; ++i) {
        const QByteArray name = "LabelAyu" + QByteArray::number(i + 1);
        const QRect line(kHelpArea.x(), kHelpArea.y() + i * lineHeight, kHelpArea.width(), lineHeight);
        LabelAyu.push_back(textLabel(this, name.constData(), line, 11));
    }
    TimerAyuda = new QTimer(this);
    TimerAyuda->setInterval(kHelpInterval);
    connect(TimerAyuda, &QTimer::timeout, this, &TCertifica::TimerAyudaTimer);
    TimerAyu = new QTimer(this);
    TimerAyu->setInterval(kSlideInterval);
    connect(TimerAyu, &QTimer::timeout, this, &TCertifica::TimerAyuTimer);
}

void TCertifica::setCaptions()
{
    LabelCertificados->setText(uiText(kCaption));
    BotRetrocederFP->setText(uiText(kBack));
    BotImprimir->setText(uiText(kPrint));
    // The same word in the four languages of the interface.
    BotInternet->setText(QStringLiteral("Internet"));
    BotInternet->setToolTip(QString::fromLatin1(kTrainingPage));
    for (QPushButton *b : {BotRetrocederFP, BotImprimir, BotInternet})
        fitCaption(b);
    m_lists->setCaptions();
}

void TCertifica::showEvent(QShowEvent *event)
{
    WindowBase::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TCertifica::hideEvent(QHideEvent *event)
{
    TimerAyuda->stop();
    TimerAyu->stop();
    WindowBase::hideEvent(event);
}

void TCertifica::FormShow()
{
    TimerAyu->stop();
    m_helpTicks = 0;
    for (QLabel *line : LabelAyu)
        line->clear();
    m_lists->start();
    TimerAyuda->start();
}

void TCertifica::TimerAyudaTimer()
{
    ++m_helpTicks;
    if (m_helpTicks <= kHelpLines)
        LabelAyu[m_helpTicks - 1]->setText(uiText(kFirstHelpLine + m_helpTicks - 1));
    if (m_helpTicks >= kHelpLastTick) {
        TimerAyuda->stop();
        TimerAyu->start();
    }
}

void TCertifica::TimerAyuTimer()
{
    if (!m_lists->slideHeadings())
        TimerAyu->stop();
}

void TCertifica::BotRetrocederFPClick()
{
    if (!m_lists->stepBack())
        returnToOpener();
}

// Without BROWSER the window has no browser of its own to fall back on: the
// button does nothing.
void TCertifica::BotInternetMouseUp()
{
    if (qgetenv("BROWSER").isEmpty())
        return;
    OpenInBrowser(*m_browser, kTrainingPage);
}

} // namespace velmira
