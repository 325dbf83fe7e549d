#pragma once
// Data-foundation initialisation: everything that exists before the first window.

#include <QImage>

namespace velmira {

// Allocates the tables, sets the constants, reads "fuente", decides the
// encoding, clears the abort flag and loads "chica.bmp" (showing
// "Faltan ficheros. Vuelva a instalar Velmira" and setting the
// picture-missing flag when it cannot).
void initialiseDataFoundation();

// The picture loaded from "chica.bmp", and the empty one of the help animations.
const QImage &girlPicture();
const QImage &emptyPicture();

} // namespace velmira
