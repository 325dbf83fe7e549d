#pragma once
// The panel where a pupil picks on the map the regions of a listing to print
// (`PanelImp`): two lines that say what to do, the regions picked so far
// (`ListImp`; clicking one takes it back) and `BotAceptar`, enabled once a
// region is in the list. The map window adds the regions its map reports.

#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace velmira {

class RegionPrintChoice : public QWidget
{
    Q_OBJECT
public:
    RegionPrintChoice(QWidget *parent, const QRect &geometry, const QColor &colour);
    void setCaptions(const QString &choose, const QString &undo, const QString &accept);

    // Shown empty, in front.
    void start();
    // A region not picked yet joins the list, by its name.
    void addRegion(int region);
    // The regions picked, in the order picked.
    const std::vector<int> &regions() const { return m_regions; }

signals:
    void accepted();

private:
    void ListImpClick(int row);

    QLabel *LabelSelCom1 = nullptr;
    QLabel *LabelSelCom2 = nullptr;
    QListWidget *ListImp = nullptr;
    QPushButton *BotAceptar = nullptr;
    std::vector<int> m_regions;
};

} // namespace velmira
