#pragma once
// The texts the university window reads whole: "grados.txt", one block per
// degree opened by a key line with the degree's outlet code, and
// "master.txt", shown line by line.

#include "degrees.h"
#include "professions.h"
#include "sources.h"

#include <QByteArray>

namespace velmira::build {

// Every degree must have a description in degree-texts.txt; the builder
// adds its branch (named by the interface texts), length, number of centres
// and outlets. The blocks follow the degree order whatever the order of the
// source.
QByteArray compileDegreeTexts(const SourceSet &sources, const Degrees &degrees,
                              const Professions &professions, const QList<QByteArray> &interfaceTexts);

QByteArray compileMasterText(const SourceSet &sources);

} // namespace velmira::build
