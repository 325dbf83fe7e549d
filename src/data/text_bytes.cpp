#include "text_bytes.h"

#include "encoding.h"

#include <algorithm>
#include <utility>

namespace velmira {

QByteArray latin1ToUtf8(QByteArrayView latin1)
{
    QByteArray out;
    out.reserve(latin1.size() * 2);
    for (char ch : latin1) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.append(ch);
        } else {
            out.append(static_cast<char>(0xC0 | (b >> 6)));
            out.append(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

QByteArray trimTrailingBlanks(QByteArrayView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return text.first(end).toByteArray();
}

bool isBlank(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

QByteArray repeatChar(int n, char c)
{
    const int copies = std::clamp(n - 1, 0, 80);
    return QByteArray(copies, c);
}

QByteArray upperAscii(QByteArrayView text)
{
    QByteArray out = text.toByteArray();
    for (char &c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

QByteArray padTo(QByteArrayView text, int width)
{
    if (width <= 0)
        return {};
    QByteArray out = text.first(std::min<qsizetype>(text.size(), width)).toByteArray();
    if (out.size() < width)
        out.append(QByteArray(width - out.size(), ' '));
    return out;
}

namespace {

bool continuesSequence(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The bytes of the first n characters, and how many characters they hold.
std::pair<qsizetype, int> firstCharacters(QByteArrayView text, int n)
{
    if (n <= 0)
        return {0, 0};
    if (!utfMode()) {
        const qsizetype bytes = std::min<qsizetype>(text.size(), n);
        return {bytes, static_cast<int>(bytes)};
    }
    int characters = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        if (!continuesSequence(text[end]) && characters == n)
            break;
        if (!continuesSequence(text[end]))
            ++characters;
        ++end;
    }
    return {end, characters};
}

} // namespace

QByteArray leftCharacters(QByteArrayView text, int n)
{
    return text.first(firstCharacters(text, n).first).toByteArray();
}

QByteArray padToCharacters(QByteArrayView text, int n)
{
    const auto [bytes, characters] = firstCharacters(text, n);
    QByteArray out = text.first(bytes).toByteArray();
    if (characters < n)
        out.append(QByteArray(n - characters, ' '));
    return out;
}

QByteArray columns(QByteArrayView line, int first, int last)
{
    if (first < 1 || last < first || first > line.size())
        return {};
    const qsizetype from = first - 1;
    const qsizetype len = std::min<qsizetype>(last - first + 1, line.size() - from);
    return line.sliced(from, len).toByteArray();
}

bool parseFieldNumber(QByteArrayView field, int &value)
{
    qsizetype i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    if (i == field.size())
        return false;
    long long result = 0;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
        if (result > 2147483647LL)
            return false;
    }
    value = static_cast<int>(negative ? -result : result);
    return true;
}

// A text cut at its capacity in UTF mode may end in the middle of a
// two-byte sequence; the incomplete lead byte is not shown.
namespace {
// The length of the text without a UTF-8 sequence cut short at its end (a
// slot's capacity counts bytes and may end inside a letter).
qsizetype wholeSequencesLength(QByteArrayView text)
{
    qsizetype lead = text.size();
    for (int back = 0; back < 4 && lead > 0; ++back) {
        const auto byte = static_cast<unsigned char>(text[--lead]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: its lead lies further back
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return lead + length > text.size() ? lead : text.size();
    }
    return text.size();
}
} // namespace

QString displayText(QByteArrayView stored)
{
    if (!utfMode())
        return QString::fromLatin1(stored);
    return QString::fromUtf8(stored.first(wholeSequencesLength(stored)));
}

QByteArray storedText(const QString &shown) { return utfMode() ? shown.toUtf8() : shown.toLatin1(); }

} // namespace velmira
