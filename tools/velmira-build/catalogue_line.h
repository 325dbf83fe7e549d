#pragma once
// Catalogue sources mark a heading by starting its name with "-".

#include <QString>

namespace velmira::build {

inline bool isHeadingName(const QString &name) { return name.startsWith(QLatin1Char('-')); }

} // namespace velmira::build
