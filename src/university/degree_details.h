#pragma once
// What the university window shows about one degree besides its centres:
// the requirements list (an admission verdict from the cut-off marks, the
// degree's own Bachillerato subjects and its branch's suggestions), its
// information text from "grados.txt", and the masters text.

#include <QByteArray>

#include <optional>
#include <vector>

namespace velmira {

// The verdict lines from a degree's cut-off marks in tenths: none when no
// mark is above 1,1; otherwise the "hard to enter" line (interface text 720,
// with 722 when over a fifth of the marks pass 5,0 and one passes 6,0) for an
// average under 6,0, or interface text 721 and the average with a point.
std::vector<QByteArray> admissionVerdict(const std::vector<int> &marks);

// The cut-off marks of degree d's centres, in tenths, in list order.
std::vector<int> cutOffMarks(int degree);

// The requirements list of degree d: heading, verdict, branch, the degree's
// own subjects, the branch's suggested subjects not yet listed, closing
// advice. Every line at most 60 characters.
std::vector<QByteArray> requirementsLines(int degree);

// Degree d's block of "grados.txt" (its lines as stored): from the third
// line after the line holding "<<" + the code in three characters, up to the
// next line holding "<<"; bullet lines "*" become "  o  ". Nothing when the
// key or the end of the block is missing.
std::optional<std::vector<QByteArray>> informationBlock(const std::vector<QByteArray> &file, int code);

// The information text of degree d as shown: "grados.txt" from the language
// directory, or else the program's, in the tables' encoding; an empty page
// (100 lines of two blanks) when the degree has no block.
std::vector<QByteArray> informationText(int degree);

// The lines of "master.txt" of the language directory, in the tables'
// encoding; nothing when the file cannot be read (reported as a file error).
std::vector<QByteArray> mastersText();

} // namespace velmira
