#pragma once
// A small GIF89a writer for the animated pictures of the installation
// (Qt reads GIF but does not write it): one palette shared by every frame,
// LZW-compressed frames, looping for ever.

#include <QByteArray>
#include <QImage>
#include <QVector>

namespace velmira::pictures {

// Frames of equal size. A picture with more than 256 colours keeps the 256
// most frequent ones and shows every other colour as the nearest of them.
// `delay` is the time each frame stays, in hundredths of a second.
QByteArray animatedGif(const QVector<QImage> &frames, int delay);

// The LZW code stream of GIF for `indices` (each below 2^minimumCodeSize),
// before its division into data sub-blocks.
QByteArray gifLzw(const QByteArray &indices, int minimumCodeSize);

} // namespace velmira::pictures
