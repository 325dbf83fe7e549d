#include "settings.h"

#include "encoding.h"
#include "file_access.h"
#include "language.h"
#include "load_notes.h"
#include "messages.h"
#include "text_bytes.h"
#include "text_file.h"

#include <QFile>
#include <QSaveFile>

namespace velmira {

namespace {
QByteArray g_fontName;
QByteArray g_encodingSetting;
SettingsRecord g_record;
QByteArray g_centreName;
unsigned char g_language = 0;
QByteArray g_theme;
bool g_recordsReadOnly = false;

// Key byte for position i of the centre name; see SETTINGS.md.
unsigned char nameKey(int i) { return static_cast<unsigned char>(0x5A + 3 * i); }

bool saveWhole(const QByteArray &name, const QByteArray &contents, QString *error)
{
    QSaveFile file(QString::fromLocal8Bit(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
} // namespace

QByteArray fontName() { return g_fontName; }
void setFontName(const QByteArray &name) { g_fontName = name; }
QByteArray encodingSetting() { return g_encodingSetting; }
void setEncodingSetting(const QByteArray &setting) { g_encodingSetting = setting; }

QByteArray ReadFontSettings(const QByteArray &name)
{
    const auto lines = readTextLines(name);
    if (!lines) {
        showMessage(missingFileMessage(name));
        addLoadNote(name, 0, unreadableFileNote(name));
        return g_fontName;
    }
    const QByteArray first = lines->size() > 0 ? trimTrailingBlanks(lines->at(0)) : QByteArray();
    g_encodingSetting = lines->size() > 1 ? trimTrailingBlanks(lines->at(1)) : QByteArray();
    return first;
}

void applyFontSettings(const QByteArray &name)
{
    const QByteArray font = ReadFontSettings(name);
    g_fontName = font.isEmpty() ? QByteArray("Arial") : font;
}

bool WriteFontSettings(const QByteArray &name)
{
    if (!saveWhole(name, g_fontName + '\n' + g_encodingSetting + '\n', nullptr)) {
        showMessage(QStringLiteral("No puedo grabar"));
        return false;
    }
    return true;
}

QByteArray encodeCentreName(const QByteArray &plain)
{
    QByteArray out = plain;
    for (int i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) ^ nameKey(i));
    return out;
}

QByteArray decodeCentreName(const QByteArray &encoded) { return encodeCentreName(encoded); }

QByteArray SettingsRecord::centreName() const
{
    const int length = std::min<int>(static_cast<unsigned char>(raw[kNameLengthOffset]), kNameCapacity);
    return decodeCentreName(raw.mid(kNameOffset, length));
}

void SettingsRecord::setCentreName(const QByteArray &latin1Name)
{
    const QByteArray name = latin1Name.left(kNameCapacity);
    raw[kNameLengthOffset] = static_cast<char>(name.size());
    raw.replace(kNameOffset, name.size(), encodeCentreName(name));
}

unsigned char SettingsRecord::language() const { return static_cast<unsigned char>(raw[kLanguageOffset]); }

QByteArray SettingsRecord::theme() const
{
    const int length = std::min<int>(static_cast<unsigned char>(raw[kThemeLengthOffset]), 1);
    return raw.mid(kThemeOffset, length);
}

SettingsRecord &settingsRecord() { return g_record; }
QByteArray centreName() { return g_centreName; }
unsigned char currentLanguage() { return g_language; }
void setCurrentLanguage(unsigned char value) { g_language = value; }
QByteArray currentTheme() { return g_theme; }
void setCurrentTheme(const QByteArray &letter) { g_theme = letter; }

bool probeWritableRecord(const QByteArray &name)
{
    QFile file(QString::fromLocal8Bit(name));
    g_recordsReadOnly = !file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
    return !g_recordsReadOnly;
}

bool recordFilesReadOnly() { return g_recordsReadOnly; }

bool ReadSettingsRecord(const QByteArray &name)
{
    probeWritableRecord(name);
    QFile file(QString::fromLocal8Bit(name));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(SettingsRecord::kSize);
    if (bytes.size() != SettingsRecord::kSize)
        return false;
    g_record.raw = bytes;
    g_centreName = storedLine(g_record.centreName());
    g_language = g_record.language();
    setLanguage(g_language);
    g_theme = g_record.theme();
    return true;
}

QByteArray settingsRecordBytes()
{
    QByteArray bytes = g_record.raw;
    bytes[SettingsRecord::kLanguageOffset] = static_cast<char>(g_language);
    const QByteArray theme = g_theme.left(1);
    bytes[SettingsRecord::kThemeLengthOffset] = static_cast<char>(theme.size());
    if (!theme.isEmpty())
        bytes[SettingsRecord::kThemeOffset] = theme[0];
    return bytes;
}

void WriteSettingsRecord(const QByteArray &name)
{
    QString error;
    if (!saveWhole(name, settingsRecordBytes(), &error))
        throw FileError(name, error);
}

} // namespace velmira
