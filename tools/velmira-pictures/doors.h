#pragma once
// `ImageListPuerta`: a wooden door in its frame, five frames of 56 x 168 from
// closed to wide open, with light coming through.

#include <QImage>
#include <QVector>

namespace velmira::pictures {

QVector<QImage> doorFrames();

} // namespace velmira::pictures
