#pragma once
// The Bachillerato questionnaire of the university window, `Panelcon`: its
// menu `PanelMenuCon`, the lists of qualities and interests the pupil marks,
// the results of each part and of both (`ListResul`, with an icon per
// itinerary), what follows from an itinerary (`ListCarreras`), and the
// report, printed or saved. The scores and rankings come from
// bachillerato_questionnaire.h; the help panel is the window's.

#include "university/bachillerato_questionnaire.h"

#include <QObject>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QWidget;

namespace velmira {

class TForm1;
class UniversityMenuPage;

class UniversityQuestionnairePage : public QObject
{
    Q_OBJECT
public:
    UniversityQuestionnairePage(TForm1 *window, UniversityMenuPage &menu);
    void setCaptions();

    // The questionnaire opened by the main menu's door: its return control
    // goes back there.
    void openFromMainMenu();
    void close();
    bool isOpen() const;
    // Escape: an itinerary's studies close, a part's list or results go back
    // to the questionnaire's menu, and that menu returns as its back entry does.
    void stepBack();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenu();
    void createLists();
    void createResults();
    void createButtons();

    // The questionnaire's entry, the module menu's button `BotCuestionario`.
    void BotCuestionarioClick();
    void MenuCuaClick();
    void MenuGusClick();
    void MenuMediaClick();
    void MenuRetroConClick();
    void verresulClick();
    void revisaClick();
    void acabarCuaClick();
    void ListResulClick(int row);
    void ListCarrerasClick();
    void ListResulMouseMove();
    void IMpResulClick();
    void grabarClick();

    void choosePart(BachilleratoPart part);
    void showMenu();
    void hideResults();
    void showResult(const RankedResult &result);
    QListWidget *listOf(BachilleratoPart part) const;
    std::vector<int> markedItems(BachilleratoPart part) const;
    void toggleCurrentMark(QListWidget *list);
    // Asks the pupil's name, offering the last one; false when declined.
    bool askStudentName();

    TForm1 *m_window;
    UniversityMenuPage &m_menu;
    BachilleratoQuestionnaire m_answers;
    BachilleratoPart m_active = BachilleratoPart::Qualities;
    bool m_returnsToMainMenu = false;

    QPushButton *BotCuestionario = nullptr;
    QWidget *Panelcon = nullptr;
    QWidget *PanelMenuCon = nullptr;
    QPushButton *Menucua = nullptr;
    QPushButton *MenuGus = nullptr;
    QPushButton *MenuMedia = nullptr;
    QPushButton *MenuRetroCon = nullptr;
    QListWidget *ListCua = nullptr;
    QListWidget *Listint = nullptr;
    QLabel *PanelResCon = nullptr;
    QLabel *LabelAviso = nullptr;
    QTableWidget *ListResul = nullptr;
    QListWidget *ListCarreras = nullptr;
    QPushButton *VerResul = nullptr;
    QPushButton *revisa = nullptr;
    QPushButton *acabarCua = nullptr;
    QPushButton *ImpResul = nullptr;
    QPushButton *grabar = nullptr;
};

} // namespace velmira
