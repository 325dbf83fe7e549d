#pragma once
// Binary record files: signed 32-bit little-endian integers ("datgrub":
// single bytes), read as whole records of a fixed size, never written.
// A missing or short file raises FileError.

#include "zeroed_array.h"

#include <QByteArray>

#include <array>
#include <cstdint>

namespace velmira {

// Rows of integers; rows numbered from 1, integers within a row from 0.
class IntRows
{
public:
    IntRows(int rows, int intsPerRow);

    int rows() const { return m_rows; }
    int intsPerRow() const { return m_ints; }
    int byteSize() const { return m_rows * m_ints * 4; }
    // 0 outside the table.
    std::int32_t at(int row, int k) const;
    void set(int row, int k, std::int32_t value);
    // Fills every row from a block of byteSize() little-endian bytes.
    void fillFrom(const char *block);
    // The block as stored on disk.
    QByteArray toBytes() const;

private:
    int m_rows;
    int m_ints;
    ZeroedArray<std::int32_t> m_values;
};

// One per place list: 1,100 rows of 26 integers; integer 0 is the number n of
// title numbers that follow.
struct PlaceTitleTable : IntRows
{
    PlaceTitleTable()
        : IntRows(1100, 26)
    {
    }
    // True when row p lists the title among its first n numbers.
    bool teaches(int place, int title) const;
};

struct HigherTitleRows : IntRows
{
    HigherTitleRows()
        : IntRows(200, 25)
    {
    }
}; // "datfps"
struct MiddleTitleRows : IntRows
{
    MiddleTitleRows()
        : IntRows(200, 5)
    {
    }
}; // "datfpm"
struct DegreeRows : IntRows
{
    DegreeRows()
        : IntRows(300, 14)
    {
    }
}; // "datgrados"

namespace DegreeField {
enum : int {
    Branch = 0,
    Group = 1,
    FirstItinerary = 2,
    SecondItinerary = 3,
    FirstProfession = 4,
    Family = 8,
    OutletCode = 9,
    FirstSubject = 10
};
}

// "datgrub": records of 20 groups of 51 bytes; byte 0 of a group is its item
// count, bytes 1..count the item numbers. Groups numbered from 1.
class ItemGroupRecord
{
public:
    static constexpr int kGroups = 20;
    static constexpr int kGroupBytes = 51;
    static constexpr int kRecordBytes = kGroups * kGroupBytes;

    int itemCount(int group) const;
    int item(int group, int k) const;
    void fillFrom(const char *record);

private:
    std::array<std::uint8_t, kRecordBytes> m_bytes{};
};

struct ItemGroups
{
    ItemGroupRecord first;  // "cualidad" items by itinerary
    ItemGroupRecord second; // "interes" items by itinerary
    ItemGroupRecord third;  // ESO questions by group
};

void LoadPlaceRecords(const QByteArray &name, PlaceTitleTable &first, PlaceTitleTable &second,
                      PlaceTitleTable &third, PlaceTitleTable &fourth);
void LoadTitleRows(const QByteArray &name, IntRows &rows);
void LoadDegreeRows(const QByteArray &name, DegreeRows &rows);
// Reads three records per pass until the end of the file; the last pass stays.
void LoadGroupArrays(const QByteArray &name, ItemGroups &groups);

// The first row (1..degreeCount) whose outlet code equals the code, or 0.
int FindDegreeByCode(const IntRows &rows, int degreeCount, int code);

// Reads a whole binary file; raises FileError when it cannot be opened.
QByteArray readRecordFile(const QByteArray &name);

} // namespace velmira
