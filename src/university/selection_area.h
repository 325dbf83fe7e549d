#pragma once
// The selection area of the university window, `PanelSel`: its title
// `PanelSelTit`, the selection list `ListSel`, the back button and the print
// button, and the buttons each page puts under the list for its own view.
// Every view of the window but the module menu shows it.

#include "university/listing_reports.h"
#include "university/numbered_lines.h"

#include <QObject>
#include <QPoint>

#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRect;
class QWidget;

namespace velmira {

class TForm1;

class SelectionArea : public QObject
{
    Q_OBJECT
public:
    explicit SelectionArea(TForm1 *window);

    // A page's button on the area, at a place of the area's own coordinates.
    QPushButton *addButton(const char *name, const QRect &geometry);
    void setCaptions();

    // Shown with its title, list and back button; the print button as it was.
    void open();
    bool isOpen() const;
    // Hidden, with the print button and the text pane.
    void close();
    // The back button's own steps: the list's ordinary cursor and the design
    // tops; then an emptied, hidden area.
    void resetPlaces();
    void empty();

    void setTitle(const QByteArray &stored);
    void clearTitle();
    // The lines, their region and branch headings in maroon; the list
    // switches to bold "Courier" for the centre and degree lists. Each line's
    // number (a degree, 0 for none) is what a double click opens.
    void showLines(const NumberedLines &lines, bool courier);
    void showLines(const std::vector<QByteArray> &lines, bool courier);
    void clearLines();
    // The text pane `Richedit1` over the list: the lines shown from the top.
    void showText(const std::vector<QByteArray> &lines);
    void hideText();
    void showList();
    void hideList();
    // Row n at the top of the list, blank rows appended first when too few
    // follow it.
    void scrollToRow(int row);
    // Lines that open something on a double click show a pointing hand.
    void setPointingHand(bool pointing);
    void showPrintButton(bool shown);
    // `BotImprimirN`: prints the degree or the artistic kind shown.
    void showChosenPrintButton(bool shown);
    // The list in the settings font at the given size.
    void setListFontSize(int points);

    // A report shown in the list: its title, then its rows.
    void showReport(const ListingReport &report);
    // After the print question, the report in "Courier" at the given size.
    void printReport(const ListingReport &report, int fontSize);
    // A page with a back button of its own hides this one while it is shown.
    void showBackButton(bool shown);

private:
    void ListSelDblClick(int row);
    void BotRetrocederClick();
    void BotImprimirClick();
    void BotImprimirNClick();

    TForm1 *m_window;
    QWidget *PanelSel = nullptr;
    QLabel *PanelSelTit = nullptr;
    QListWidget *ListSel = nullptr;
    QPlainTextEdit *Richedit1 = nullptr;
    QPushButton *BotImprimir = nullptr;
    QPushButton *BotImprimirN = nullptr;
    QPushButton *BotRetroceder = nullptr;

    std::vector<int> m_lineNumbers; // per `ListSel` line
    QPoint m_top;                   // design positions, for the back button
    QPoint m_listTop;
};

} // namespace velmira
