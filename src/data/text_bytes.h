#pragma once
// Helpers for text held as bytes, the way every data file stores it:
// Latin-1, or UTF-8 once converted in UTF mode.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace velmira {

// Each byte 0x80-0xFF becomes its two-byte UTF-8 sequence; other bytes stay.
QByteArray latin1ToUtf8(QByteArrayView latin1);

// Removes trailing space characters (only 0x20; tabs and other bytes stay).
QByteArray trimTrailingBlanks(QByteArrayView text);

// True when the text holds nothing but spaces (or nothing at all).
bool isBlank(QByteArrayView text);

// n - 1 copies of c: none for n <= 1, at most 80. Used to align columns.
QByteArray repeatChar(int n, char c);

// The letters a-z in upper case; every other byte stays, so accented
// letters keep their bytes in either encoding.
QByteArray upperAscii(QByteArrayView text);

// Appends blanks and keeps the first width bytes.
QByteArray padTo(QByteArrayView text, int width);

// The first n characters of the text, and the same padded with blanks to n
// characters: for columns that must stay aligned on screen and in reports.
// A character is one byte, or in UTF mode one UTF-8 sequence (a letter with
// an accent is two bytes but one column).
QByteArray leftCharacters(QByteArrayView text, int n);
QByteArray padToCharacters(QByteArrayView text, int n);

// Characters first..last of a line, counted from 1; shorter when the line ends first.
QByteArray columns(QByteArrayView line, int first, int last);

// A field holding a number: optional leading blanks, an optional sign, then
// decimal digits up to the end of the field. Returns false for anything else,
// including a field of blanks or digits followed by a blank.
bool parseFieldNumber(QByteArrayView field, int &value);

// The one conversion from stored bytes to displayed text: UTF-8 in UTF mode,
// Latin-1 otherwise.
QString displayText(QByteArrayView stored);

// The reverse, for text typed by the user that is stored beside data bytes.
QByteArray storedText(const QString &shown);

} // namespace velmira
