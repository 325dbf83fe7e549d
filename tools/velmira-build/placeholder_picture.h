#pragma once
// "chica.bmp": a simple portrait of a girl, standing in until the drawn
// picture is supplied; start-up only needs the file to exist.

#include <QByteArray>

namespace velmira::build {

QByteArray placeholderGirlBitmap();

} // namespace velmira::build
