#pragma once
// Reading a text data file as raw lines.

#include <QByteArray>

#include <optional>
#include <vector>

namespace velmira {

// The lines of a file without their line ends (LF, or CR LF), or nothing when
// the file cannot be opened. A last line without a line end still counts.
std::optional<std::vector<QByteArray>> readTextLines(const QByteArray &name);

// Splits file contents the same way.
std::vector<QByteArray> splitLines(const QByteArray &contents);

// Reports the lines a table cannot hold, once per file, to the load notes.
void noteLinesBeyond(const QByteArray &file, int lineCount, int maxLines);

} // namespace velmira
