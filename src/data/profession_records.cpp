#include "profession_records.h"

#include "messages.h"
#include "text_bytes.h"
#include "text_file.h"

namespace velmira {

namespace {

QByteArray padded(const QByteArray &line) { return line + QByteArray(22, ' '); }

int statementNumber(const QByteArray &field, const std::function<void()> &badNumber)
{
    int value = 0;
    if (parseFieldNumber(field, value))
        return value;
    if (!isBlank(field) && badNumber)
        badNumber();
    return 0;
}

} // namespace

ShortStatement parseShortStatement(const QByteArray &line)
{
    const QByteArray l = padded(line);
    return {columns(l, 1, 4), columns(l, 6, 9), columns(l, 11, 70)};
}

LongStatement parseLongStatement(const QByteArray &line)
{
    const QByteArray l = padded(line);
    return {columns(l, 1, 115),
            {columns(l, 116, 119), columns(l, 121, 124), columns(l, 126, 129), columns(l, 131, 134)}};
}

Activity parseActivity(const QByteArray &line)
{
    const QByteArray l = padded(line);
    return {columns(l, 1, 4), columns(l, 6, 65)};
}

Profession parseProfession(const QByteArray &line, const std::function<void()> &badNumber)
{
    const QByteArray l = padded(line);
    Profession p;
    p.firstActivity = columns(l, 1, 4);
    p.secondActivity = columns(l, 6, 9);
    p.name = columns(l, 11, 50);
    p.firstStatement = statementNumber(columns(l, 51, 53), badNumber);
    p.secondStatement = statementNumber(columns(l, 54, 56), badNumber);
    return p;
}

std::vector<QByteArray> readRecordLines(const QByteArray &name, int maxLines)
{
    auto lines = readTextLines(name);
    if (!lines)
        throw FileError(name, QStringLiteral("no se puede abrir el fichero"));
    noteLinesBeyond(name, static_cast<int>(lines->size()), maxLines);
    if (static_cast<int>(lines->size()) > maxLines)
        lines->resize(maxLines);
    return std::move(*lines);
}

} // namespace velmira
