#pragma once
// The colours the windows share.

#include <QColor>

namespace velmira {

inline QColor RGB(int red, int green, int blue) { return QColor(red, green, blue); }

inline QColor colour2() { return RGB(238, 193, 128); } // ESO, university, professions, catalogues
inline QColor colour3() { return RGB(241, 217, 192); } // common window background
inline QColor colour4() { return RGB(192, 220, 206); } // vocational explorers, ESO, university
inline QColor colour6() { return RGB(253, 236, 192); } // question window, modules

} // namespace velmira
