#pragma once
// The questionnaire page of the ESO window: the grid of questions answered by
// clicks, the short and the full questionnaire, the button that shows their
// results, and their end.

#include <QByteArray>
#include <QObject>

class QPushButton;
class QTableWidget;
class QWidget;

namespace velmira {

class EsoResultsPage;
class TForm2;
struct EsoQuestionnaire;

class EsoQuestionnairePage : public QObject
{
    Q_OBJECT
public:
    // Creates `PanelCuestio`, `Gcuestio`, `BotResCues`, `AcabarCues` and
    // `BotContinuar`; the answers are the window's, the results page shows
    // what they score.
    EsoQuestionnairePage(TForm2 *window, EsoQuestionnaire &answers, EsoResultsPage *results);

    void setFonts();

    // `BotCuestio1`: every question; `BotCuestio3`: the first 35.
    void openFull();
    void openShort();
    // Ends the questionnaire as its end button does (Escape).
    void leave() { acabarCuesClick(); }

private:
    void GcuestioMouseDown(int row);
    void BotResCuesClick();
    void BotContinuarClick();
    void acabarCuesClick();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void begin();
    void start();
    void writeGridHeader();
    void showGridRow(int question, const QByteArray &label, const QByteArray &stars);

    TForm2 *m_window;
    EsoQuestionnaire &m_answers;
    EsoResultsPage *m_results;

    QWidget *PanelCuestio = nullptr;
    QTableWidget *Gcuestio = nullptr;
    QPushButton *BotResCues = nullptr;
    QPushButton *AcabarCues = nullptr;
    QPushButton *BotContinuar = nullptr;
};

} // namespace velmira
