#pragma once
// Spanish alphabetical order of Latin-1 names, as a dictionary sorts them:
// accents and case do not count, "ñ" comes after "n", a blank or a sign
// before any letter. Names that differ only in accents or case keep the
// order of their bytes.

#include <QByteArrayView>

namespace velmira {

bool spanishLess(QByteArrayView a, QByteArrayView b);

} // namespace velmira
