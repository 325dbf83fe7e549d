#pragma once
// The entrance examination panel `PanelSelectividad`: the `informa` lines
// marked "30", the worked example on request, and the way to the cut-off
// marks.

#include <QByteArray>
#include <QObject>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class TForm6;

class EntranceExamPage : public QObject
{
    Q_OBJECT
public:
    explicit EntranceExamPage(TForm6 *window);
    // Shown over the whole window with the information listed.
    void open();
    void close();

private:
    void setCaptions();
    void BotEjemplo2Click();
    void BotCorte2Click();
    void BotCerrar1Click();
    void showRows(const std::vector<QByteArray> &rows);
    // A row that details the one above (a leading blank) stands out in maroon.
    void ListSelecDrawItem(int row);

    TForm6 *m_window;
    QWidget *PanelSelectividad = nullptr;
    QLabel *LabelCorteSelecti = nullptr;
    QListWidget *ListSelec = nullptr;
    QPushButton *BotEjemplo2 = nullptr;
    QPushButton *BotCorte2 = nullptr;
    QPushButton *BotCerrar1 = nullptr;
};

} // namespace velmira
