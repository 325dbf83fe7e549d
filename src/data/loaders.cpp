#include "loaders.h"

#include "encoding.h"
#include "load_notes.h"
#include "messages.h"
#include "record_files.h"
#include "text_bytes.h"
#include "text_file.h"

#include <algorithm>

namespace velmira {

namespace {

// The lines of a file whose loader reports a missing file with the message
// and the abort flag; nothing when it is missing.
std::optional<std::vector<QByteArray>> linesOrMissing(const QByteArray &name)
{
    auto lines = readTextLines(name);
    if (!lines)
        reportMissingFile(name);
    return lines;
}

std::vector<QByteArray> linesOrFileError(const QByteArray &name)
{
    auto lines = readTextLines(name);
    if (!lines)
        throw FileError(name, QStringLiteral("no se puede abrir el fichero"));
    return std::move(*lines);
}

// How many lines of the file fit in entries 1..size-1, noting the rest.
int storableLines(const QByteArray &name, const std::vector<QByteArray> &lines, const LineTable &table)
{
    const int room = std::max(table.size() - 1, 0);
    noteLinesBeyond(name, static_cast<int>(lines.size()), room);
    return std::min(static_cast<int>(lines.size()), room);
}

enum class Conversion { InUtfMode, Always, Never };

// How a loader stores the text of each line.
struct LineShape
{
    Conversion conversion = Conversion::InUtfMode;
    bool trimmed = false;
    int width = 0; // padded to this width when above 0
};

bool converts(Conversion conversion)
{
    return conversion == Conversion::Always || (conversion == Conversion::InUtfMode && utfMode());
}

// Stores as many lines as the table holds in entries 1..n; returns n.
int storeLines(const QByteArray &name, const std::vector<QByteArray> &lines, LineTable &table,
               LineShape shape)
{
    const int n = storableLines(name, lines, table);
    const bool converted = converts(shape.conversion);
    const int room = shape.width > 0 ? std::min(shape.width, table.capacity()) : table.capacity();
    for (int i = 1; i <= n; ++i) {
        QByteArray line = converted ? latin1ToUtf8(lines[i - 1]) : lines[i - 1];
        if (shape.trimmed)
            line = trimTrailingBlanks(line);
        table.set(i, shape.width > 0 ? padTo(line, shape.width) : line);
        noteCutLine(name, i, trimTrailingBlanks(lines[i - 1]), room, shape.conversion != Conversion::Never);
    }
    return n;
}

// Loaders whose missing file is reported with the message and the abort flag,
// and whose entry 0 is the name.
void loadNamedLines(const QByteArray &name, LineTable &table, bool keepCount, LineShape shape)
{
    const auto lines = linesOrMissing(name);
    if (!lines)
        return;
    table.set(0, name);
    const int n = storeLines(name, *lines, table, shape);
    if (keepCount)
        table.setCount(n);
}

void fillPadded(const QByteArray &name, const std::vector<QByteArray> &lines, LineTable &table, int width,
                bool alwaysConvert)
{
    table.set(0, name);
    table.setCount(storeLines(name, lines, table,
                              {alwaysConvert ? Conversion::Always : Conversion::InUtfMode, false, width}));
}

void loadGroups(const QByteArray &name, GroupedTable &groups, int maxLines)
{
    const auto lines = linesOrMissing(name);
    if (!lines)
        return;
    const int blockLines = groups.members() + 1;
    noteLinesBeyond(name, static_cast<int>(lines->size()), maxLines);
    const int n = std::min(static_cast<int>(lines->size()), maxLines);
    int group = 0;
    int member = 0;
    for (int line = 1; line <= n; ++line) {
        if ((line - 1) % blockLines == 0) {
            ++group;
            member = 0;
            if (group == groups.groups() + 1)
                addLoadNote(name, line,
                            QStringLiteral("more than %1 groups: the rest is ignored").arg(groups.groups()));
            continue;
        }
        ++member;
        groups.set(group, member, padTo(storedLine(lines->at(line - 1)), kWidthA));
        noteCutLine(name, line, trimTrailingBlanks(lines->at(line - 1)), kWidthA, true);
    }
}

} // namespace

void LoadPaddedLines(const QByteArray &name, LineTable &table, int width)
{
    if (const auto lines = linesOrMissing(name))
        fillPadded(name, *lines, table, width, false);
}

void LoadWidePaddedLines(const QByteArray &name, LineTable &table, int width)
{
    LoadPaddedLines(name, table, width);
}

void LoadArtLines(const QByteArray &name, LineTable &table, int width)
{
    table.set(0, name);
    fillPadded(name, linesOrFileError(name), table, width, true);
}

void LoadTrimmedLines(const QByteArray &name, LineTable &table)
{
    loadNamedLines(name, table, true, {Conversion::InUtfMode, true});
}

void LoadInterfaceTexts(const QByteArray &name, LineTable &table)
{
    loadNamedLines(name, table, false, {Conversion::InUtfMode, true});
}

void LoadLongLines(const QByteArray &name, LineTable &table) { loadNamedLines(name, table, true, {}); }

void LoadPlainLines(const QByteArray &name, LineTable &table)
{
    table.setCount(storeLines(name, linesOrFileError(name), table, {}));
}

void LoadDashedLines(const QByteArray &name, LineTable &table, std::vector<int> &lineNumbers, int width)
{
    const auto lines = linesOrMissing(name);
    if (!lines)
        return;
    int titles = 0;
    const int room = std::max(table.size() - 1, 0);
    for (size_t n = 1; n <= lines->size(); ++n) {
        const QByteArray line = storedLine(lines->at(n - 1));
        if (!line.startsWith('-'))
            continue;
        if (titles == room) {
            addLoadNote(name, static_cast<int>(n),
                        QStringLiteral("more than %1 titles: the rest is ignored").arg(room));
            break;
        }
        ++titles;
        if (titles < static_cast<int>(lineNumbers.size()))
            lineNumbers[titles] = static_cast<int>(n);
        table.set(titles, padTo(QByteArrayView(line).sliced(1), width));
    }
    table.setCount(titles);
}

void LoadSubjectGroups(const QByteArray &name, GroupedTable &groups) { loadGroups(name, groups, 5000); }

void LoadOtherSubjectGroups(const QByteArray &name, GroupedTable &groups) { loadGroups(name, groups, 2500); }

void LoadPlaces(const QByteArray &name, Places &places)
{
    const auto lines = linesOrFileError(name);
    places.names.set(0, name);
    const int n = storableLines(name, lines, places.names);
    for (int i = 1; i <= n; ++i) {
        const QByteArray &line = lines[i - 1];
        int region = 0;
        if (!parseFieldNumber(columns(line, 1, 2), region)) {
            region = 0;
            addLoadNote(name, i, QStringLiteral("region code is not a number"));
        }
        places.region[i] = region;
        places.names.set(i, storedLine(columns(line, 3, 37) + QByteArray(9, ' ')));
        places.second.set(i, trimTrailingBlanks(columns(line, 38, 137)));
    }
    places.names.setCount(n);
}

void LoadRegionTexts(const QByteArray &name, LineTable &table)
{
    std::vector<QByteArray> texts;
    for (const QByteArray &line : linesOrFileError(name))
        texts.push_back(columns(line, 15, 114));
    table.setCount(storeLines(name, texts, table, {Conversion::Never, true}));
}

int placeListKind(const QByteArray &name)
{
    const QByteArray upper = name.toUpper();
    if (upper == "LU1")
        return 1;
    if (upper == "LU2")
        return 2;
    if (upper == "LU3")
        return 3;
    if (upper == "LU4")
        return 4;
    return 0;
}

bool isPlaceListHeading(int kind, char first)
{
    switch (kind) {
    case 1: return first == 'J';
    case 2: return first == 'G';
    case 3: return first == 'G' || first == 'E';
    case 4: return first == '1' || first == '5' || first == 'A';
    default: return false;
    }
}

void LoadPlaceList(const QByteArray &name, PlaceList &list)
{
    const auto lines = linesOrMissing(name);
    if (!lines)
        return;
    const int kind = placeListKind(name);
    list.columnA.set(0, name);
    const int n = storableLines(name, *lines, list.columnA);
    for (int i = 1; i <= n; ++i) {
        const QByteArray &line = lines->at(i - 1);
        if (!line.isEmpty() && isPlaceListHeading(kind, line[0])) {
            list.columnA.set(i, columns(line, 1, 44));
            list.columnB.set(i, QByteArray());
        } else {
            list.columnA.set(i, columns(line, 1, 18));
            list.columnB.set(i, columns(line, 19, 44));
        }
        list.columnC.set(i, columns(line, 46, 54));
    }
    list.columnA.setCount(n);
    list.columnB.setCount(n);
    list.columnC.setCount(n);
}

void LoadDoubleDegrees(const QByteArray &name, DoubleDegrees &doubles, const IntRows &degreeRows,
                       int degreeCount)
{
    const auto lines = linesOrMissing(name);
    if (!lines)
        return;
    doubles.names.set(0, name);
    int group = 0;
    int member = 0;
    bool groupsFull = false;
    for (size_t n = 1; n <= lines->size(); ++n) {
        const QByteArray &line = lines->at(n - 1);
        const int lineNo = static_cast<int>(n);
        int number = 0;
        if (parseFieldNumber(columns(line, 1, 2), number)) {
            if (number < 1 || number > 99)
                continue;
            if (group == DoubleDegrees::kMaxGroups) {
                if (!groupsFull)
                    addLoadNote(name, lineNo,
                                QStringLiteral("more than %1 groups: the rest is ignored")
                                    .arg(DoubleDegrees::kMaxGroups));
                groupsFull = true;
                continue;
            }
            ++group;
            doubles.code[group] = number;
            doubles.names.set(group, storedLine(columns(line, 3, 37)));
            member = 0;
            doubles.memberCount[group] = 0;
            continue;
        }
        if (groupsFull)
            continue;
        if (group == 0) {
            addLoadNote(name, lineNo, QStringLiteral("member line before the first group: ignored"));
            continue;
        }
        if (member == DoubleDegrees::kMaxMembers) {
            addLoadNote(
                name, lineNo,
                QStringLiteral("more than %1 members in a group: ignored").arg(DoubleDegrees::kMaxMembers));
            continue;
        }
        ++member;
        DoubleDegreeMember &entry = doubles.member(group, member);
        entry.selected = 0;
        int code = 0;
        if (parseFieldNumber(columns(line, 5, 7), code)) {
            entry.firstDegree = FindDegreeByCode(degreeRows, degreeCount, code);
        } else {
            showMessage(QStringLiteral("ERROR en fichero de dobles"));
            addLoadNote(name, lineNo, QStringLiteral("first degree code is not a number"));
        }
        if (parseFieldNumber(columns(line, 8, 10), code)) {
            entry.secondDegree = FindDegreeByCode(degreeRows, degreeCount, code);
        } else {
            showMessage(QStringLiteral("ERROR en fichero de dobles"));
            addLoadNote(name, lineNo, QStringLiteral("second degree code is not a number"));
        }
        entry.tag = columns(line, 11, 14);
        doubles.memberCount[group] = member;
    }
    doubles.groupCount = group;
}

// A text converted in UTF mode is measured as converted: every accented
// letter takes two bytes, so that a cut in either encoding is found.
void noteCutLine(const QByteArray &name, int line, QByteArrayView text, int room, bool convertible)
{
    if (!collectingLoadNotes())
        return;
    const qsizetype utf8Size = latin1ToUtf8(text).size();
    if ((convertible ? utf8Size : text.size()) <= room)
        return;
    qsizetype kept = 0;
    for (qsizetype bytes = 0; kept < text.size(); ++kept) {
        bytes += convertible && static_cast<unsigned char>(text[kept]) >= 0x80 ? 2 : 1;
        if (bytes > room)
            break;
    }
    const QString needs = convertible
        ? QStringLiteral("%1 in UTF mode, %2 in Latin-1").arg(utf8Size).arg(text.size())
        : QString::number(text.size());
    addLoadNote(
        name, line,
        QStringLiteral("cut after %1 bytes, the text needs %2: \"%3|%4\"")
            .arg(room)
            .arg(needs, QString::fromLatin1(text.first(kept)), QString::fromLatin1(text.sliced(kept))));
}

} // namespace velmira
