#include "families_window.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "widgets/question_window.h"
#include "widgets/report_printer.h"
#include "widgets/row_choice.h"
#include "widgets/theme_assets.h"
#include "widgets/widget_groups.h"
#include "widgets/window_controls.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace velmira {

using namespace families_text;

TFormCat *FormCat = nullptr;

namespace {

constexpr int kGuideStart = 300; // LabelAyu0 slides left from here ...
constexpr int kGuideEnd = 100;   // ... to here, 4 pixels every 50 ms
constexpr int kGuideStep = 4;
constexpr int kGuideTick = 50;
constexpr int kReportFontSize = 9;
constexpr int kButtonHeight = 33;

const QRect kGuide(kGuideStart, 12, 820, 40);
const QRect kFamilyCaption(20, 64, 300, 26);
const QRect kFamilyList(20, 92, 300, 650);
constexpr int kDetailsWidth = 480;
constexpr int kDetailsLeast = 60; // the pop-up's height follows its rows, within these
constexpr int kDetailsMost = 330;
const QRect kPrintButton(690, 720, 150, kButtonHeight);
const QRect kCloseButton(854, 720, 150, kButtonHeight);

// Where each list stands, under its caption: degrees and higher-grade titles
// side by side, then middle-grade titles and programmes, then the
// certificates, whose names are the longest, across both columns.
QRect listArea(CatalogueList list)
{
    constexpr int kLeft = 340;
    constexpr int kColumn = 326;
    constexpr int kGap = 12;
    constexpr int kRow = 212;
    constexpr int kHeight = 198;
    const int row = list / 2;
    const int column = list % 2;
    const int width = list == CertificatesList ? 2 * kColumn + kGap : kColumn;
    return QRect(kLeft + column * (kColumn + kGap), 64 + row * kRow, width, kHeight);
}

const char *const kCaptionNames[kCatalogueLists] = {"Label1", "Label2", "Label3", "Label4", "Label5"};
const char *const kListNames[kCatalogueLists] = {"ListCat1", "ListCat2", "ListCat3", "ListCat4", "ListCat5"};

QListWidget *list(QWidget *parent, const char *name, const QRect &geometry, int points)
{
    auto *list = listBox(parent, name, geometry, points);
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette shades = list->palette();
    shades.setColor(QPalette::Base, colour6());
    shades.setColor(QPalette::Text, Qt::black);
    list->setPalette(shades);
    return list;
}

void fillRows(QListWidget *list, const CatalogueRows &rows)
{
    list->clear();
    for (const CatalogueRow &row : rows)
        list->addItem(displayText(row.text));
}

} // namespace

TFormCat::TFormCat(QWidget *parent)
    : WindowBase(QStringLiteral("Catálogo de Títulos"), QSize(1024, 768), colour2(), parent)
{
}

void TFormCat::createContents()
{
    createGuide();
    createFamilyList();
    createCatalogueLists();
    createButtons();
    createDetails();
    applyCommonLook();
    // The control the keyboard is on shows it.
    setStyleSheet(QStringLiteral("QPushButton:focus, QListWidget:focus { border: 2px solid #000080; }"));
    setCaptions();
    fillFamilyList();
}

void TFormCat::createGuide()
{
    LabelAyu0 = textLabel(this, "LabelAyu0", kGuide, 16, true);
    TimerAyu = new QTimer(this);
    TimerAyu->setInterval(kGuideTick);
    connect(TimerAyu, &QTimer::timeout, this, &TFormCat::TimerAyuTimer);
}

void TFormCat::createFamilyList()
{
    LabelFami = textLabel(this, "LabelFami", kFamilyCaption, 12, true);
    ListFam = list(this, "ListFam", kFamilyList, 10);
    ListFam->setIconSize(QSize(22, 22));
    onRowChosen(ListFam, [this](int row) { ListFamClick(row); });
}

void TFormCat::createCatalogueLists()
{
    for (int k = 0; k < kCatalogueLists; ++k) {
        const auto which = CatalogueList(k);
        const QRect area = listArea(which);
        m_captions[k] =
            textLabel(this, kCaptionNames[k], QRect(area.x(), area.y(), area.width(), 26), 12, true);
        m_lists[k] = list(this, kListNames[k], area.adjusted(0, 28, 0, 0), 10);
        onRowChosen(m_lists[k], [this, which](int row) { ListCatClick(which, row); });
    }
}

// The pop-up details, over the lists.
void TFormCat::createDetails()
{
    Listsel = list(this, "Listsel", QRect(0, 0, kDetailsWidth, kDetailsMost), 10);
    Listsel->setSelectionMode(QAbstractItemView::NoSelection);
    Listsel->setFrameShape(QFrame::Box);
    Listsel->setLineWidth(2);
    botcerrar = button(this, "botcerrar", QRect(0, 0, kDetailsWidth, 30));
    connect(botcerrar, &QPushButton::clicked, this, &TFormCat::botcerrarClick);
    hideWidgets({Listsel, botcerrar});
}

void TFormCat::createButtons()
{
    BotImprimir = button(this, "BotImprimir", kPrintButton);
    BotRetroceder = button(this, "BotRetroceder", kCloseButton);
    connect(BotImprimir, &QPushButton::clicked, this, &TFormCat::BotImprimirMouseUp);
    connect(BotRetroceder, &QPushButton::clicked, this, &TFormCat::BotRetrocederMouseUp);
    BotImprimir->hide();
}

void TFormCat::setCaptions()
{
    LabelAyu0->setText(uiText(kGuideFirst) + QLatin1Char(' ') + uiText(kGuideSecond));
    LabelFami->setText(uiText(kFamilies));
    for (int k = 0; k < kCatalogueLists; ++k)
        m_captions[k]->setText(displayText(catalogueListCaption(CatalogueList(k))));
    botcerrar->setText(uiText(kClose));
    BotImprimir->setText(uiText(kPrint));
    BotRetroceder->setText(uiText(kClose));
    fitCaption(BotImprimir);
    fitCaption(BotRetroceder);
}

void TFormCat::fillFamilyList()
{
    m_familyLines = catalogueFamilyLines();
    ListFam->clear();
    for (size_t row = 0; row < m_familyLines.size(); ++row)
        ListFam->addItem(new QListWidgetItem(listIcon(catalogueFamilyIcon(int(row))),
                                             displayText(catalogueFamilyName(m_familyLines[row]))));
}

void TFormCat::showEvent(QShowEvent *event)
{
    WindowBase::showEvent(event);
    LabelAyu0->move(kGuideStart, LabelAyu0->y());
    TimerAyu->start();
    ListFam->setFocus();
}

void TFormCat::TimerAyuTimer()
{
    if (LabelAyu0->x() <= kGuideEnd) {
        TimerAyu->stop();
        return;
    }
    LabelAyu0->move(LabelAyu0->x() - kGuideStep, LabelAyu0->y());
}

void TFormCat::ListFamClick(int row)
{
    if (row < 0 || row >= int(m_familyLines.size()))
        return;
    botcerrarClick();
    m_family = m_familyLines[row];
    m_catalogue = familyCatalogue(m_family);
    for (int k = 0; k < kCatalogueLists; ++k)
        fillRows(m_lists[k], m_catalogue[k]);
    BotImprimir->show();
}

void TFormCat::ListCatClick(CatalogueList which, int row)
{
    const CatalogueRows &rows = m_catalogue[which];
    if (row < 0 || row >= int(rows.size()))
        return;
    const QByteArray family = content().familias.at(m_family);
    const char code = family.isEmpty() ? ' ' : family[0];
    std::vector<QByteArray> lines = catalogueDetails(which, rows[row], code);
    for (QByteArray &line : lines)
        line = trimTrailingBlanks(line);
    fillList(Listsel, lines);
    m_detailsOf = m_lists[which];
    showWidgets({Listsel, botcerrar});
    placeDetails(m_detailsOf);
    Listsel->raise();
    botcerrar->raise();
    botcerrar->setFocus();
}

void TFormCat::placeDetails(const QListWidget *list)
{
    Listsel->doItemsLayout();
    int rows = 2 * Listsel->frameWidth() + 4;
    for (int r = 0; r < Listsel->count(); ++r)
        rows += Listsel->sizeHintForRow(r);
    const int height = std::clamp(rows, kDetailsLeast, kDetailsMost);
    const int whole = height + botcerrar->height();
    // Below the list while the buttons of the window stay uncovered, or else
    // above it; with no room either way, down to the buttons.
    const QRect area = list->geometry();
    const int lowest = BotRetroceder->y() - 4;
    int top = area.bottom() + 1;
    if (top + whole > lowest)
        top = area.top() - whole >= 0 ? area.top() - whole : lowest - whole;
    const int left = std::min(area.left(), width() - kDetailsWidth - 20);
    Listsel->setGeometry(left, top, kDetailsWidth, height);
    botcerrar->move(left, Listsel->geometry().bottom() + 1);
}

void TFormCat::botcerrarClick()
{
    const bool wasShown = Listsel->isVisible();
    hideWidgets({Listsel, botcerrar});
    Listsel->clear();
    // The keyboard goes back to the list whose entry was shown.
    if (wasShown && m_detailsOf)
        m_detailsOf->setFocus();
}

void TFormCat::BotImprimirMouseUp()
{
    if (m_family == 0)
        return;
    const CatalogueReport report = catalogueReport(catalogueFamilyName(m_family), m_catalogue);
    PrintListing(report.title, report.rows, report.sectionStarts, kReportFontSize);
}

void TFormCat::BotRetrocederMouseUp()
{
    botcerrarClick();
    TimerAyu->stop();
    returnToOpener();
}

// A click on the window, beside the pop-up, puts it away.
void TFormCat::mousePressEvent(QMouseEvent *event)
{
    botcerrarClick();
    WindowBase::mousePressEvent(event);
}

// Escape puts the details away, or else leaves the catalogue.
void TFormCat::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        WindowBase::keyPressEvent(event);
        return;
    }
    if (Listsel->isVisible())
        botcerrarClick();
    else
        BotRetrocederMouseUp();
}

// Closing the window asks whether to leave the program.
void TFormCat::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!confirmLeavingProgram())
        return;
    botcerrarClick();
    leaveProgram();
}

} // namespace velmira
