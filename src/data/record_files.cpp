#include "record_files.h"

#include "messages.h"

#include <QFile>
#include <QtEndian>

namespace velmira {

IntRows::IntRows(int rows, int intsPerRow)
    : m_rows(rows)
    , m_ints(intsPerRow)
    , m_values(static_cast<size_t>(rows) * intsPerRow)
{
}

std::int32_t IntRows::at(int row, int k) const
{
    if (row < 1 || row > m_rows || k < 0 || k >= m_ints)
        return 0;
    return m_values[static_cast<size_t>(row - 1) * m_ints + k];
}

void IntRows::set(int row, int k, std::int32_t value)
{
    if (row < 1 || row > m_rows || k < 0 || k >= m_ints)
        return;
    m_values[static_cast<size_t>(row - 1) * m_ints + k] = value;
}

void IntRows::fillFrom(const char *block)
{
    for (size_t i = 0; i < m_values.size(); ++i)
        m_values[i] = qFromLittleEndian<std::int32_t>(block + i * 4);
}

QByteArray IntRows::toBytes() const
{
    QByteArray block(byteSize(), '\0');
    for (size_t i = 0; i < m_values.size(); ++i)
        qToLittleEndian<std::int32_t>(m_values[i], block.data() + i * 4);
    return block;
}

bool PlaceTitleTable::teaches(int place, int title) const
{
    const int n = at(place, 0);
    for (int k = 1; k <= n && k < intsPerRow(); ++k)
        if (at(place, k) == title)
            return true;
    return false;
}

int ItemGroupRecord::itemCount(int group) const
{
    if (group < 1 || group > kGroups)
        return 0;
    return m_bytes[(group - 1) * kGroupBytes];
}

int ItemGroupRecord::item(int group, int k) const
{
    if (group < 1 || group > kGroups || k < 1 || k >= kGroupBytes)
        return 0;
    return m_bytes[(group - 1) * kGroupBytes + k];
}

void ItemGroupRecord::fillFrom(const char *record)
{
    for (int i = 0; i < kRecordBytes; ++i)
        m_bytes[i] = static_cast<std::uint8_t>(record[i]);
}

QByteArray readRecordFile(const QByteArray &name)
{
    QFile file(QString::fromLocal8Bit(name));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(name, file.errorString());
    return file.readAll();
}

namespace {

void requireBytes(const QByteArray &name, const QByteArray &contents, qsizetype needed)
{
    if (contents.size() < needed)
        throw FileError(
            name,
            QStringLiteral("el fichero tiene %1 bytes y se esperaban %2").arg(contents.size()).arg(needed));
}

} // namespace

void LoadPlaceRecords(const QByteArray &name, PlaceTitleTable &first, PlaceTitleTable &second,
                      PlaceTitleTable &third, PlaceTitleTable &fourth)
{
    const QByteArray contents = readRecordFile(name);
    const int block = first.byteSize();
    requireBytes(name, contents, 4LL * block);
    PlaceTitleTable *tables[] = {&first, &second, &third, &fourth};
    for (int k = 0; k < 4; ++k)
        tables[k]->fillFrom(contents.constData() + k * block);
}

void LoadTitleRows(const QByteArray &name, IntRows &rows)
{
    const QByteArray contents = readRecordFile(name);
    requireBytes(name, contents, rows.byteSize());
    rows.fillFrom(contents.constData());
}

void LoadDegreeRows(const QByteArray &name, DegreeRows &rows) { LoadTitleRows(name, rows); }

void LoadGroupArrays(const QByteArray &name, ItemGroups &groups)
{
    const QByteArray contents = readRecordFile(name);
    constexpr qsizetype pass = 3 * ItemGroupRecord::kRecordBytes;
    qsizetype offset = 0;
    while (offset < contents.size()) {
        requireBytes(name, contents, offset + pass);
        const char *at = contents.constData() + offset;
        groups.first.fillFrom(at);
        groups.second.fillFrom(at + ItemGroupRecord::kRecordBytes);
        groups.third.fillFrom(at + 2 * ItemGroupRecord::kRecordBytes);
        offset += pass;
    }
}

int FindDegreeByCode(const IntRows &rows, int degreeCount, int code)
{
    for (int i = 1; i <= degreeCount && i <= rows.rows(); ++i)
        if (rows.at(i, DegreeField::OutletCode) == code)
            return i;
    return 0;
}

} // namespace velmira
