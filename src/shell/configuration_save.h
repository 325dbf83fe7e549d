#pragma once
// Saving the configuration panel's choices: after the password, "clave12"
// with the current language and theme, and "fuente" when the font or the
// encoding changed.

#include <QString>

namespace velmira {

struct ConfigurationSaveResult
{
    QString label; // what LabelClave shows afterwards
    bool recordWritten = false;
    bool fontFileWritten = false;
};

constexpr const char *kConfigurationPassword = "quibble";

// utfChecked is the state of the UTF radio button (RISO is its opposite).
// A "clave12" that cannot be written is reported in the shared error box and
// nothing more is saved; "Config. guardada" is shown only once every file
// that had to be written is.
ConfigurationSaveResult saveConfiguration(const QString &password, bool utfChecked);

} // namespace velmira
