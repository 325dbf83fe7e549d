#pragma once
// What a module sets before printing: the lines to print bold, and the print
// question asked before every report.

#include <QByteArray>

#include <set>

namespace velmira {

// Line numbers (from 1) printed bold by the next report; empty for none.
const std::set<int> &boldLines();
void setBoldLines(std::set<int> lines);

// Interface text 36 + " ?", set once the interface texts are assigned.
QByteArray printQuestion();
void setPrintQuestion();

// Asks the print question (OK or No, see askQuestion); true for OK.
bool askPrintQuestion();

} // namespace velmira
