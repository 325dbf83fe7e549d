#pragma once
// Compiles every content source into the files of an installation, and
// writes them out.

#include "sources.h"

namespace velmira::build {

// Throws SourceError at the first source that does not fit its format;
// nothing is returned (or written) then.
Installation compileInstallation(const SourceSet &sources);

// Writes each file through a temporary copy; returns false with a message
// when one cannot be written.
bool writeInstallation(const Installation &installation, const QString &outDir, QString *error);

} // namespace velmira::build
