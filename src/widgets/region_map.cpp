#include "region_map.h"

#include "data/region_provinces.h"
#include "data/text_bytes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>

namespace velmira {

namespace {

constexpr int kRingInterval = 200;
constexpr int kLargestRing = 3;

} // namespace

RegionMap::RegionMap(QWidget *parent, QWidget *host, const QPoint &hoverOffset)
    : QWidget(parent)
    , m_host(host)
    , m_hoverOffset(hoverOffset)
{
    setObjectName(QStringLiteral("mapa"));
    setFixedSize(kPictureSize);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);

    PanelMapa = new QLabel(host);
    PanelMapa->setObjectName(QStringLiteral("PanelMapa"));
    PanelMapa->setAutoFillBackground(true);
    QPalette yellow = PanelMapa->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    PanelMapa->setPalette(yellow);
    PanelMapa->setMargin(3);
    // Where the host has little room the name may stand under the pointer:
    // the map below keeps the pointer's moves and clicks.
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    PanelMapa->hide();

    TimerEstrellas = new QTimer(this);
    TimerEstrellas->setInterval(kRingInterval);
    connect(TimerEstrellas, &QTimer::timeout, this, &RegionMap::TimerEstrellasTimer);
}

void RegionMap::setPicture(const QPixmap &map)
{
    m_picture = map;
    m_canvas = map;
    update();
}

void RegionMap::startRings(const std::array<bool, kRegionCount + 1> &regions)
{
    m_canvas = m_picture;
    m_ringed = regions;
    m_horizontal = 0;
    m_vertical = 0;
    m_brush = Qt::white;
    TimerEstrellas->start();
    update();
}

void RegionMap::stopRings()
{
    TimerEstrellas->stop();
    m_canvas = m_picture;
    update();
}

void RegionMap::hideHoverPanel() { PanelMapa->hide(); }

// Each tick draws rings one pixel wider with the brush the tick before
// chose; the rings stay until the picture is drawn afresh.
void RegionMap::TimerEstrellasTimer()
{
    ++m_horizontal;
    ++m_vertical;
    if (!m_canvas.isNull()) {
        QPainter painter(&m_canvas);
        painter.setPen(Qt::white);
        painter.setBrush(m_brush);
        for (int r = 1; r <= kRegionCount; ++r) {
            if (!m_ringed[r])
                continue;
            const QPoint centre = regionCentre(r);
            painter.drawEllipse(QRect(QPoint(centre.x() - m_horizontal, centre.y() - m_vertical),
                                      QPoint(centre.x() + m_horizontal, centre.y() + m_vertical)));
        }
    }
    switch (m_horizontal) {
    case 1: m_brush = QColor(255, 255, 0); break;
    case 2: m_brush = QColor(0, 0, 128); break;
    default: m_brush = QColor(128, 0, 0); break;
    }
    if (m_horizontal >= kLargestRing)
        m_horizontal = 0;
    if (m_vertical >= kLargestRing)
        m_vertical = 0;
    update();
}

void RegionMap::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.drawPixmap(0, 0, m_canvas);
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

void RegionMap::nameRegion(const QPoint &at)
{
    PanelMapa->setText(displayText(regionName(m_current)));
    PanelMapa->adjustSize();
    // Kept inside the host, which may be barely larger than the map.
    QPoint place = mapTo(m_host, at) + m_hoverOffset;
    place.setX(std::max(0, std::min(place.x(), m_host->width() - PanelMapa->width())));
    place.setY(std::max(0, std::min(place.y(), m_host->height() - PanelMapa->height())));
    PanelMapa->move(place);
    PanelMapa->show();
    PanelMapa->raise();
}

void RegionMap::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    m_current = hoveredRegion(at.x(), at.y(), m_current);
    nameRegion(at);
}

void RegionMap::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    PanelMapa->hide();
    emit regionClicked(m_current);
}

void RegionMap::leaveEvent(QEvent *) { PanelMapa->hide(); }

void RegionMap::focusOutEvent(QFocusEvent *event)
{
    PanelMapa->hide();
    QWidget::focusOutEvent(event);
}

void RegionMap::hideEvent(QHideEvent *) { PanelMapa->hide(); }

void RegionMap::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        m_current = m_current <= 1 ? kRegionCount : m_current - 1;
        nameRegion(regionCentre(m_current));
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_current = m_current >= kRegionCount ? 1 : m_current + 1;
        nameRegion(regionCentre(m_current));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        PanelMapa->hide();
        emit regionClicked(m_current);
        return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace velmira
