#include "language.h"

#include "foundation_state.h"

#include <array>

namespace velmira {

namespace {
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
    FoundationState &state = foundationState();
    state.language = value;
    state.notCastilian = value > 0;
    state.languageDirectory = languageDirectoryFor(value);
}

unsigned char language() { return foundationState().language; }
bool notCastilian() { return foundationState().notCastilian; }
QByteArray languageDirectory() { return foundationState().languageDirectory; }

bool isPerLanguageFile(const QByteArray &bareName)
{
    for (const char *name : kPerLanguageFiles)
        if (bareName == name)
            return true;
    return false;
}

QByteArray languagePrefixed(const QByteArray &bareName)
{
    return notCastilian() ? languageDirectory() + bareName : bareName;
}

QByteArray localName(const QByteArray &bareName)
{
    return isPerLanguageFile(bareName) ? languagePrefixed(bareName) : bareName;
}

QByteArray programDirectory() { return foundationState().programDirectory; }
void setProgramDirectory(const QByteArray &directory) { foundationState().programDirectory = directory; }

} // namespace velmira
