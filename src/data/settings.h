#pragma once
// The two settings files of the installation directory: "fuente" (font name
// and encoding setting, two text lines) and "clave12" (one 86-byte record with
// the centre's name, the language and the decoration theme).

#include <QByteArray>

namespace velmira {

// --- "fuente" ---------------------------------------------------------------

QByteArray fontName(); // "Arial" unless "fuente" names another
void setFontName(const QByteArray &name);
QByteArray encodingSetting(); // "UTF", "ISO", "-" or empty
void setEncodingSetting(const QByteArray &setting);

// Reads both lines, trailing blanks removed; sets the encoding setting from
// line 2 and returns line 1. A missing file shows the missing-file message
// (without the abort flag), returns the current font name and keeps the
// encoding setting.
QByteArray ReadFontSettings(const QByteArray &name);
// Font name as the caller stores it: "Arial" when the file gave none.
void applyFontSettings(const QByteArray &name);
// Rewrites the file through a temporary copy; shows "No puedo grabar" and
// returns false when it cannot be written.
bool WriteFontSettings(const QByteArray &name);

// --- "clave12" ---------------------------------------------------------------

struct SettingsRecord
{
    static constexpr int kSize = 86;
    static constexpr int kNameLengthOffset = 1;
    static constexpr int kNameOffset = 2;
    static constexpr int kNameCapacity = 56;
    static constexpr int kLanguageOffset = 58;
    static constexpr int kThemeLengthOffset = 62;
    static constexpr int kThemeOffset = 63;

    QByteArray raw = QByteArray(kSize, '\0'); // every byte as read, rewritten on save

    QByteArray centreName() const; // decoded, as stored in the file (Latin-1)
    void setCentreName(const QByteArray &latin1Name);
    unsigned char language() const;
    QByteArray theme() const; // one letter, or empty
};

// The reversible encoding of the centre name inside the record.
QByteArray encodeCentreName(const QByteArray &plain);
QByteArray decodeCentreName(const QByteArray &encoded);

// The record as read at start, with the current language and theme.
SettingsRecord &settingsRecord();
QByteArray centreName(); // decoded, converted in UTF mode
unsigned char currentLanguage();
void setCurrentLanguage(unsigned char value);
QByteArray currentTheme();
void setCurrentTheme(const QByteArray &letter);

// Tries to open the record for reading and writing; when that fails, record
// files are read read-only (they always are here) and saving will fail.
bool probeWritableRecord(const QByteArray &name);
bool recordFilesReadOnly();

// Reads the record into settingsRecord(), decodes the centre name, sets the
// current language and theme. Returns false when the file cannot be read
// whole; the caller shows the message and stops start-up.
bool ReadSettingsRecord(const QByteArray &name);
// The record with the current language and theme; every other byte as read.
QByteArray settingsRecordBytes();
// Writes it through a temporary copy; raises FileError when it cannot.
void WriteSettingsRecord(const QByteArray &name);

} // namespace velmira
