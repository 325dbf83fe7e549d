#pragma once
// The settings of a fresh installation: the "clave12" record (centre name,
// language, theme) and the "fuente" font settings.

#include "sources.h"

namespace velmira::build {

struct SettingsFiles
{
    QByteArray clave12;
    QByteArray fuente;
};

SettingsFiles compileSettings(const SourceSet &sources);

} // namespace velmira::build
