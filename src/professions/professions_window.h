#pragma once
// The professions questionnaire window `profe`: long statements answered in
// a pop-up, pages of short statements, and the results with the studies
// that lead to each profession. The window owns the three pages and the
// steps between them; the logic lives in the plain units beside it.

#include "widgets/window_base.h"
#include "statement_pages.h"

class QLabel;
class QPushButton;

namespace velmira {

class LongStatementsPage;
class ShortStatementsPage;
class ProfessionsResultsPage;

class Tprofe : public WindowBase
{
    Q_OBJECT
public:
    explicit Tprofe(QWidget *parent = nullptr);

    // What the main menu's door calls before showing the window: a fresh
    // questionnaire.
    void BotCuestioClick();

protected:
    void createContents() override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createTitle();
    void createStepButtons();
    void createPages();

    void BotFraSigClick();
    void BotFraRetClick();
    void BotAcabarClick();
    // Asks whether to leave; leaves on yes.
    bool askToLeave(bool fromStudies);

    void showStep();
    void showResults();

    QLabel *LabelTitulo = nullptr;
    QPushButton *BotFraSig = nullptr;
    QPushButton *BotFraRet = nullptr;
    QPushButton *BotAcabar = nullptr;

    LongStatementsPage *m_longStatements = nullptr;
    ShortStatementsPage *m_shortStatements = nullptr;
    ProfessionsResultsPage *m_results = nullptr;
    StatementSteps m_steps;
};

extern Tprofe *profe;

} // namespace velmira
