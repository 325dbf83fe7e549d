#pragma once
// The text encoding decision: whether lines read from the Latin-1 data files
// are converted to UTF-8 before they are stored.

#include <QByteArray>

namespace velmira {

bool utfMode();
void setUtfMode(bool on);

// LANG containing "UTF" (case-sensitive) gives UTF mode; the encoding setting
// of "fuente" overrides it with "UTF" or "ISO", and "-" or anything else keeps it.
bool decideUtfMode(const QByteArray &langVariable, const QByteArray &encodingSetting);

// Reads LANG, applies the encoding setting and stores the result.
void decideEncoding(const QByteArray &encodingSetting);

// A line as it is stored: converted to UTF-8 in UTF mode, unchanged otherwise.
QByteArray storedLine(const QByteArray &fileLine);

} // namespace velmira
