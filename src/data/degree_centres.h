#pragma once
// "datcarn": per degree, the centres that teach it and their cut-off marks.
// Blocks of 300 degrees x 101 bytes, read in groups of five: centre lists,
// an unused list, mark lists, two more unused lists. A later group
// overwrites an earlier one.

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

namespace velmira {

class DegreeCentres
{
public:
    static constexpr int kDegrees = 300;
    static constexpr int kEntryBytes = 101;
    static constexpr int kBlockBytes = kDegrees * kEntryBytes;
    static constexpr int kNoMark = 10;

    DegreeCentres();

    // Number of centres of degree d (1-300), at most 100.
    int centreCount(int degree) const;
    // The count byte as stored, which a faulty file may set above 100.
    int storedCentreCount(int degree) const { return byteAt(m_centres, degree, 0); }
    // Centre number (a "lugar" line) at position k (1..count).
    int centre(int degree, int k) const;
    // Cut-off mark in tenths at position k; kNoMark stands for none.
    int mark(int degree, int k) const;

    // Fills the lists from whole file contents; returns false when the file
    // does not end on a whole group of five blocks.
    bool fillFrom(const QByteArray &contents);

private:
    int byteAt(const std::vector<std::uint8_t> &list, int degree, int k) const;
    std::vector<std::uint8_t> m_centres;
    std::vector<std::uint8_t> m_marks;
};

// A cut-off mark in tenths: right-aligned in 3 characters with a comma
// before the last digit (65 gives " 6,5", 105 "10,5"); the no-mark value
// gives "  - ".
QByteArray markText(int tenths);

// Reads the file; raises FileError when it is missing or short.
void LoadDegreeCentres(const QByteArray &name, DegreeCentres &centres);

} // namespace velmira
