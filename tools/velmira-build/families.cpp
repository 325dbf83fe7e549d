#include "families.h"

#include "fixed_line.h"
#include "record_reader.h"

namespace velmira::build {
namespace {

constexpr int kFamilyLines = 29;
constexpr int kGroups = 9;

// "0"-"9" are families 0-9, "A"-"Q" families 10-26.
int numberOfCode(const QString &code)
{
    if (code.size() != 1)
        return -1;
    const char c = code[0].toLatin1();
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Q')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Families compileFamilies(const SourceSet &sources)
{
    Families out;
    const SourceTable table =
        sources.table(QStringLiteral("families.txt"), {QStringLiteral("code"), QStringLiteral("name")});
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const QString code = reader.value(QStringLiteral("code"));
        const int number = numberOfCode(code);
        if (number < 0)
            throw reader.error(
                QStringLiteral("field 'code': \"%1\" is not a family code 0-9 or A-Q").arg(code));
        if (out.numbers.contains(code))
            throw reader.error(QStringLiteral("family '%1' is given twice").arg(code));
        if (out.lines.size() == kFamilyLines)
            throw reader.error(QStringLiteral("more than %1 families").arg(kFamilyLines));
        out.numbers.insert(code, number);
        out.lines
            << FixedLine().put(1, code.toLatin1()).put(2, reader.text(QStringLiteral("name"), 59)).bytes();
    }
    return out;
}

int familyNumber(const Families &families, const RecordReader &reader, const QString &field)
{
    const QString code = reader.value(field);
    const auto it = families.numbers.constFind(code);
    if (it == families.numbers.constEnd())
        throw reader.error(QStringLiteral("field '%1': unknown family '%2'").arg(field, code));
    return it.value();
}

QList<QByteArray> compileFamilyFile(const SourceSet &sources, const Families &families,
                                    const CatalogueHeadings &middle, const CatalogueHeadings &higher)
{
    QList<QByteArray> lines = families.lines;
    while (lines.size() < kFamilyLines)
        lines << QByteArray();

    const SourceTable table = sources.table(QStringLiteral("family-groups.txt"),
                                            {QStringLiteral("families"), QStringLiteral("name")});
    if (table.records.size() != kGroups)
        throw SourceError{table.file, 0,
                          QStringLiteral("there must be exactly %1 family groups").arg(kGroups)};
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        FixedLine line;
        line.put(1, QByteArray("000000"));
        int column = 1;
        for (const QString &key : reader.list(QStringLiteral("families"), 3)) {
            const int position = middle.keys.find(key, reader, QStringLiteral("families"));
            if (position > higher.families.size()
                || higher.families[position - 1] != middle.families[position - 1])
                throw reader.error(QStringLiteral("field 'families': heading %1 ('%2') of the middle-grade "
                                                  "titles is not of the family of higher-grade heading %1")
                                       .arg(position)
                                       .arg(key));
            line.putZeroPadded(column, 2, position);
            column += 2;
        }
        lines << line.put(7, reader.text(QStringLiteral("name"), 54)).bytes();
    }
    return lines;
}

} // namespace velmira::build
