#include "eso_help_messages.h"

#include "data/interface_texts.h"
#include "data/text_bytes.h"

#include <QString>

namespace velmira {

namespace {

// A help line: an interface text, a text of the panel's own, or nothing.
struct HelpLine
{
    int text = 0;
    const char16_t *own = nullptr;
};

struct HelpMessage
{
    int number;
    std::array<HelpLine, kHelpLines> lines;
};

const HelpMessage kMessages[] = {
    {0, {}},
    {1, {{{}, {185}, {186}, {187}}}},
    {9, {{{192}, {193}, {194}, {195}, {196}, {}, {197}, {198}}}},
    {10,
     {{{0, u"En 3º hay dos itinerarios:"},
       {0, u"El Científico-Humanístico"},
       {0, u"y el Tecnológico"},
       {0, u"Se puede empezar tambien"},
       {0, u"El 1er curso de"},
       {0, u"Iniciación"},
       {0, u"Profesional."},
       {}}}},
    {11,
     {{{0, u"En 4º hay 3 Itinerarios"},
       {0, u"- El Humnístico"},
       {0, u"- El Científico"},
       {0, u"- El Tecnológico"},
       {},
       {},
       {197},
       {198}}}},
    {12, {{{245}, {246}, {}, {}, {}, {}, {197}, {198}}}},
    {13, {{{247}}}},
    {14, {{{}, {248}}}},
    {15, {{{}, {249}, {250}, {}, {}, {}, {197}, {198}}}},
    {16, {{{}, {251}}}},
    {17, {{{}, {255}, {}, {}, {}, {}, {197}, {198}}}},
    {18, {}},
    {19, {{{258}, {259}}}},
    {20, {{{22}, {23}, {24}, {25}, {26}, {27}, {28}, {}}}},
    {22, {{{260}, {261}, {262}}}},
    {31, {{{207}, {208}, {209}, {210}, {211}, {212}, {}, {}}}},
    {32, {{{213}, {214}, {215}, {216}, {217}, {218}, {219}, {220}}}},
};

QByteArray lineBytes(const HelpLine &line)
{
    if (line.own)
        return storedText(QString::fromUtf16(line.own));
    return line.text ? interfaceText(line.text) : QByteArray();
}

} // namespace

bool helpMessageLines(int message, HelpLines &lines)
{
    for (const HelpMessage &m : kMessages) {
        if (m.number != message)
            continue;
        for (int i = 0; i < kHelpLines; ++i)
            lines[i] = lineBytes(m.lines[i]).left(kHelpLineWidth);
        return true;
    }
    return false;
}

} // namespace velmira
