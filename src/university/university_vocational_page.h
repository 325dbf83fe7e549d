#pragma once
// The higher-grade vocational titles in the university window, the page door
// 3 opens: its menu `PanelFP` (by family, by place, back to the main menu)
// with the speech bubble; by family, the family groups with icons, a group's
// headings and the titles of a heading with their subjects previewed under
// the pointer; a title's menu `PanelFpTit` (where it is taught, on the map
// and region by region, its requirements, subjects and access, the printed
// title for all regions or for chosen ones); by place, a region's provinces,
// a province's towns and centres with the titles they teach, and their
// telephones. The lists come from higher_grade_titles.h.

#include "data/centre_listings.h"

#include <QObject>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class CentreGrid;
class RegionMap;
class RegionPrintChoice;
class SelectionArea;
class TForm1;
class TextBlinker;

class UniversityVocationalPage : public QObject
{
    Q_OBJECT
public:
    UniversityVocationalPage(TForm1 *window, SelectionArea &selection);
    void setCaptions();

    // The page's menu with its bubble, nothing chosen yet.
    void openMenu();
    bool isOpen() const;
    // Every control of the page hidden.
    void close();
    // One step back inside the page; from its menu, back to the main menu.
    void stepBack();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Level { Menu, Groups, Headings, Title, ChoosingRegions, PlaceMap, Provinces, Towns };

    void createMenu(QWidget *window);
    void createFamilyLists(QWidget *window);
    void createTitleMenu(QWidget *window);
    void createMap(QWidget *window);
    void createPlaceLists(QWidget *window);
    void createPrintChoice(QWidget *window);

    void menuFP1Click();
    void MenuFP2Click();
    void menuFP3Click();
    void ListPreFamMouseUp(int row);
    void BotRetroFamiClick();
    void ListTitFPMouseMove(int row);
    void ListTitFPClick(int row);
    void MenuFPTit1Click();
    void MenuFPTit2Click();
    void MenuFPTit3Click();
    void MenuFPTit4Click();
    void MenuFPTit5Click();
    void MenuFPTit6Click();
    void MenuFPTitTodoClick();
    void mapaClick(int region);
    void ListSelLugFPClick(int row);
    void botTelefonoMouseUp();
    void BotAceptarClick();
    void BotRetrocederFPClick();

    void showGroups();
    void showHeadings(int group);
    void showTitles(int row);
    void closeTitle();
    void showSection(int titleText, const std::vector<QByteArray> &lines);
    void showCentres(const std::vector<ListingRow> &rows);
    void listProvince(int k);
    void listTowns();
    void printTitle(bool everyRegionWanted, const std::vector<int> &regions);
    void startChoosingRegions();
    void showMapAt(int top);

    TForm1 *m_window;
    SelectionArea &m_selection;

    QWidget *PanelFP = nullptr;
    QPushButton *MenuFP1 = nullptr;
    QPushButton *MenuFP2 = nullptr;
    QPushButton *menuFP3 = nullptr;
    QWidget *BocadilloFP = nullptr;
    QLabel *LabelFP1 = nullptr;
    QLabel *LabelFP2 = nullptr;

    QListWidget *ListPreFam = nullptr;
    QListWidget *ListTitFP = nullptr;
    QListWidget *ListFPExpli = nullptr;

    QLabel *PanelCarSelFP = nullptr;
    TextBlinker *m_blinker = nullptr;
    QWidget *PanelFpTit = nullptr;
    QLabel *MenuFpTit0 = nullptr;
    QPushButton *MenuFpTit1 = nullptr;
    QPushButton *MenuFpTit2 = nullptr;
    QPushButton *MenuFpTit3 = nullptr;
    QPushButton *MenuFpTit4 = nullptr;
    QPushButton *MenuFpTit5 = nullptr;
    QPushButton *MenuFpTit6 = nullptr;
    QPushButton *MenuFPTitTodo = nullptr;

    QWidget *PanelEstrellasFP = nullptr;
    QLabel *LabelMapaFP = nullptr;
    RegionMap *mapa = nullptr;

    QListWidget *ListSelLugFP = nullptr;
    QListWidget *listSelFP = nullptr;
    CentreGrid *reja = nullptr;
    QPushButton *botTelefono = nullptr;
    QPushButton *BotRetrocederFP = nullptr;

    RegionPrintChoice *PanelImp = nullptr;

    Level m_level = Level::Menu;
    int m_group = 0;
    int m_headingRow = 0;        // the row of `ListPreFam` whose titles are shown
    std::vector<int> m_headings; // of the group shown
    std::vector<int> m_titles;   // of the heading shown
    int m_title = 0;             // the current `fp` line
    int m_previewRow = -1;
    RegionProvinces m_provinces; // of the region clicked by place
    ProvincePlaces m_province;   // the province listed by place
    int m_town = 0;              // from 1; 0 before any
    bool m_telephones = false;
    std::vector<ListingRow> m_centres; // the rows in `reja`
};

} // namespace velmira
