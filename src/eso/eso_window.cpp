#include "eso_window.h"

#include "data/colours.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/settings.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "widgets/question_window.h"
#include "widgets/theme_assets.h"
#include "widgets/window_controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace velmira {

TForm2 *Form2 = nullptr;

namespace {

constexpr int kButtonHeight = 33;
constexpr int kMenuLeft = 10;
constexpr int kMenuWidth = 250;
const QPoint kHelpPanelAt(10, 420);

} // namespace

TForm2::TForm2(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(1024, 768), colour2(), parent)
{
    move(0, 0);
    createMenus();
    createHelpPanel();
    createDiagramControls();
    createQuestionnairePage();
    createResultsPage();
    createDetailsPanel();
    createTimers();
    applyCommonLook();
    styleSubjectBoxes();
    setFonts();
    if (!load(loadEsoData) || !load([this] { payuda->loadGuide(); }))
        return;
    loadDecorations();
    setCaptions();
}

void TForm2::createMenus()
{
    PanelItiner = panel(this, QRect(0, 0, kMenuLeft + kMenuWidth + 20, 768), colour4());
    Labelano = new QLabel(this);
    Labelano->setGeometry(kMenuLeft, 10, kMenuWidth, 24);
    Labelano2 = new QLabel(this);
    Labelano2->setGeometry(kMenuLeft, 36, kMenuWidth, 64);
    Labelano2->setWordWrap(true);

    PanelMenu = panel(this, QRect(kMenuLeft, 110, kMenuWidth, 139), colour3());
    PanelMenu->installEventFilter(this);
    const int inner = kMenuWidth - 20;
    botCuestio = button(PanelMenu, "botCuestio", QRect(10, 10, inner, kButtonHeight));
    BotItinerarios = button(PanelMenu, "BotItinerarios", QRect(10, 53, inner, kButtonHeight));
    BitAcabarLogse = button(PanelMenu, "BitAcabarLogse", QRect(10, 96, inner, kButtonHeight));
    botCuestio->installEventFilter(this);
    BotItinerarios->installEventFilter(this);
    BitAcabarLogse->installEventFilter(this);
    connect(BotItinerarios, &QPushButton::clicked, this, &TForm2::BotItinerariosClick);
    connect(BitAcabarLogse, &QPushButton::clicked, this, &TForm2::BitAcabarLogseClick);

    PanelMenu2 = panel(this, QRect(kMenuLeft + kMenuWidth + 10, 110, 280, 139), colour3());
    BotCuestio1 = button(PanelMenu2, "BotCuestio1", QRect(10, 10, 260, kButtonHeight));
    BotCuestio3 = button(PanelMenu2, "BotCuestio3", QRect(10, 53, 260, kButtonHeight));
    BotCuestio2 = button(PanelMenu2, "BotCuestio2", QRect(10, 96, 260, kButtonHeight));
    PanelMenu2->hide();
    connect(BotCuestio1, &QPushButton::clicked, this, &TForm2::BotCuestio1Click);
    connect(BotCuestio2, &QPushButton::clicked, this, &TForm2::BotCuestio2Click);
    connect(BotCuestio3, &QPushButton::clicked, this, &TForm2::BotCuestio3Click);
    for (QPushButton *entry : {BotCuestio1, BotCuestio2, BotCuestio3})
        entry->installEventFilter(this);
}

void TForm2::createHelpPanel()
{
    m_helpPosition = kHelpPanelAt;
    payuda = new HelpPanelWidget(this, QRect(m_helpPosition, QSize(280, 190)), 12);
    payuda->installEventFilter(this);
}

void TForm2::createTimers()
{
    TimerParpadeo = new QTimer(this);
    TimerParpadeo->setInterval(200);
    connect(TimerParpadeo, &QTimer::timeout, this, &TForm2::TimerParpadeoTimer);
}

void TForm2::setFonts()
{
    for (QWidget *widget : {PanelMenu, PanelMenu2, PanelCuestio, PanelAbajoRes, PanelCar})
        widget->setFont(settingsFont(14));
    for (QPushButton *widget : findChildren<QPushButton *>()) {
        widget->setFont(settingsFont(12));
        widget->resize(widget->width(), kButtonHeight);
    }
    for (QWidget *widget : {static_cast<QWidget *>(Gcuestio), static_cast<QWidget *>(ListCar)})
        widget->setFont(settingsFont(11));
    QFont courier(QStringLiteral("courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(12);
    ListresCues->setFont(courier);
    Labelano->setFont(settingsFont(14));
    LabelAviso->setFont(settingsFont(12));
}

// The theme's top and right frames, as the main menu loaded them, laid along
// the window's top and right edges on the menu view; the diagram and the
// explainer hide them.
void TForm2::loadDecorations()
{
    const ThemeAssets &assets = themeAssets();
    const int left = PanelItiner->width();
    if (!assets.topFrame.isNull()) {
        TilArr = new QLabel(this);
        TilArr->setGeometry(left, 0, width() - left, assets.topFrame.height());
        TilArr->setPixmap(assets.topFrame.scaled(TilArr->size()));
        TilArr->lower();
    }
    if (!assets.rightFrame.isNull()) {
        tilDer = new QLabel(this);
        tilDer->setGeometry(width() - assets.rightFrame.width(), 0, assets.rightFrame.width(), height());
        tilDer->setPixmap(assets.rightFrame.scaled(tilDer->size()));
        tilDer->lower();
    }
}

void TForm2::setCaptions()
{
    showSchoolHeading(this, Labelano, Labelano2);

    botCuestio->setText(uiText(kQuestionnairesCaption));
    BotItinerarios->setText(uiText(kItinerariesCaption));
    BitAcabarLogse->setText(uiText(kBackCaption));
    BotCuestio1->setText(uiText(kFullQuestionnaireCaption));
    BotCuestio1->setToolTip(uiText(kFullQuestionnaireHint));
    BotCuestio2->setText(uiText(kMiddleGradeQuestionnaireCaption));
    BotCuestio2->setToolTip(uiText(kMiddleGradeQuestionnaireHint));
    BotCuestio3->setText(uiText(kShortQuestionnaireCaption));
    BotCuestio3->setToolTip(uiText(kShortQuestionnaireHint));
    LabelAviso->setText(uiText(kRankedItinerariesHint));
    botContextual->setText(uiText(kMoreInformationCaption));
    BotCerrarV->setText(uiText(kCloseCaption));
    for (size_t box = 0; box < subjectBoxButtons.size(); ++box)
        subjectBoxButtons[box]->setToolTip(displayText(subjectBoxHint(static_cast<int>(box))));
}

// The menus show the questionnaire menu while the pointer is on its entry.
bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        highlightMenuButton(watched);
        if (watched == botCuestio)
            PanelMenu2->setVisible(botCuestio->isVisible() && botCuestio->isEnabled());
        else if (watched == BotItinerarios || watched == BitAcabarLogse)
            PanelMenu2->hide();
    }
    if (event->type() == QEvent::MouseButtonPress && (watched == PanelMenu || watched == payuda))
        advanceDiagram();
    if (watched == Gcuestio && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            GcuestioMouseDown(Gcuestio->currentRow());
            return true;
        }
    }
    if (ListresCues && watched == ListresCues->viewport() && event->type() == QEvent::MouseMove)
        ListresCuesMouseMove(static_cast<QMouseEvent *>(event)->position().toPoint().y());
    return WindowBase::eventFilter(watched, event);
}

// The menu button under the pointer is highlighted; the others go back to yellow.
void TForm2::highlightMenuButton(QObject *button)
{
    const std::array<QPushButton *, 6> menu = {botCuestio,  BotItinerarios, BitAcabarLogse,
                                               BotCuestio1, BotCuestio2,    BotCuestio3};
    if (std::find(menu.begin(), menu.end(), button) == menu.end())
        return;
    for (QPushButton *b : menu)
        b->setStyleSheet(b == button ? buttonStyle(colour4()) : buttonStyle());
}

void TForm2::openItinerariesPage()
{
    PanelMenu2->hide();
    PanelMenu->show();
}

void TForm2::openQuestionnairePage()
{
    PanelMenu->show();
    PanelMenu2->show();
}

void TForm2::BitAcabarLogseClick()
{
    if (m_drawing.itineraryActive())
        resetItineraryView();
    returnToMainMenu();
}

// Closing the window asks whether to leave the program.
void TForm2::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!confirmLeavingProgram())
        return;
    returnToMainMenu();
    // Ends the loop without closing the windows again: the main menu would ask once more.
    QApplication::exit(0);
}

void TForm2::showHelp(int message)
{
    HelpLines lines;
    payuda->showLines(helpMessageLines(message, lines) ? &lines : nullptr);
}

// The more-information link blinks for eight ticks, then keeps its caption.
void TForm2::TimerParpadeoTimer()
{
    ++m_blinkTicks;
    const bool last = m_blinkTicks >= 8;
    botContextual->setText(last || m_blinkTicks % 2 == 1 ? uiText(kMoreInformationCaption) : QString());
    if (last) {
        TimerParpadeo->stop();
        m_blinkTicks = 0;
    }
}

} // namespace velmira
