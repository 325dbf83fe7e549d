#include "configuration_save.h"

#include "data/encoding.h"
#include "data/messages.h"
#include "data/settings.h"

namespace velmira {

ConfigurationSaveResult saveConfiguration(const QString &password, bool utfChecked)
{
    ConfigurationSaveResult result;
    if (password != QLatin1String(kConfigurationPassword)) {
        result.label = QStringLiteral("Clave NO válida");
        return result;
    }
    try {
        WriteSettingsRecord("clave12");
    } catch (const FileError &error) {
        reportFileError(error);
        result.label = QStringLiteral("Clave");
        return result;
    }
    result.recordWritten = true;
    result.label = QStringLiteral("Config. guardada");

    bool changed = ReadFontSettings("fuente") != fontName();
    if (utfChecked != utfMode()) {
        changed = true;
        setEncodingSetting(utfChecked ? "UTF" : "ISO");
    }
    if (changed) {
        result.fontFileWritten = WriteFontSettings("fuente");
        if (!result.fontFileWritten)
            result.label = QStringLiteral("Clave");
    }
    return result;
}

} // namespace velmira
