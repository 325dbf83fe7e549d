#pragma once
// Routes the data foundation's messages: modal boxes in the program, one line
// each on standard error in the headless check.

namespace velmira {

void installMessageBoxes();
void installStandardErrorMessages();

} // namespace velmira
