#include "language.h"

#include <array>

namespace velmira {

namespace {
unsigned char g_language = Castilian;
bool g_notCastilian = false;
QByteArray g_directory;
QByteArray g_programDirectory;

const std::array<const char *, 29> kPerLanguageFiles = {
    "textos",     "materias",  "informa",  "fps",       "cuestion",  "cuesgm",   "itinerar",  "fp2",
    "asignagm",   "materiasp", "carreran", "carreranb", "otros",     "cualidad", "interes",   "fp",
    "reqfp",      "asignafp",  "asignaot", "activida",  "familias",  "fpip",     "ipmodulos", "certifica",
    "certificah", "artesplas", "musica",   "danza",     "dramatico",
};
} // namespace

QByteArray languageDirectoryFor(unsigned char value)
{
    switch (value) {
    case CatalanValencian: return "catVal/";
    case Galician: return "galego/";
    case Basque: return "euskera/";
    default: return {};
    }
}

void setLanguage(unsigned char value)
{
    g_language = value;
    g_notCastilian = value > 0;
    g_directory = languageDirectoryFor(value);
}

unsigned char language() { return g_language; }
bool notCastilian() { return g_notCastilian; }
QByteArray languageDirectory() { return g_directory; }

bool isPerLanguageFile(const QByteArray &bareName)
{
    for (const char *name : kPerLanguageFiles)
        if (bareName == name)
            return true;
    return false;
}

QByteArray languagePrefixed(const QByteArray &bareName)
{
    return g_notCastilian ? g_directory + bareName : bareName;
}

QByteArray localName(const QByteArray &bareName)
{
    return isPerLanguageFile(bareName) ? languagePrefixed(bareName) : bareName;
}

QByteArray programDirectory() { return g_programDirectory; }
void setProgramDirectory(const QByteArray &directory) { g_programDirectory = directory; }

} // namespace velmira
