#include "figures.h"

#include "data/colours.h"
#include "data/picture_names.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace velmira::pictures {

namespace {

const QColor kSkin(242, 200, 160);
const QColor kOutline(60, 40, 30);

struct Pose
{
    double frontLeg = 0; // degrees from vertical, forwards positive
    double backLeg = 0;
    double frontArm = 0;
    double backArm = 0;
    bool profile = true; // seen from the side, walking right
    bool waving = false;
    bool mouthOpen = false;
};

struct Clothes
{
    QColor hair;
    QColor top;
    QColor bottom;
    QColor shoes;
    bool skirt;
    bool longHair;
};

QPointF limbEnd(QPointF start, double length, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    return start + QPointF(std::sin(a) * length, std::cos(a) * length);
}

void limb(QPainter &p, QPointF start, double length, double degrees, const QColor &colour, double width)
{
    p.setPen(QPen(kOutline, width + 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(start, limbEnd(start, length, degrees));
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(start, limbEnd(start, length, degrees));
}

void leg(QPainter &p, QPointF hip, double degrees, const Clothes &c)
{
    limb(p, hip, 60, degrees, c.skirt ? kSkin : c.bottom, 9);
    const QPointF foot = limbEnd(hip, 60, degrees);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(c.shoes);
    p.drawRoundedRect(QRectF(foot.x() - 5, foot.y() - 4, 14, 8), 3, 3);
}

void arm(QPainter &p, QPointF shoulder, double degrees, const Clothes &c)
{
    limb(p, shoulder, 22, degrees, c.top, 8);
    const QPointF elbow = limbEnd(shoulder, 22, degrees);
    limb(p, elbow, 22, degrees * 0.6, kSkin, 6);
}

void drawPerson(QPainter &p, const Pose &pose, const Clothes &c)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF hip(28, 92);
    const QPointF shoulder(28, 46);

    if (pose.profile) {
        leg(p, hip, pose.backLeg, c);
        arm(p, shoulder, pose.backArm, c);
    } else {
        leg(p, hip + QPointF(-6, 0), -4, c);
        leg(p, hip + QPointF(6, 0), 4, c);
    }

    // Body: a jumper, and a skirt or trousers' top.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(c.top);
    p.drawRoundedRect(QRectF(17, 40, 22, 48), 6, 6);
    p.setBrush(c.bottom);
    if (c.skirt)
        p.drawPolygon(QPolygonF({QPointF(17, 84), QPointF(39, 84), QPointF(44, 106), QPointF(12, 106)}));
    else
        p.drawRect(QRectF(17, 84, 22, 12));

    // Head and hair.
    p.setBrush(c.hair);
    if (c.longHair)
        p.drawRoundedRect(QRectF(13, 10, 30, 36), 12, 12);
    p.setBrush(kSkin);
    p.drawRect(QRectF(25, 32, 6, 9));
    p.drawEllipse(QRectF(16, 12, 24, 26));
    p.setBrush(c.hair);
    p.drawChord(QRectF(14, 8, 28, 24), 0, 180 * 16);

    p.setBrush(kOutline);
    p.setPen(Qt::NoPen);
    if (pose.profile) {
        p.drawEllipse(QPointF(34, 24), 1.6, 1.6);
        p.setPen(QPen(kOutline, 1.2));
        p.drawLine(QPointF(33, 31), QPointF(37, 31));
    } else {
        p.drawEllipse(QPointF(23, 24), 1.6, 1.6);
        p.drawEllipse(QPointF(33, 24), 1.6, 1.6);
        p.setPen(QPen(QColor(170, 60, 60), 1.4));
        p.setBrush(pose.mouthOpen ? QColor(170, 60, 60) : Qt::transparent);
        if (pose.mouthOpen)
            p.drawEllipse(QPointF(28, 31.5), 2.5, 2);
        else
            p.drawArc(QRectF(24, 27, 8, 6), 200 * 16, 140 * 16);
    }

    if (pose.profile) {
        leg(p, hip, pose.frontLeg, c);
        arm(p, shoulder, pose.frontArm, c);
    } else {
        arm(p, shoulder + QPointF(-10, 0), -12 - pose.backArm, c);
        if (pose.waving) {
            limb(p, shoulder + QPointF(10, 0), 20, 150, c.top, 8);
            limb(p, limbEnd(shoulder + QPointF(10, 0), 20, 150), 20, 180 + pose.frontArm, kSkin, 6);
        } else {
            arm(p, shoulder + QPointF(10, 0), 12 + pose.frontArm, c);
        }
    }
}

QImage frame(const Pose &pose, const Clothes &clothes)
{
    QImage image(kFigureFrameWidth, kFigureFrameHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawPerson(p, pose, clothes);
    return image;
}

const Clothes kPupil{
    QColor(70, 45, 25), QColor(40, 110, 190), QColor(50, 50, 70), QColor(200, 60, 40), false, false};
const Clothes kGuide{
    QColor(150, 70, 30), QColor(220, 60, 90), QColor(60, 70, 140), QColor(40, 40, 40), true, true};

} // namespace

QVector<QImage> walkingFigureFrames()
{
    QVector<QImage> frames;
    for (int i = 0; i < 6; ++i) {
        const double swing = 24 * std::sin(i * 2 * M_PI / 6);
        Pose pose;
        pose.frontLeg = swing;
        pose.backLeg = -swing;
        pose.frontArm = -swing;
        pose.backArm = swing;
        frames << frame(pose, kPupil);
    }
    Pose turned;
    turned.profile = false;
    frames << frame(turned, kPupil);
    Pose waving = turned;
    waving.waving = true;
    waving.mouthOpen = true;
    frames << frame(waving, kPupil);
    return frames;
}

QVector<QImage> guideFrames()
{
    QVector<QImage> frames;
    for (int i = 0; i < kGuideFrames; ++i) {
        Pose pose;
        pose.profile = false;
        pose.mouthOpen = i % 2 == 1;
        pose.waving = i % 4 == 1 || i % 4 == 2;
        pose.frontArm = (i % 3) * 8;
        pose.backArm = (i % 2) * 10;
        frames << frame(pose, kGuide);
    }
    return frames;
}

QImage girlPortrait()
{
    QImage portrait(kFigureFrameWidth, kFigureFrameHeight, QImage::Format_RGB32);
    portrait.fill(colour3());
    QPainter p(&portrait);
    p.drawImage(0, 0, guideFrames().first());
    return portrait;
}

} // namespace velmira::pictures
