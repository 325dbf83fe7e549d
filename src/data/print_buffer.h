#pragma once
// Putting a report into a print buffer: entry 0 the title, then the lines.

#include <QByteArray>

#include <vector>

namespace velmira {

class LineTable;

// Stores the title in entry 0 and the lines from entry 1, as many as the
// buffer holds (each cut to its capacity). Returns the number stored.
int fillPrintBuffer(LineTable &buffer, const QByteArray &title, const std::vector<QByteArray> &lines);

} // namespace velmira
