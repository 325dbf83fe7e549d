#pragma once
// The interface texts: line k of the language's "textos" file, copied once at
// start into text slot k and cut to that slot's capacity.

#include "line_table.h"

#include <QByteArray>
#include <QString>

namespace velmira {

constexpr int kTextLines = 1100;  // lines of "textos" kept, entry 0 aside
constexpr int kTextCapacity = 75; // bytes per line
constexpr int kHighestTextSlot = 749;

// The capacity of slot k, 0 for a line that has no slot.
int textSlotCapacity(int line);
// The number of lines that have a slot.
int textSlotCount();

// The table that "textos" is loaded into.
LineTable &interfaceTextTable();

// Copies every slot from the loaded table, cut to its capacity.
void AssignInterfaceTexts();

// The stored bytes of slot k; empty for a line without a slot.
QByteArray interfaceText(int line);
// Slot k as displayed text.
QString uiText(int line);

} // namespace velmira
