#pragma once
// The drawn scene behind the main menu (`mosaico`): an off-screen picture
// that animations draw on, save from and restore to, shown as it is.

#include <QPixmap>
#include <QWidget>

namespace velmira {

class SceneCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit SceneCanvas(QWidget *parent, QSize size);

    // Repeats the picture left to right, top to bottom, from the top-left corner.
    void tile(const QPixmap &picture);
    QPixmap save(const QRect &area) const;
    void draw(const QPoint &at, const QPixmap &picture);
    void stretch(const QRect &area, const QPixmap &picture);

signals:
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap m_scene;
};

} // namespace velmira
