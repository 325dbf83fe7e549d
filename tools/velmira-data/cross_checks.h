#pragma once
// Checks across files, on the tables as loaded: numbers that point into
// another table are in range, every degree is taught somewhere, questionnaire
// groups list existing items, provinces follow the key table, and every
// interface text fits its slot.

#include "data/load_notes.h"

#include <vector>

namespace velmira {

// Runs on the tables the last load filled (the current language); the notes
// go to the load-note collection.
void crossCheckLoadedTables();

// The Castilian degree table, which the alphabetical arrangement shows as it
// stands: each degree must follow the one before it in Spanish order.
void checkAlphabeticalDegrees();

// Interface text lines longer than their slots in either encoding.
void checkInterfaceTextFile(const QByteArray &name);

} // namespace velmira
