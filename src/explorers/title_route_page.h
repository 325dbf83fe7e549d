#pragma once
// The middle-grade explorer's route by title: family groups, then the
// families of a group, then the titles of a family with their job positions
// previewed; the chosen title on the map, its regions ringed, the centres of
// a clicked region in the grid, and its requirements, job positions and
// subjects. The questionnaire route ends here too.

#include "explorers/middle_grade_frame.h"

#include <QObject>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class TitleRoutePage : public QObject
{
    Q_OBJECT
public:
    TitleRoutePage(QWidget *window, MiddleGradeState &state, const MiddleGradeFrame &frame);

    void setCaptions();
    // `botTit2Click`: the nine family groups.
    void start();
    // A title chosen in another route (the grid of a province, or the
    // questionnaire): shown on the map as if chosen from its family.
    void openTitle(int title);
    // The centres of a region that teach the chosen title, in the grid.
    void listCentres(int region);
    // Takes the chosen title off the map, the listing and the grid.
    void closeTitle();
    // One level back; false once the route is left.
    bool stepBack();
    void hideAll();

signals:
    void centresListed(int title, const std::vector<ListingRow> &rows);

private:
    enum class Level { Groups, Families, Title };

    void createLists(QWidget *window);
    void createDetailButtons(QWidget *window);

    void ListPreFamMouseUp(int row);
    void BotRetroFamiClick();
    void ListTitFPMouseMove(int row);
    void ListTitFPClick(int row);
    void BotRequisitosClick();
    void BotPuestoClick();
    void botAsigClick();

    void showGroups();
    void showFamilies(int group);
    void showTitles(int family);
    void showTitleOnMap(int title);
    void showDetails(const QString &heading, const std::vector<QByteArray> &lines);
    void setDetailButtonsVisible(bool visible);

    MiddleGradeState &m_state;
    const MiddleGradeFrame &m_frame;
    QListWidget *ListPreFam = nullptr;
    QLabel *LabelTitFam = nullptr; // heading of the title list: the family
    QListWidget *ListTitFP = nullptr;
    QLabel *LabelPuestos = nullptr; // heading of the job-position preview
    QListWidget *ListFPExpli = nullptr;
    QPushButton *BotRequisitos = nullptr;
    QPushButton *BotPuesto = nullptr;
    QPushButton *botAsig = nullptr;

    Level m_level = Level::Groups;
    int m_group = 0;
    std::vector<int> m_families;
    int m_family = 0;
    std::vector<int> m_titles;
    int m_previewRow = -1;
};

} // namespace velmira
