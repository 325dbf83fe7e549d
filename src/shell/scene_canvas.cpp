#include "scene_canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace velmira {

SceneCanvas::SceneCanvas(QWidget *parent, QSize size)
    : QWidget(parent)
    , m_scene(size)
{
    resize(size);
    m_scene.fill(Qt::black);
    setMouseTracking(true);
}

void SceneCanvas::tile(const QPixmap &picture)
{
    if (picture.isNull())
        return;
    QPainter painter(&m_scene);
    for (int y = 0; y < m_scene.height(); y += picture.height())
        for (int x = 0; x < m_scene.width(); x += picture.width())
            painter.drawPixmap(x, y, picture);
    update();
}

QPixmap SceneCanvas::save(const QRect &area) const { return m_scene.copy(area); }

void SceneCanvas::draw(const QPoint &at, const QPixmap &picture)
{
    QPainter painter(&m_scene);
    painter.drawPixmap(at, picture);
    update(QRect(at, picture.size()));
}

void SceneCanvas::stretch(const QRect &area, const QPixmap &picture)
{
    QPainter painter(&m_scene);
    painter.drawPixmap(area, picture);
    update(area);
}

void SceneCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(event->rect(), m_scene, event->rect());
}

void SceneCanvas::mouseMoveEvent(QMouseEvent *) { emit pointerMoved(); }

} // namespace velmira
