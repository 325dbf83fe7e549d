#pragma once
// The results page of the ESO window: the result list with its hint and
// details panel, and the printing and saving of the results.

#include "eso/eso_results.h"
#include "eso/eso_student_name.h"

#include <QByteArray>
#include <QObject>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class TForm2;
struct EsoQuestionnaire;

class EsoResultsPage : public QObject
{
    Q_OBJECT
public:
    // Creates `ListresCues`, `PanelAbajoRes`, `LabelAviso` and `PanelCar`;
    // the answers are the window's.
    EsoResultsPage(TForm2 *window, EsoQuestionnaire &answers);

    void setFonts();
    void setCaptions();

    // Scores the answers and shows their result list (`BotResCues`).
    void open();
    // Back to the grid, or the questionnaire ended: the list, its hint, its
    // buttons and the details panel go.
    void close();
    // Escape: the details list goes.
    bool hideDetailsList(); // true when it was shown

    const EsoResultList &list() const { return m_list; }

private:
    void createResultList();
    void createDetailsPanel();

    void ListresCuesMouseMove(int y);
    void ListresCuesClick(int row);
    void BotCerrarMouseUp();
    void BotImpTitMouseUp();
    void ImpResulClick();
    void grabarClick();

    bool eventFilter(QObject *watched, QEvent *event) override;
    bool askStudentName(StudentNameUse use);

    TForm2 *m_window;
    EsoQuestionnaire &m_answers;
    EsoResultList m_list;
    std::vector<QByteArray> m_details;

    QListWidget *ListresCues = nullptr;
    QWidget *PanelAbajoRes = nullptr;
    QPushButton *ImpResul = nullptr;
    QPushButton *grabar = nullptr;
    QLabel *LabelAviso = nullptr;
    QWidget *PanelCar = nullptr;
    QListWidget *ListCar = nullptr;
    QPushButton *BotImpTit = nullptr;
    QPushButton *BotCerrar = nullptr;
};

} // namespace velmira
