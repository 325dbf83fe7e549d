#pragma once
// The weightings panel `PanelPonderacion`: the PDF documents of the
// documents folder in `ListUnis`, one opened in the PDF viewer by a double
// click or Return.

#include <QObject>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class TCmdExecComponent;
class TForm6;

class WeightingsPage : public QObject
{
    Q_OBJECT
public:
    explicit WeightingsPage(TForm6 *window);
    // Shown with the documents listed and the first one chosen.
    void open();
    void close();

private:
    void setCaptions();
    void ListUnisDblClick(int row);
    void Botcerrar4Click();

    TForm6 *m_window;
    bool m_opening = false; // a document is open in the viewer
    TCmdExecComponent *CmdExecComponent = nullptr;
    QWidget *PanelPonderacion = nullptr;
    QLabel *LabelPondera1 = nullptr;
    QLabel *LabelUnis = nullptr;
    QListWidget *ListUnis = nullptr;
    QPushButton *Botcerrar4 = nullptr;
};

} // namespace velmira
