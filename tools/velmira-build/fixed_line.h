#pragma once
// Builds one fixed-column line of a Latin-1 data file.

#include <QByteArray>
#include <QList>

namespace velmira::build {

class FixedLine
{
public:
    // Writes the bytes from column `column` (counted from 1), padding with
    // blanks up to it. The callers have already checked the width.
    FixedLine &put(int column, const QByteArray &bytes);
    // The number right-aligned in `width` columns.
    FixedLine &putNumber(int column, int width, int value);
    // The number with leading zeros in `width` columns ("07").
    FixedLine &putZeroPadded(int column, int width, int value);

    // Trailing blanks removed: the loaders pad every line again.
    QByteArray bytes() const;

private:
    QByteArray m_bytes;
};

// The lines joined as a text file, each ended by a line feed.
QByteArray textFile(const QList<QByteArray> &lines);

} // namespace velmira::build
