#pragma once
// The certificates window's lists: the nine family groups, the families of
// a group (hovering one previews its certificates, a click fixes it), the
// certificates, and the panel of the chosen one with its requirements, hours
// and description. Prints the listed certificates of the family.

#include <QObject>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class CertificateListsPage : public QObject
{
    Q_OBJECT
public:
    CertificateListsPage(QWidget *window, QPushButton *BotImprimir);

    void setCaptions();
    // The groups, nothing chosen, the headings back at their starting places.
    void start();
    // One level back; false when the groups were shown already.
    bool stepBack();
    // One step of the headings' slide to the left; false once the last
    // heading has reached its place.
    bool slideHeadings();
    void BotImprimirClick();

private:
    void createHeadings(QWidget *window);
    void createLists(QWidget *window);
    void createResultPanel(QWidget *window);

    void ListSelFpMouseMove(int row);
    void ListSelFpMouseUp(int row);
    void ListTitFPMouseMove(int row);
    void ListTitFPMouseUp(int row);
    void ListFPExpliMouseUp(int row);

    void showGroups();

    QPushButton *BotImprimir;
    QWidget *PanelSelTit0 = nullptr;
    QWidget *PanelSelTit1 = nullptr;
    QWidget *PanelSelTit2 = nullptr;
    QLabel *LabelTit1 = nullptr;
    QLabel *LabelTit2 = nullptr;
    QLabel *LabelTit3 = nullptr;
    QListWidget *ListSelFp = nullptr;
    QListWidget *ListTitFP = nullptr;
    QListWidget *ListFPExpli = nullptr;
    QWidget *PanelResul = nullptr;
    QLabel *LabelTitulo = nullptr;
    QLabel *LabelReqTit = nullptr;
    QLabel *LabelRequisitos = nullptr;
    QLabel *LabelHorasTit = nullptr;
    QLabel *LabelHoras = nullptr;
    QLabel *LabelDes = nullptr;

    int m_group = 0;
    std::vector<int> m_families; // heading lines of the rows shown
    int m_hoveredRow = -1;
    int m_family = 0; // heading line of the family whose certificates are listed
    std::vector<int> m_certificates;
    bool m_familyFixed = false;
};

} // namespace velmira
