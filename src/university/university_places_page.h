#pragma once
// Starting from a place in the university window: the map of regions
// `PanelEstrellas`, the centres of a region in `ListComunidad` and the
// degrees of a centre in the selection list, double degrees by degree and by
// region, other studies, and the web pages of centres and regions.

#include <QObject>

#include <vector>

class QLabel;
class QPoint;
class QPushButton;
class QListWidget;
class QWidget;

namespace velmira {

class SelectionArea;
class TCmdExecComponent;
class TForm1;
class UniversityCataloguePage;
class UniversityMenuPage;

class UniversityPlacesPage : public QObject
{
    Q_OBJECT
public:
    UniversityPlacesPage(TForm1 *window, UniversityMenuPage &menu, SelectionArea &selection,
                         UniversityCataloguePage &catalogue);
    void setCaptions();

    bool mapShown() const;
    bool centreListShown() const;
    // The list of centres (or groups) hidden and the map shown again.
    void backToMap();
    void hideMap();
    // The map, the list and the centre's web button hidden.
    void close();
    void hideCentreButton();
    // The region last clicked on the map, as hovered (Ceuta and Melilla
    // keep their own numbers); 0 before any.
    int currentRegion() const { return m_currentRegion; }

    // For the artistic view: lines in `ListComunidad` from `top` down, in
    // the settings font at `points`, each click reported by choiceClicked;
    // the map from `top`, each click reported by regionChosen. close() puts
    // both back in their place.
    void showChoices(const std::vector<QByteArray> &lines, int top, int points);
    void showMapAt(int top);
    // `BotImprimir` in these views: the double degrees, the other study or
    // the centre's degrees shown.
    void printList();

signals:
    void choiceClicked(int row);
    void regionChosen(int region);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void MenuCarUni3Click();
    void mapaMouseMove(const QPoint &at);
    void mapaClick();
    void ListComunidadClick(int row);
    void BotIntUniClick();
    void BotInternetCMouseUp();
    void MenucarUniDobleClick();
    void MenuCarUniDoble2Click();
    void menui6Click();

    void fillCentreList(const std::vector<QByteArray> &lines);
    void showCentreList();
    void showCentresOfRegion(int region);
    void showDoubleGroupsOfRegion(int region);

    TForm1 *m_window;
    SelectionArea &m_selection;
    UniversityCataloguePage &m_catalogue;
    QPushButton *MenuCarUni3 = nullptr;
    QPushButton *MenucarUniDoble = nullptr;
    QPushButton *MenuCarUniDoble2 = nullptr;
    QPushButton *menui6 = nullptr;
    QWidget *PanelEstrellas = nullptr;
    QLabel *LabelMapa = nullptr;
    QLabel *mapa = nullptr;
    QLabel *PanelMapa = nullptr;
    QPushButton *BotInternetC = nullptr;
    QListWidget *ListComunidad = nullptr;
    QPushButton *BotIntUni = nullptr;
    TCmdExecComponent *CmdExecComponent2 = nullptr; // PDF documents

    int m_hoveredRegion = 0;
    int m_currentRegion = 0;
    int m_currentCentre = 0;
    int m_currentOtherStudy = 0;
    int m_doubleDegreeChoice = 0;         // the degree or group whose double degrees are listed
    std::vector<int> m_centreLineNumbers; // per `ListComunidad` line
};

} // namespace velmira
