#pragma once
// The route by place of the explorers of vocational studies: a region on the
// map, then one of its provinces (at once when it has only one), then a
// locality; the grid lists every centre of the province with the titles each
// teaches, placed on the chosen locality, with or without telephones. A
// double click on a title in the grid opens it in the route by title. The
// middle-grade explorer lists its titles, the initial programmes window its
// programmes: each gives its place-title tables and its titles' names.

#include "explorers/middle_grade_frame.h"

#include <QObject>

#include <vector>

class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class PlaceRoutePage : public QObject
{
    Q_OBJECT
public:
    PlaceRoutePage(QWidget *window, MiddleGradeState &state, const MiddleGradeFrame &frame,
                   const PlaceTitleTables &tables, TitleNames titleName);

    void setCaptions();
    // `botLug2Click`: the map.
    void start();
    // A region clicked on the map: its provinces, or its only one at once.
    void chooseRegion(int region);
    // One level back; false once the route is left.
    bool stepBack();
    void hideAll();
    // Every centre of the listed province with its titles, as printed.
    std::vector<ListingRow> provinceRows() const;

signals:
    void titleChosen(int title);

private:
    void ListSelLugFPClick(int row);
    void BotTelefonoClick();
    void rejaDblClick(int row);

    void chooseProvince(int k);
    void showLocality(int locality);
    void showProvinces();
    void showMapAgain();

    MiddleGradeState &m_state;
    const MiddleGradeFrame &m_frame;
    const PlaceTitleTables &m_tables;
    TitleNames m_titleName;
    QListWidget *ListSelLugFP = nullptr;
    QPushButton *BotTelefono = nullptr;
    int m_locality = 1;
};

} // namespace velmira
