#include "eso_window.h"

#include "data/colours.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "eso/eso_explainer_page.h"
#include "eso/eso_help_messages.h"
#include "eso/eso_itineraries_page.h"
#include "eso/eso_questionnaire_page.h"
#include "eso/eso_results_page.h"
#include "explorers/middle_grade_window.h"
#include "widgets/help_panel_widget.h"
#include "widgets/question_window.h"
#include "widgets/theme_assets.h"
#include "widgets/window_controls.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <array>

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
    load(loadEsoData);
}

void TForm2::createContents()
{
    createMenus();
    createHelpPanel();
    createPages();
    applyCommonLook();
    m_itineraries->styleSubjectBoxes();
    setFonts();
    if (!load([this] { payuda->loadGuide(); }) || !load([this] { m_explainer->loadPictures(); }))
        return;
    loadDecorations();
    setCaptions();
}

void TForm2::createMenus()
{
    PanelItiner = panel(this, QRect(0, 0, kMenuLeft + kMenuWidth + 20, 768), colour4());
    PanelItiner->setObjectName(QStringLiteral("PanelItiner"));
    Labelano = new QLabel(this);
    Labelano->setObjectName(QStringLiteral("Labelano"));
    Labelano->setGeometry(kMenuLeft, 10, kMenuWidth, 24);
    Labelano2 = new QLabel(this);
    Labelano2->setObjectName(QStringLiteral("Labelano2"));
    Labelano2->setGeometry(kMenuLeft, 36, kMenuWidth, 64);
    Labelano2->setWordWrap(true);

    PanelMenu = panel(this, QRect(kMenuLeft, 110, kMenuWidth, 182), colour3());
    PanelMenu->setObjectName(QStringLiteral("PanelMenu"));
    PanelMenu->installEventFilter(this);
    const int inner = kMenuWidth - 20;
    botCuestio = button(PanelMenu, "botCuestio", QRect(10, 10, inner, kButtonHeight));
    BotItinerarios = button(PanelMenu, "BotItinerarios", QRect(10, 53, inner, kButtonHeight));
    BotExplica = button(PanelMenu, "BotExplica", QRect(10, 96, inner, kButtonHeight));
    BitAcabarLogse = button(PanelMenu, "BitAcabarLogse", QRect(10, 139, inner, kButtonHeight));
    connect(BotItinerarios, &QPushButton::clicked, this, &TForm2::BotItinerariosClick);
    connect(BotExplica, &QPushButton::clicked, this, &TForm2::BotExplicaClick);
    connect(BitAcabarLogse, &QPushButton::clicked, this, &TForm2::BitAcabarLogseClick);

    PanelMenu2 = panel(this, QRect(kMenuLeft + kMenuWidth + 10, 110, 280, 139), colour3());
    PanelMenu2->setObjectName(QStringLiteral("PanelMenu2"));
    BotCuestio1 = button(PanelMenu2, "BotCuestio1", QRect(10, 10, 260, kButtonHeight));
    BotCuestio3 = button(PanelMenu2, "BotCuestio3", QRect(10, 53, 260, kButtonHeight));
    BotCuestio2 = button(PanelMenu2, "BotCuestio2", QRect(10, 96, 260, kButtonHeight));
    PanelMenu2->hide();
    connect(BotCuestio1, &QPushButton::clicked, this, &TForm2::BotCuestio1Click);
    connect(BotCuestio2, &QPushButton::clicked, this, &TForm2::BotCuestio2Click);
    connect(BotCuestio3, &QPushButton::clicked, this, &TForm2::BotCuestio3Click);
    for (QPushButton *entry :
         {botCuestio, BotItinerarios, BotExplica, BitAcabarLogse, BotCuestio1, BotCuestio2, BotCuestio3})
        entry->installEventFilter(this);
}

void TForm2::createHelpPanel()
{
    m_helpPosition = kHelpPanelAt;
    payuda = new HelpPanelWidget(this, QRect(m_helpPosition, QSize(280, 190)), 12);
    payuda->installEventFilter(this);
}

void TForm2::createPages()
{
    m_itineraries = new EsoItinerariesPage(this);
    m_results = new EsoResultsPage(this, m_answers);
    m_questionnaire = new EsoQuestionnairePage(this, m_answers, m_results);
    m_explainer = new EsoExplainerPage(this);
}

void TForm2::setFonts()
{
    for (QWidget *widget : {PanelMenu, PanelMenu2})
        widget->setFont(settingsFont(14));
    m_questionnaire->setFonts();
    m_results->setFonts();
    for (QPushButton *widget : findChildren<QPushButton *>()) {
        widget->setFont(settingsFont(12));
        widget->resize(widget->width(), kButtonHeight);
    }
    Labelano->setFont(settingsFont(14));
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
        TilArr->setObjectName(QStringLiteral("TilArr"));
        TilArr->setGeometry(left, 0, width() - left, assets.topFrame.height());
        TilArr->setPixmap(assets.topFrame.scaled(TilArr->size()));
        TilArr->lower();
    }
    if (!assets.rightFrame.isNull()) {
        tilDer = new QLabel(this);
        tilDer->setObjectName(QStringLiteral("tilDer"));
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
    BotExplica->setText(uiText(kExplainerCaption));
    BitAcabarLogse->setText(uiText(kBackCaption));
    BotCuestio1->setText(uiText(kFullQuestionnaireCaption));
    BotCuestio1->setToolTip(uiText(kFullQuestionnaireHint));
    BotCuestio2->setText(uiText(kMiddleGradeQuestionnaireCaption));
    BotCuestio2->setToolTip(uiText(kMiddleGradeQuestionnaireHint));
    BotCuestio3->setText(uiText(kShortQuestionnaireCaption));
    BotCuestio3->setToolTip(uiText(kShortQuestionnaireHint));
    for (QPushButton *entry :
         {botCuestio, BotItinerarios, BotExplica, BitAcabarLogse, BotCuestio1, BotCuestio2, BotCuestio3})
        fitCaption(entry);
    m_itineraries->setCaptions();
    m_explainer->setCaptions();
    m_results->setCaptions();
}

const EsoResultList &TForm2::resultList() const { return m_results->list(); }

const ItineraryDrawing &TForm2::drawing() const { return m_itineraries->drawing(); }

// The menus show the questionnaire menu while the pointer is on its entry;
// a click on the menu or the help panel advances the diagram.
bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        highlightMenuButton(watched);
        if (watched == botCuestio)
            PanelMenu2->setVisible(botCuestio->isVisible() && botCuestio->isEnabled());
        else if (watched == BotItinerarios || watched == BotExplica || watched == BitAcabarLogse)
            PanelMenu2->hide();
    }
    if (event->type() == QEvent::MouseButtonPress && (watched == PanelMenu || watched == payuda))
        m_itineraries->advance();
    return WindowBase::eventFilter(watched, event);
}

// The menu button under the pointer is highlighted; the others go back to yellow.
void TForm2::highlightMenuButton(QObject *button)
{
    const std::array<QPushButton *, 7> menu = {botCuestio,  BotItinerarios, BotExplica, BitAcabarLogse,
                                               BotCuestio1, BotCuestio2,    BotCuestio3};
    if (std::find(menu.begin(), menu.end(), button) == menu.end())
        return;
    for (QPushButton *b : menu)
        b->setStyleSheet(b == button ? buttonStyle(colour4()) : buttonStyle());
}

void TForm2::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_itineraries->paint(painter);
}

// A click on the window advances the drawing, or closes the subject list.
void TForm2::mousePressEvent(QMouseEvent *)
{
    if (!m_itineraries->advance())
        m_itineraries->closeSubjectList();
}

void TForm2::keyPressEvent(QKeyEvent *event)
{
    if (m_itineraries->advance())
        return;
    if (event->key() != Qt::Key_Escape)
        return;
    if (m_explainer->closeInformation())
        return;
    if (m_explainer->isOpen()) {
        closeExplainer();
        return;
    }
    // One step back: an open list closes, then the questionnaire ends, then
    // the window goes.
    if (m_itineraries->closeSubjectList() || m_results->hideDetailsList())
        return;
    if (questionnaireActive())
        m_questionnaire->leave();
    else
        BitAcabarLogseClick();
}

void TForm2::openItinerariesPage()
{
    ensureContents();
    PanelMenu2->hide();
    PanelMenu->show();
}

void TForm2::openQuestionnairePage()
{
    ensureContents();
    PanelMenu->show();
    PanelMenu2->show();
}

void TForm2::BitAcabarLogseClick()
{
    if (m_itineraries->drawing().itineraryActive())
        m_itineraries->close();
    closeExplainer();
    payuda->hide();
    returnToMainMenu();
}

void TForm2::BotItinerariosClick()
{
    m_explainer->close();
    m_itineraries->open();
}

// The explainer takes the canvas beside the menu; the diagram, had it been
// drawn, starts afresh next time.
void TForm2::BotExplicaClick()
{
    m_itineraries->putAway();
    payuda->hide();
    m_questionnaireActive = false;
    narrowMenuToDiagram(true);
    PanelMenu->show();
    m_explainer->open(QRect(PanelItiner->width(), 0, width() - PanelItiner->width(), height()));
}

// The menu as the diagram leaves it, with the frames and the questionnaires.
void TForm2::closeExplainer()
{
    if (!m_explainer->isOpen())
        return;
    m_explainer->close();
    restoreMenuAfterDiagram();
}

void TForm2::BotCuestio1Click()
{
    m_itineraries->putAway();
    m_questionnaire->openFull();
}

void TForm2::BotCuestio3Click()
{
    m_itineraries->putAway();
    m_questionnaire->openShort();
}

void TForm2::BotCuestio2Click()
{
    m_answers.studentName.clear();
    hide();
    handOffToMiddleGrade();
}

void TForm2::handOffToMiddleGrade()
{
    if (Form3)
        Form3->startQuestionnaire(this);
}

void TForm2::openExplorer(WindowBase *explorer)
{
    if (explorer)
        explorer->openFrom(this);
}

// Closing the window asks whether to leave the program.
void TForm2::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!confirmLeavingProgram())
        return;
    leaveProgram();
}

void TForm2::showHelp(int message)
{
    HelpLines lines;
    payuda->showLines(helpMessageLines(message, lines) ? &lines : nullptr);
}

void TForm2::narrowMenuToQuestionnaire()
{
    for (QWidget *widget : {static_cast<QWidget *>(Labelano), static_cast<QWidget *>(Labelano2),
                            static_cast<QWidget *>(BotItinerarios), static_cast<QWidget *>(BotExplica),
                            PanelMenu2, static_cast<QWidget *>(BitAcabarLogse)})
        widget->hide();
    botCuestio->setEnabled(false);
    PanelItiner->show();
    PanelItiner->lower();
}

// The rest of the menu comes back too, so the pupil can go on from here.
void TForm2::restoreMenuAfterQuestionnaire()
{
    botCuestio->show();
    botCuestio->setEnabled(true);
    for (QWidget *widget : {static_cast<QWidget *>(BitAcabarLogse), static_cast<QWidget *>(BotItinerarios),
                            static_cast<QWidget *>(BotExplica), static_cast<QWidget *>(Labelano),
                            static_cast<QWidget *>(Labelano2), PanelMenu2, PanelMenu})
        widget->show();
    payuda->hide(); // its hints were the questionnaire's
}

void TForm2::hideMenu() { PanelMenu->hide(); }

void TForm2::narrowMenuToDiagram(bool dockMenuPanel)
{
    for (QLabel *decoration : {TilArr, tilDer})
        if (decoration)
            decoration->hide();
    PanelMenu2->hide();
    botCuestio->hide();
    if (dockMenuPanel) {
        PanelItiner->setGeometry(0, 0, PanelMenu->x() + PanelMenu->width() + 20, height());
        PanelItiner->show();
        PanelItiner->lower();
    }
}

void TForm2::offerDiagramAgain()
{
    botCuestio->hide();
    BotItinerarios->show();
}

void TForm2::restoreMenuAfterDiagram()
{
    BotItinerarios->setEnabled(true);
    payuda->move(m_helpPosition);
    payuda->hide(); // its hints were the diagram's
    PanelItiner->show();
    PanelItiner->lower();
    for (QLabel *decoration : {TilArr, tilDer})
        if (decoration) {
            decoration->show();
            decoration->lower();
        }
    PanelMenu->show();
    botCuestio->show();
    BotItinerarios->show();
    BotExplica->show();
}

} // namespace velmira
