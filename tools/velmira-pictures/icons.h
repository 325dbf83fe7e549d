#pragma once
// The icons of the owner-drawn lists (`ImageListIconos`), 30 x 30 each, on a
// transparent ground; their meanings are listed in data/picture_names.h.

#include <QImage>

namespace velmira::pictures {

QImage icon(int number);

} // namespace velmira::pictures
