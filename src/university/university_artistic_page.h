#pragma once
// The artistic studies of the university window: the module menu's entry
// `Menui4` with its sub-menu `PanelMenu4` (plastic arts, music, dance,
// dramatic art), and the view of a kind: its title, the general text,
// specialities and places in the selection list, for plastic arts the titles
// in `ListComunidad` and the schools of a region chosen on the map, and the
// kind printed. The view's widgets are made the first time a kind is opened.

#include "university/artistic_studies.h"

#include <QObject>

class QLabel;
class QPushButton;
class QWidget;

namespace velmira {

class SelectionArea;
class TForm1;
class UniversityMenuPage;
class UniversityPlacesPage;

class UniversityArtisticPage : public QObject
{
    Q_OBJECT
public:
    UniversityArtisticPage(TForm1 *window, UniversityMenuPage &menu, SelectionArea &selection,
                           UniversityPlacesPage &places);
    void setCaptions();
    // The kind's title and buttons hidden; the window's back step does the rest.
    void close();
    // `BotImprimirN` in the artistic view: the kind shown, shown in the list and printed.
    void print();

private:
    void createView();
    void open(ArtisticKind kind);
    void BotArtesTitClick();
    void BotArtesEspClick();
    void BotArtesLugClick();
    // A plastic-arts title clicked in `ListComunidad`.
    void titleClicked(int title);
    // A region clicked on the map while plastic arts are shown.
    void regionChosen(int region);
    bool plasticArts() const { return m_study.kind == ArtisticKind::PlasticArts; }

    TForm1 *m_window;
    SelectionArea &m_selection;
    UniversityPlacesPage &m_places;
    QPushButton *Menui4 = nullptr;
    QWidget *PanelMenu4 = nullptr;
    QPushButton *BotArtesPlas = nullptr;
    QPushButton *BotMusica = nullptr;
    QPushButton *BotDanza = nullptr;
    QPushButton *BotDramatico = nullptr;
    QLabel *PanelArtes = nullptr; // the kind's title over the left column
    QPushButton *BotArtesTit = nullptr;
    QPushButton *BotArtesEsp = nullptr;
    QPushButton *BotArtesLug = nullptr;

    ArtisticStudy m_study;
    int m_region = 0; // the plastic-arts region last chosen on the map
};

} // namespace velmira
