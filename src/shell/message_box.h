#pragma once
// Routes the data foundation's messages: modal boxes in the program, one line
// each on standard error in the headless check.

namespace velmira {

void installMessageBoxes();
void installStandardErrorMessages();

// Keeps Qt's own warnings about the environment (an unset runtime directory,
// a missing font) off standard error, where the headless check and the data
// tool print only their own messages. Critical and fatal messages still pass.
void silenceQtWarnings();

} // namespace velmira
