#include "university_window.h"

#include "data/colours.h"
#include "data/command_runner.h"
#include "data/interface_texts.h"
#include "data/settings.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/university_tables.h"
#include "university/star_map_link.h"
#include "university/university_help.h"
#include "widgets/window_controls.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

namespace velmira {

TForm1 *Form1 = nullptr;

namespace {

constexpr int kButtonHeight = 33;
constexpr int kMenuLeft = 10;
constexpr int kMenuWidth = 270;
constexpr int kMenuTop = 110;
constexpr int kMenuStep = 43;
const QRect kSelectionArea(420, 20, 594, 740);

QLabel *label(QWidget *parent, const QRect &geometry)
{
    auto *widget = new QLabel(parent);
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(1024, 768), colour2(), parent)
{
    move(0, 0);
    createMenus();
    createCatalogue();
    createPlaces();
    createSelectionArea();
    createPresentation();
    payuda = new HelpPanelWidget(this, QRect(10, 460, 300, 200), 11);
    createRunners();
    applyCommonLook();
    applyFonts();
    if (!load(loadUniversityData) || !load([this] { payuda->loadGuide(); }))
        return;
    setCaptions();
    showModuleMenu();
}

void TForm1::createMenus()
{
    Labelano = label(this, QRect(kMenuLeft, 10, kMenuWidth, 24));
    Labelano2 = label(this, QRect(kMenuLeft, 36, kMenuWidth, 64));
    Labelano2->setWordWrap(true);

    PanelMenu = panel(this, QRect(kMenuLeft, kMenuTop, kMenuWidth, 10 + 7 * kMenuStep), colour3());
    const int inner = kMenuWidth - 20;
    auto entry = [this, inner](const char *name, int row) {
        QPushButton *b = button(PanelMenu, name, QRect(10, 10 + row * kMenuStep, inner, kButtonHeight));
        b->installEventFilter(this);
        return b;
    };
    menunuevo1 = entry("menunuevo1", 0);
    MenuCarUni3 = entry("MenuCarUni3", 1);
    MenucarUniDoble = entry("MenucarUniDoble", 2);
    MenuCarUniDoble2 = entry("MenuCarUniDoble2", 3);
    menui6 = entry("menui6", 4);
    Botinfo = entry("Botinfo", 5);
    BotSalirUni = entry("BotSalirUni", 6);
    connect(menunuevo1, &QPushButton::clicked, this, &TForm1::menunuevo1Click);
    connect(MenuCarUni3, &QPushButton::clicked, this, &TForm1::MenuCarUni3Click);
    connect(MenucarUniDoble, &QPushButton::clicked, this, &TForm1::MenucarUniDobleClick);
    connect(MenuCarUniDoble2, &QPushButton::clicked, this, &TForm1::MenuCarUniDoble2Click);
    connect(menui6, &QPushButton::clicked, this, &TForm1::menui6Click);
    connect(BotSalirUni, &QPushButton::clicked, this, [this] {
        showModuleMenu();
        returnToMainMenu();
    });

    Panelmenu2 =
        panel(this, QRect(kMenuLeft + kMenuWidth + 10, kMenuTop + 5 * kMenuStep, 300, 10 + 3 * kMenuStep),
              colour3());
    botinfo1 = button(Panelmenu2, "botinfo1", QRect(10, 10, 280, kButtonHeight));
    botinfo2 = button(Panelmenu2, "botinfo2", QRect(10, 10 + kMenuStep, 280, kButtonHeight));
    botinfo3 = button(Panelmenu2, "botinfo3", QRect(10, 10 + 2 * kMenuStep, 280, kButtonHeight));
    connect(botinfo1, &QPushButton::clicked, this, &TForm1::botinfo1Click);
    connect(botinfo2, &QPushButton::clicked, this, &TForm1::botinfo2Click);
    connect(botinfo3, &QPushButton::clicked, this, &TForm1::botinfo3Click);
    Panelmenu2->hide();
}

void TForm1::createSelectionArea()
{
    PanelSel = panel(this, kSelectionArea, colour4());
    m_selectionTop = PanelSel->pos();
    PanelSelTit = label(PanelSel, QRect(10, 8, kSelectionArea.width() - 20, 30));
    PanelSelTit->setAlignment(Qt::AlignCenter);
    ListSel = new QListWidget(PanelSel);
    ListSel->setObjectName(QStringLiteral("ListSel"));
    ListSel->setGeometry(10, 44, kSelectionArea.width() - 20, 560);
    m_selectionListTop = ListSel->pos();
    connect(ListSel, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { ListSelDblClick(ListSel->row(item)); });

    const int row1 = 614, row2 = 657, row3 = 700, width = 184;
    BotUni = button(PanelSel, "BotUni", QRect(10, row1, width, kButtonHeight));
    botReq = button(PanelSel, "botReq", QRect(205, row1, width, kButtonHeight));
    BotSal = button(PanelSel, "BotSal", QRect(400, row1, width, kButtonHeight));
    BotCorte = button(PanelSel, "BotCorte", QRect(10, row2, width, kButtonHeight));
    BotPonde = button(PanelSel, "BotPonde", QRect(205, row2, width, kButtonHeight));
    BotImprimirN = button(PanelSel, "BotImprimirN", QRect(400, row2, width, kButtonHeight));
    BotIntUni = button(PanelSel, "BotIntUni", QRect(10, row1, 379, kButtonHeight));
    BotImprimir = button(PanelSel, "BotImprimir", QRect(400, row1, width, kButtonHeight));
    BotRetroceder = button(PanelSel, "BotRetroceder", QRect(400, row3, width, kButtonHeight));
    connect(BotUni, &QPushButton::clicked, this, &TForm1::BotUniClick);
    connect(BotIntUni, &QPushButton::clicked, this, &TForm1::BotIntUniClick);
    connect(BotRetroceder, &QPushButton::clicked, this, &TForm1::BotRetrocederClick);
    // Requirements, information text, cut-off marks, weightings and printing
    // open pages that are not part of this window yet.
    for (QPushButton *later : {botReq, BotSal, BotCorte, BotPonde, BotImprimirN, BotImprimir})
        later->setEnabled(false);
}

void TForm1::createRunners()
{
    CmdExecComponent1 = new TCmdExecComponent(this);
    CmdExecComponent2 = new TCmdExecComponent(this);
    connect(CmdExecComponent1, &TCmdExecComponent::OnComplete, this, &TForm1::CmdExecComponent1Complete);
}

void TForm1::applyFonts()
{
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setFont(settingsFont(12));
    for (QWidget *p : {PanelMenu, Panelmenu2, PanelSel, PanelCarSel, PanelEstrellas})
        p->setFont(settingsFont(14));
    for (QWidget *list : std::initializer_list<QWidget *>{ComboAgru, ListComunidad, ListSel})
        list->setFont(settingsFont(11));
    Tree->setFont(settingsFont(11));
    Labelano->setFont(settingsFont(14));
    PanelSelTit->setFont(settingsFont(14));
    PanelMapa->setFont(settingsFont(10));
}

void TForm1::setCaptions()
{
    showSchoolHeading(this, Labelano, Labelano2);

    menunuevo1->setText(uiText(kDegreeCatalogueCaption));
    MenuCarUni3->setText(uiText(kUniversitiesByPlaceCaption));
    MenucarUniDoble->setText(uiText(kDoubleDegreesByDegreeCaption));
    MenuCarUniDoble2->setText(uiText(kDoubleDegreesByRegionCaption));
    menui6->setText(uiText(kOtherStudiesCaption));
    Botinfo->setText(uiText(kInformationCaption));
    BotSalirUni->setText(uiText(kBackCaption));
    botinfo1->setText(uiText(kStudiesStructureCaption));
    botinfo2->setText(uiText(kUniversityEntranceExam));
    botinfo3->setText(uiText(kScholarshipsCaption));

    ComboAgru->clear();
    for (int text : {kArrangementByBranch, kArrangementByGroup, kArrangementByActivity,
                     kArrangementByItinerary, kArrangementAlphabetical})
        ComboAgru->addItem(uiText(text));

    BotUni->setText(uiText(kCentresCaption));
    botReq->setText(uiText(kRequirementsCaption));
    BotSal->setText(uiText(kOutletsCaption));
    BotCorte->setText(uiText(kCutOffMarksCaption));
    BotPonde->setText(uiText(kWeightingsCaption));
    BotImprimirN->setText(uiText(kPrintText));
    BotImprimir->setText(uiText(kPrintText));
    BotIntUni->setText(QStringLiteral("Más información en Internet"));
    BotRetroceder->setText(uiText(kBackCaption));
    BotInternetC->setText(uiText(kRegionWebCaption));
    BotAvanza->setText(uiText(kNextCaption));
    BotAcabarG->setText(uiText(kExitCaption));
}

void TForm1::showModuleMenu()
{
    for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelCarSel, PanelEstrellas, ListComunidad,
                                                       PanelMapa, Panelmenu2, PanelGradosT, payuda})
        w->hide();
    showDetailButtons(false);
    for (QWidget *w : {BotIntUni, BotImprimir, BotRetroceder})
        w->hide();
    m_views = {};
    m_pendingDegreeSet = false;
    hideStarMap();
    PanelMenu->show();
}

void TForm1::BotInformacionClick() { showModuleMenu(); }

// Every view of the selection area replaces the module menu and has the back button.
void TForm1::leaveModuleMenu()
{
    PanelMenu->hide();
    Panelmenu2->hide();
    PanelSel->show();
    PanelSelTit->show();
    ListSel->show();
    BotRetroceder->show();
}

void TForm1::showHelp(int step)
{
    HelpLines lines;
    payuda->showLines(universityHelpLines(step, lines) ? &lines : nullptr);
}

void TForm1::showDetailButtons(bool shown)
{
    for (QPushButton *b : {BotUni, botReq, BotSal, BotPonde, BotCorte, BotImprimirN})
        b->setVisible(shown);
}

void TForm1::fillSelectionList(const std::vector<QByteArray> &lines, bool courier)
{
    if (courier) {
        QFont font(QStringLiteral("Courier"));
        font.setPointSize(10);
        font.setBold(true);
        ListSel->setFont(font);
    }
    ListSel->clear();
    for (const QByteArray &line : lines) {
        auto *item = new QListWidgetItem(displayText(line), ListSel);
        // Region and branch headings stand out.
        if (line.startsWith('-'))
            item->setForeground(QColor(128, 0, 0));
    }
}

void TForm1::fillCentreList(const std::vector<QByteArray> &lines)
{
    ListComunidad->clear();
    for (const QByteArray &line : lines)
        ListComunidad->addItem(displayText(trimTrailingBlanks(line)));
}

void TForm1::setSelectionTitle(const QByteArray &title)
{
    PanelSelTit->setText(displayText(title.trimmed()));
}

void TForm1::BotRetrocederClick()
{
    const SelectionScreen screen{ListComunidad->isVisible(), PanelEstrellas->isVisible()};
    for (BackStep step : backSteps(m_views, screen))
        runBackStep(step);
}

void TForm1::runBackStep(BackStep step)
{
    switch (step) {
    case BackStep::LeaveMasters:
    case BackStep::LeaveArtistic:
        // Those views belong to pages this window does not open yet.
        showModuleMenu();
        break;
    case BackStep::ResetSelectionArea:
        ListSel->unsetCursor();
        PanelSel->move(m_selectionTop);
        ListSel->move(m_selectionListTop);
        break;
    case BackStep::LeaveUniversity:
        if (ListComunidad->isVisible() && !m_views.byDegree) {
            ListComunidad->hide();
            PanelEstrellas->show();
            return;
        }
        for (QWidget *w : {BotIntUni, BotImprimir})
            w->hide();
        showDetailButtons(false);
        PanelMenu->show();
        for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelCarSel, BotRetroceder,
                                                           ListComunidad, PanelEstrellas})
            w->hide();
        ListSel->clear();
        hideStarMap();
        m_views.university = false;
        break;
    case BackStep::DoublesBackToMap:
    case BackStep::CentresBackToMap:
        ListComunidad->hide();
        PanelEstrellas->show();
        break;
    case BackStep::EmptySelection:
        ListSel->unsetCursor();
        PanelSel->hide();
        BotIntUni->hide();
        PanelSelTit->clear();
        ListSel->clear();
        BotImprimir->hide();
        break;
    case BackStep::LeaveDoubleDegrees:
        m_views.doubleDegrees = false;
        PanelEstrellas->hide();
        ListComunidad->hide();
        PanelMenu->show();
        BotRetroceder->hide();
        break;
    case BackStep::LeaveOtherStudies:
        m_views.otherStudies = false;
        PanelMenu->show();
        ListComunidad->hide();
        ListSel->clear();
        BotRetroceder->hide();
        break;
    case BackStep::LeaveMap:
        PanelEstrellas->hide();
        BotRetroceder->hide();
        PanelMenu->show();
        break;
    }
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mapa) {
        if (event->type() == QEvent::MouseMove)
            mapaMouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
        else if (event->type() == QEvent::MouseButtonPress)
            mapaClick();
        else if (event->type() == QEvent::Leave)
            PanelMapa->hide();
    }
    // The information entry opens its menu beside it; the other entries close it.
    if (event->type() == QEvent::Enter && watched->parent() == PanelMenu)
        Panelmenu2->setVisible(watched == Botinfo);
    return WindowBase::eventFilter(watched, event);
}

} // namespace velmira
