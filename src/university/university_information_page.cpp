#include "university_information_page.h"

#include "data/colours.h"
#include "data/command_runner.h"
#include "data/interface_texts.h"
#include "data/settings.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "university/university_menu_page.h"
#include "university/university_window.h"
#include "data/web_addresses.h"
#include "widgets/window_controls.h"

#include <algorithm>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace velmira {

namespace {

constexpr int kTickMs = 10;
constexpr int kSentenceGrowth = 2;
constexpr int kSentenceHeight = 40; // one line; a wrapped sentence takes the room above the buttons
const QColor kCover(255, 255, 255);

// The blocks of the diagram: access, degree, master, doctorate, work.
struct Block
{
    QRect area;
    QColor colour;
};
const Block kBlocks[] = {
    {{20, 330, 150, 130}, QColor(255, 236, 160)},  {{180, 280, 260, 180}, QColor(192, 220, 206)},
    {{450, 180, 190, 280}, QColor(170, 200, 235)}, {{650, 80, 180, 380}, QColor(235, 190, 190)},
    {{845, 80, 40, 380}, QColor(210, 210, 210)},
};

// What each cover panel hides, in the order the presentation uncovers them.
const QRect kCovers[kCoverPanels] = {
    {20, 330, 150, 130},  // access
    {180, 280, 260, 40},  // the degree's name
    {180, 320, 260, 100}, // its years and credits
    {180, 420, 260, 40},  // its final project
    {845, 80, 40, 380},   // work
    {450, 180, 190, 280}, // master
    {650, 80, 180, 380},  // doctorate
};

const char *const kCoverNames[kCoverPanels] = {"PanelMueve1", "panelmueve2", "Panelmueve3", "Panelmueve4",
                                               "Panelmueve5", "Panelmueve6", "Panelmueve7"};

QString spacedOut(const QString &text)
{
    QString spaced;
    for (QChar c : text)
        spaced += c + QLatin1Char(' ');
    return spaced;
}

constexpr int kInformationRow = 6;

} // namespace

UniversityInformationPage::UniversityInformationPage(TForm1 *window, UniversityMenuPage &menu)
    : QObject(window)
    , m_window(window)
{
    constexpr int step = 43, height = 33;
    Panelmenu2 =
        panel(window, QRect(menu.subMenuPosition(kInformationRow), QSize(300, 10 + 3 * step)), colour3());
    Panelmenu2->setObjectName(QStringLiteral("Panelmenu2"));
    botinfo1 = button(Panelmenu2, "botinfo1", QRect(10, 10, 280, height));
    botinfo2 = button(Panelmenu2, "botinfo2", QRect(10, 10 + step, 280, height));
    botinfo3 = button(Panelmenu2, "botinfo3", QRect(10, 10 + 2 * step, 280, height));
    for (QPushButton *entry : {botinfo1, botinfo2, botinfo3})
        entry->setFont(settingsFont(12));
    connect(botinfo1, &QPushButton::clicked, this, &UniversityInformationPage::botinfo1Click);
    connect(botinfo2, &QPushButton::clicked, this, &UniversityInformationPage::botinfo2Click);
    connect(botinfo3, &QPushButton::clicked, this, &UniversityInformationPage::botinfo3Click);
    Panelmenu2->hide();
    Botinfo = menu.addEntry("Botinfo", kInformationRow, Panelmenu2);
    createPresentation();
}

void UniversityInformationPage::setCaptions()
{
    Botinfo->setText(uiText(kInformationCaption));
    botinfo1->setText(uiText(kStudiesStructureCaption));
    botinfo2->setText(uiText(kUniversityEntranceExam));
    botinfo3->setText(uiText(kScholarshipsCaption));
    BotAvanza->setText(uiText(kNextCaption));
    BotAcabarG->setText(uiText(kExitCaption));
}

void UniversityInformationPage::close()
{
    Panelmenu2->hide();
    PanelGradosT->hide();
}

void UniversityInformationPage::createPresentation()
{
    PanelGradosT = panel(m_window, QRect(0, 0, 1024, 768), colour6());
    PanelGradosT->setObjectName(QStringLiteral("PanelGradosT"));
    PanelGrado = panel(PanelGradosT, QRect(62, 40, 900, 480), Qt::white);
    for (const Block &block : kBlocks)
        panel(PanelGrado, block.area, block.colour);
    const struct
    {
        const char *name;
        QRect area;
    } labels[] = {
        {"LabelG0", {0, 20, 900, 40}},    {"LabelG4", {25, 335, 140, 120}},
        {"LabelG1", {180, 285, 260, 30}}, {"LabelG2", {180, 330, 260, 30}},
        {"LabelG3", {180, 370, 260, 30}}, {"LabelG5", {180, 425, 260, 30}},
        {"LabelG8", {450, 190, 190, 30}}, {"LabelG11", {450, 250, 190, 30}},
        {"LabelG7", {450, 290, 190, 30}}, {"LabelG10", {450, 425, 190, 30}},
        {"LabelG6", {650, 90, 180, 30}},  {"LabelG12", {650, 200, 180, 30}},
        {"LabelG9", {650, 425, 180, 30}}, {"LabelGT", {857, 90, 16, 360}},
    };
    for (const auto &placed : labels) {
        auto *l = new QLabel(PanelGrado);
        l->setObjectName(QString::fromLatin1(placed.name));
        l->setGeometry(placed.area);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setFont(settingsFont(13));
    }
    PanelGrado->findChild<QLabel *>(QStringLiteral("LabelG0"))->setFont(settingsFont(18));
    for (int p = 0; p < kCoverPanels; ++p) {
        PanelMueve[p] = panel(PanelGrado, kCovers[p], kCover);
        PanelMueve[p]->setObjectName(QString::fromLatin1(kCoverNames[p]));
    }

    LabelGTexto = new QLabel(PanelGradosT);
    LabelGTexto->setObjectName(QStringLiteral("LabelGTexto"));
    LabelGTexto->setGeometry(62, 550, 1, kSentenceHeight);
    LabelGTexto->setFont(settingsFont(14));
    BotAvanza = button(PanelGradosT, "BotAvanza", QRect(62, 620, 200, 33));
    BotAcabarG = button(PanelGradosT, "BotAcabarG", QRect(280, 620, 200, 33));
    for (QPushButton *b : {BotAvanza, BotAcabarG})
        b->setFont(settingsFont(12));
    connect(BotAvanza, &QPushButton::clicked, this, &UniversityInformationPage::BotAvanzaClick);
    connect(BotAcabarG, &QPushButton::clicked, this, &UniversityInformationPage::BotAcabarGClick);

    Timergrado = new QTimer(this);
    Timergrado->setObjectName(QStringLiteral("Timergrado"));
    Timergrado->setInterval(kTickMs);
    connect(Timergrado, &QTimer::timeout, this, &UniversityInformationPage::TimergradoTimer);
    Timerfrase = new QTimer(this);
    Timerfrase->setObjectName(QStringLiteral("Timerfrase"));
    Timerfrase->setInterval(kTickMs);
    connect(Timerfrase, &QTimer::timeout, this, &UniversityInformationPage::TimerfraseTimer);
    PanelGradosT->hide();
}

void UniversityInformationPage::botinfo1Click()
{
    PanelGradosT->show();
    PanelGradosT->raise();
    Panelmenu2->hide();
    BotAvanza->setEnabled(true);
    const auto setLabel = [this](const char *name, const QString &text) {
        PanelGrado->findChild<QLabel *>(QString::fromLatin1(name))->setText(text);
    };
    const QString blank = QStringLiteral(" ");
    setLabel("LabelG6", uiText(kStructureDoctorate));
    setLabel("LabelG4", uiText(kStructureAccess));
    setLabel("LabelG9", uiText(kStructureThesis));
    setLabel("LabelG5", uiText(kStructureFinalProject));
    setLabel("LabelG10", uiText(kStructureFinalProject));
    setLabel("LabelG7", uiText(kStructureMasterCredits) + blank + uiText(kStructureCreditsUnit));
    setLabel("LabelG1", uiText(kUniversityDegreesShort));
    setLabel("LabelG2", uiText(kStructureDegreeYears) + blank + uiText(kStructureYearsUnit));
    setLabel("LabelG3", uiText(kStructureDegreeCredits) + blank + uiText(kStructureCreditsUnit));
    setLabel("LabelG8", uiText(kMastersCaption));
    setLabel("LabelG11", uiText(kStructureMasterYears) + blank + uiText(kStructureYearsUnit));
    setLabel("LabelG12", uiText(kStructureDoctorateCredits) + blank + uiText(kStructureCreditsUnit));
    setLabel("LabelG0", uiText(kStructureTitle));
    setLabel("LabelGT", spacedOut(uiText(kStructureVerticalWord)));
    // Every cover back in place, for a presentation seen again.
    for (int p = 0; p < kCoverPanels; ++p)
        PanelMueve[p]->setGeometry(kCovers[p]);
    m_presentationStep = 0;
    LabelGTexto->setText(uiText(kPresentationSentence0));
    Timergrado->start();
}

void UniversityInformationPage::setPresentationTick(int milliseconds)
{
    Timergrado->setInterval(milliseconds);
    Timerfrase->setInterval(milliseconds);
}

void UniversityInformationPage::BotAvanzaClick()
{
    Timergrado->start();
    ++m_presentationStep;
}

void UniversityInformationPage::BotAcabarGClick()
{
    Timergrado->stop();
    Timerfrase->stop();
    PanelGradosT->hide();
    BotAvanza->setEnabled(true);
}

void UniversityInformationPage::TimergradoTimer()
{
    if (m_presentationStep > kLastPresentationStep) {
        Timergrado->stop();
        return;
    }
    const PresentationStep step = presentationStep(m_presentationStep);
    for (int closed : step.closedPanels)
        PanelMueve[closed - 1]->resize(0, PanelMueve[closed - 1]->height());
    if (step.lastStep) {
        Timergrado->stop();
        BotAvanza->setEnabled(false);
        return;
    }
    if (step.uncoveredPanel > 0) {
        QWidget *cover = PanelMueve[step.uncoveredPanel - 1];
        if (cover->width() > 1) {
            const int d = step.pixelsPerTick;
            cover->setGeometry(cover->x() + d, cover->y(), std::max(0, cover->width() - d), cover->height());
            return;
        }
    }
    Timergrado->stop();
    LabelGTexto->setText(displayText(step.sentence));
    LabelGTexto->setWordWrap(false);
    LabelGTexto->resize(1, kSentenceHeight);
    Timerfrase->start();
}

// A sentence grows to its own width, at least the presentation's usual one,
// within the panel's margins; one longer than the room left wraps once grown.
int UniversityInformationPage::sentenceRoom() const
{
    return PanelGradosT->width() - 2 * LabelGTexto->x();
}

void UniversityInformationPage::TimerfraseTimer()
{
    const int needed = LabelGTexto->fontMetrics().horizontalAdvance(LabelGTexto->text()) + 1;
    const int fullWidth = std::min(sentenceRoom(), std::max(kSentenceFullWidth, needed));
    LabelGTexto->resize(std::min(fullWidth, LabelGTexto->width() + kSentenceGrowth), LabelGTexto->height());
    if (LabelGTexto->width() < fullWidth)
        return;
    Timerfrase->stop();
    if (needed > fullWidth) {
        LabelGTexto->setWordWrap(true);
        LabelGTexto->resize(fullWidth, std::max(kSentenceHeight, LabelGTexto->heightForWidth(fullWidth)));
    }
}

namespace {

// A page of the product's site, told which centre asks for it.
QByteArray productPage(const char *page)
{
    return QByteArray(web::kProductSite) + "/prueba/static.php?page=" + page
        + "&usu=" + percentEncoded(centreName().trimmed());
}

} // namespace

void UniversityInformationPage::botinfo2Click() { m_window->openWebPage(productPage("Selectividad")); }
void UniversityInformationPage::botinfo3Click() { m_window->openWebPage(productPage("BecasUniversitarias")); }

} // namespace velmira
