#pragma once
// The map of regions the explorer windows share (`mapa`): the map picture,
// the region under the pointer named on a small yellow panel (`PanelMapa`),
// clicks on a region, and pulsing rings on the regions that teach what the
// window shows. The keyboard reaches it too: the arrow keys step from
// region to region and Return or Space clicks the one named.

#include "data/map_geometry.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <array>

class QLabel;
class QTimer;

namespace velmira {

class RegionMap : public QWidget
{
    Q_OBJECT
public:
    // The hover panel is a child of `host`, so that it may stand beyond the
    // map; it is placed at the pointer plus `hoverOffset`.
    RegionMap(QWidget *parent, QWidget *host, const QPoint &hoverOffset);

    static constexpr QSize kPictureSize{281, 196};

    void setPicture(const QPixmap &map);

    // The region the next click acts on: the last one the pointer or the
    // keyboard named (region 1 before any).
    int currentRegion() const { return m_current; }

    // Draws the map picture afresh and pulses rings on the flagged regions
    // (element r for region r) until stopRings(), which clears them.
    void startRings(const std::array<bool, kRegionCount + 1> &regions);
    void stopRings();
    void hideHoverPanel();

signals:
    void regionClicked(int region);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void nameRegion(const QPoint &at);
    void TimerEstrellasTimer();

    QWidget *m_host;
    QPoint m_hoverOffset;
    QLabel *PanelMapa = nullptr;
    QTimer *TimerEstrellas = nullptr;
    QPixmap m_picture;
    QPixmap m_canvas;
    std::array<bool, kRegionCount + 1> m_ringed{};
    int m_current = 1;
    int m_horizontal = 0;
    int m_vertical = 0;
    QColor m_brush = Qt::white;
};

} // namespace velmira
