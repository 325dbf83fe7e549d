#include "spanish_order.h"

#include <algorithm>

namespace velmira {

namespace {

// The letter a Latin-1 byte stands for, lower case and without its accent,
// or the byte itself for anything that is not a letter.
char baseLetter(unsigned char c)
{
    static const char kAccented[] = "aaaaaaaceeeeiiii"  // 0xC0-0xCF
                                    "dnooooo ouuuuy  "  // 0xD0-0xDF
                                    "aaaaaaaceeeeiiii"  // 0xE0-0xEF
                                    "dnooooo ouuuuy y"; // 0xF0-0xFF
    if (c >= 'A' && c <= 'Z')
        return char(c - 'A' + 'a');
    if (c >= 0xC0 && kAccented[c - 0xC0] != ' ')
        return kAccented[c - 0xC0];
    return char(c);
}

// Letters after every other sign, in alphabetical order, "ñ" between "n" and "o".
int weight(unsigned char c)
{
    const char letter = baseLetter(c);
    if (letter < 'a' || letter > 'z')
        return c;
    const bool enye = c == 0xD1 || c == 0xF1;
    return 0x100 + 2 * (letter - 'a') + (enye ? 1 : 0);
}

} // namespace

bool spanishLess(QByteArrayView a, QByteArrayView b)
{
    const auto wa = [&](qsizetype i) { return weight(static_cast<unsigned char>(a[i])); };
    const auto wb = [&](qsizetype i) { return weight(static_cast<unsigned char>(b[i])); };
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        if (wa(i) != wb(i))
            return wa(i) < wb(i);
    if (a.size() != b.size())
        return a.size() < b.size();
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

} // namespace velmira
