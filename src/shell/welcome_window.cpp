#include "welcome_window.h"

#include "data/colours.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace velmira {

TBienvenida *Bienvenida = nullptr;

namespace {

// A small portrait drawn once: a pupil with a folder under the arm.
QPixmap drawPortrait()
{
    QPixmap picture(52, 120);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 55, 30));
    p.drawEllipse(QRectF(13, 4, 26, 30)); // hair
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QRectF(16, 9, 20, 23)); // face
    p.setBrush(QColor(60, 110, 170));
    QPainterPath body;
    body.moveTo(12, 38);
    body.lineTo(40, 38);
    body.lineTo(44, 82);
    body.lineTo(8, 82);
    body.closeSubpath();
    p.drawPath(body); // jumper
    p.setBrush(QColor(40, 40, 60));
    p.drawRect(QRectF(14, 82, 10, 32)); // legs
    p.drawRect(QRectF(28, 82, 10, 32));
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(36, 50, 12, 18)); // folder
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QRectF(20, 17, 3, 3)); // eyes
    p.drawEllipse(QRectF(29, 17, 3, 3));
    return picture;
}

} // namespace

TBienvenida::TBienvenida(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Bienvenida"));
    setWindowTitle(QStringLiteral("Velmira"));
    setFixedSize(358, 177);
    QPalette shades = palette();
    shades.setColor(QPalette::Window, RGB(241, 217, 192));
    setPalette(shades);
    setAutoFillBackground(true);
    createPortrait();
    createTitle();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TBienvenida::createPortrait()
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 24, 52, 120);
    Image1->setScaledContents(true);
    Image1->setPixmap(drawPortrait());
}

void TBienvenida::createTitle()
{
    Label1 = new QLabel(QStringLiteral("Velmira 2011-12"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(112, 24, 193, 129);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(44);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setStyleSheet(QStringLiteral("color: maroon; background: transparent;"));
}

} // namespace velmira
