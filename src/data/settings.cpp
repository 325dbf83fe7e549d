#include "settings.h"

#include "encoding.h"
#include "file_access.h"
#include "foundation_state.h"
#include "language.h"
#include "load_notes.h"
#include "messages.h"
#include "text_bytes.h"
#include "text_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

namespace velmira {

namespace {
FoundationState &state() { return foundationState(); }

// Key byte for position i of the centre name; see SETTINGS.md.
unsigned char nameKey(int i) { return static_cast<unsigned char>(0x5A + 3 * i); }

// The old file is replaced only once every byte of the new one is on disk.
// write() only fills Qt's buffer and a full disk fails when the buffer is
// flushed, which commit() does not notice: so flush first. A save file that is
// not committed is discarded, and the old file stays whole.
bool saveWhole(const QByteArray &name, const QByteArray &contents, QString *error)
{
    QSaveFile file(QString::fromLocal8Bit(name));
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else {
        errno = 0;
        if (file.write(contents) != contents.size() || !file.flush())
            // A short write leaves Qt without a reason; the system keeps it.
            reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        else if (file.commit())
            return true;
        else
            reason = file.errorString();
    }
    if (error)
        *error = reason;
    return false;
}
} // namespace

QByteArray fontName() { return state().fontName; }
void setFontName(const QByteArray &name) { state().fontName = name; }
QByteArray encodingSetting() { return state().encodingSetting; }
void setEncodingSetting(const QByteArray &setting) { state().encodingSetting = setting; }

QByteArray ReadFontSettings(const QByteArray &name)
{
    const auto lines = readTextLines(name);
    if (!lines) {
        showMessage(missingFileMessage(name));
        addLoadNote(name, 0, unreadableFileNote(name));
        return state().fontName;
    }
    const QByteArray first = lines->size() > 0 ? trimTrailingBlanks(lines->at(0)) : QByteArray();
    state().encodingSetting = lines->size() > 1 ? trimTrailingBlanks(lines->at(1)) : QByteArray();
    return first;
}

void applyFontSettings(const QByteArray &name)
{
    const QByteArray font = ReadFontSettings(name);
    state().fontName = font.isEmpty() ? QByteArray("Arial") : font;
}

bool WriteFontSettings(const QByteArray &name)
{
    if (!saveWhole(name, state().fontName + '\n' + state().encodingSetting + '\n', nullptr)) {
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

SettingsRecord &settingsRecord() { return state().settingsRecord; }
QByteArray centreName() { return state().centreName; }
unsigned char currentLanguage() { return state().settingsLanguage; }
void setCurrentLanguage(unsigned char value) { state().settingsLanguage = value; }
QByteArray currentTheme() { return state().theme; }
void setCurrentTheme(const QByteArray &letter) { state().theme = letter; }

bool probeWritableRecord(const QByteArray &name)
{
    QFile file(QString::fromLocal8Bit(name));
    state().recordsReadOnly = !file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
    return !state().recordsReadOnly;
}

bool recordFilesReadOnly() { return state().recordsReadOnly; }

bool ReadSettingsRecord(const QByteArray &name)
{
    probeWritableRecord(name);
    QFile file(QString::fromLocal8Bit(name));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(SettingsRecord::kSize);
    if (bytes.size() != SettingsRecord::kSize)
        return false;
    state().settingsRecord.raw = bytes;
    state().centreName = storedLine(state().settingsRecord.centreName());
    state().settingsLanguage = state().settingsRecord.language();
    setLanguage(state().settingsLanguage);
    state().theme = state().settingsRecord.theme();
    return true;
}

QByteArray settingsRecordBytes()
{
    QByteArray bytes = state().settingsRecord.raw;
    bytes[SettingsRecord::kLanguageOffset] = static_cast<char>(state().settingsLanguage);
    const QByteArray theme = state().theme.left(1);
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
