#include "professions_window.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "widgets/question_window.h"
#include "data/text_bytes.h"
#include "widgets/window_controls.h"
#include "long_statements_page.h"
#include "data/professions_tables.h"
#include "professions_results_page.h"
#include "data/text_ids.h"
#include "short_statements_page.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace velmira {

namespace text = professions_text;

Tprofe *profe = nullptr;

Tprofe::Tprofe(QWidget *parent)
    : WindowBase(QStringLiteral("Profesiones"), QSize(1024, 768), colour2(), parent)
{
    // The long creation is nearly over: the welcome window has done its job.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Bienvenida"))
            window->hide();
    load(loadProfessionsData);
}

void Tprofe::createContents()
{
    createTitle();
    createPages();
    createStepButtons();
    applyCommonLook();
}

void Tprofe::createTitle()
{
    LabelTitulo = textLabel(this, "LabelTitulo", QRect(40, 12, 820, 40), 18, true);
    LabelTitulo->setText(uiText(text::kTitle));
}

void Tprofe::createPages()
{
    m_longStatements = new LongStatementsPage(this);
    m_shortStatements = new ShortStatementsPage(this);
    m_results = new ProfessionsResultsPage(this);
    connect(m_longStatements, &LongStatementsPage::allAnswered, this, [this] {
        BotFraSig->setEnabled(true);
        BotFraSig->unsetCursor();
    });
    connect(m_results, &ProfessionsResultsPage::studyClicked, this, [this] { askToLeave(true); });
}

void Tprofe::createStepButtons()
{
    BotFraRet = button(this, "BotFraRet", QRect(40, 680, 80, 44));
    BotFraRet->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    BotFraSig = button(this, "BotFraSig", QRect(904, 680, 80, 44));
    BotFraSig->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    BotAcabar = button(this, "BotAcabar", QRect(874, 12, 130, 40));
    BotAcabar->setText(uiText(text::kLeave));
    for (QPushButton *b : {BotFraRet, BotFraSig, BotAcabar}) {
        b->setIconSize(QSize(28, 28));
        b->setFont(settingsFont(12));
        b->setAutoDefault(true);
    }
    connect(BotFraSig, &QPushButton::clicked, this, &Tprofe::BotFraSigClick);
    connect(BotFraRet, &QPushButton::clicked, this, &Tprofe::BotFraRetClick);
    connect(BotAcabar, &QPushButton::clicked, this, &Tprofe::BotAcabarClick);
}

void Tprofe::BotCuestioClick()
{
    ensureContents();
    m_steps.restart();
    m_results->close();
    m_results->forgetStudentName();
    m_shortStatements->close();
    BotFraSig->show();
    BotFraSig->setEnabled(false);
    BotFraSig->setCursor(Qt::ForbiddenCursor);
    BotFraRet->setEnabled(false);
    m_longStatements->open();
}

void Tprofe::BotFraSigClick()
{
    if (m_steps.onLastPage()) {
        showResults();
        return;
    }
    if (m_steps.step() == 0) {
        const std::vector<int> chosen = m_longStatements->chosenStatements();
        if (!acceptsLongChoice(static_cast<int>(chosen.size()))) {
            m_longStatements->showClosingAgain();
            return;
        }
        m_longStatements->hidePopup();
        const ProfessionsData &data = professionsData();
        const int shortCount = static_cast<int>(data.shortStatements.size()) - 1;
        m_steps.enterPages(dealPages(candidateStatements(
            data.professions, chosenActivityCodes(data.longStatements, chosen), shortCount)));
    } else {
        m_steps.forward(m_shortStatements->selectedRows());
    }
    showStep();
}

void Tprofe::BotFraRetClick()
{
    BotFraSig->show();
    if (m_results->isShown()) {
        m_results->close();
        return;
    }
    m_steps.back(m_shortStatements->selectedRows());
    showStep();
}

void Tprofe::showStep()
{
    const bool onLongStatements = m_steps.step() == 0;
    BotFraRet->setEnabled(!onLongStatements);
    m_longStatements->showList(onLongStatements);
    if (onLongStatements)
        m_shortStatements->close();
    else if (m_steps.onLastPage())
        m_shortStatements->showLastPage(m_steps.shownStatements());
    else
        m_shortStatements->showPage(m_steps.shownStatements(), m_steps.shownChoices());
}

void Tprofe::showResults()
{
    BotFraSig->hide();
    m_results->open(
        professionsResults(professionsData(), m_steps.shownStatements(), m_shortStatements->selectedRows()));
}

void Tprofe::BotAcabarClick() { askToLeave(false); }

bool Tprofe::askToLeave(bool fromStudies)
{
    if (!Form4->askYesNo(uiText(text::kLeaveQuestion), displayText(leaveQuestionSecondLine(fromStudies))))
        return false;
    m_results->close();
    m_shortStatements->close();
    m_longStatements->close();
    returnToMainMenu();
    return true;
}

// `FormCloseQuery`: closing the window asks first, like the leave button.
void Tprofe::closeEvent(QCloseEvent *event)
{
    event->ignore();
    askToLeave(false);
}

// Escape steps back, or asks to leave from the long statements.
void Tprofe::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_results->isShown() || m_steps.step() > 0)
        BotFraRetClick();
    else
        BotAcabarClick();
}

} // namespace velmira
