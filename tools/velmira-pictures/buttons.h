#pragma once
// "botonve.jpg", the green background of every button, and the speech
// bubble of the main menu's walking figure.

#include <QImage>

namespace velmira::pictures {

QImage buttonBackground();
QImage speechBubble();

} // namespace velmira::pictures
