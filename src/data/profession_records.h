#pragma once
// The record files of the professions questionnaire: one record per line,
// fields cut by column after 22 blanks are appended (so short lines give
// blank fields). Parsers return the bytes as stored in the file; callers
// convert text fields for display where they need to.

#include <QByteArray>

#include <array>
#include <functional>
#include <vector>

namespace velmira {

struct ShortStatement // "fracortas"
{
    QByteArray firstActivity;
    QByteArray secondActivity; // four blanks = none
    QByteArray text;
};

struct LongStatement // "fralargas"
{
    QByteArray text;
    std::array<QByteArray, 4> activities; // four blanks = empty
};

struct Activity // "activida"
{
    QByteArray code;
    QByteArray name;
};

struct Profession // "profesio"
{
    QByteArray firstActivity;
    QByteArray secondActivity;
    QByteArray name;
    int firstStatement = 0; // a "fracortas" line, 0 = none
    int secondStatement = 0;
};

ShortStatement parseShortStatement(const QByteArray &line);
LongStatement parseLongStatement(const QByteArray &line);
Activity parseActivity(const QByteArray &line);
// badNumber, when given, is told when a statement number field holds
// something other than blanks or digits.
Profession parseProfession(const QByteArray &line, const std::function<void()> &badNumber = {});

// The lines of a record file, at most maxLines (the rest is noted, not read).
// Raises FileError when the file cannot be opened.
std::vector<QByteArray> readRecordLines(const QByteArray &name, int maxLines);

} // namespace velmira
