#pragma once
// The interface language and the per-language copies of the data files.

#include <QByteArray>

namespace velmira {

enum Language : unsigned char { Castilian = 0, CatalanValencian = 1, Galician = 2, Basque = 3 };

// Sets the language directory and the not-Castilian flag from a language value.
// Values above 3 set no directory but still count as not Castilian.
void setLanguage(unsigned char value);
unsigned char language();
bool notCastilian();
QByteArray languageDirectory();

// The directory of a language value: "catVal/", "galego/", "euskera/" or empty.
QByteArray languageDirectoryFor(unsigned char value);

// True for the files that exist once per interface language.
bool isPerLanguageFile(const QByteArray &bareName);

// Language directory + name when the language is not Castilian, else the name.
QByteArray languagePrefixed(const QByteArray &bareName);

// The name as a module opens it: language directory + name for the
// per-language files when the language is not Castilian, else the bare name.
QByteArray localName(const QByteArray &bareName);

// The directory of the program file, ending in the path separator.
QByteArray programDirectory();
void setProgramDirectory(const QByteArray &directory);

} // namespace velmira
