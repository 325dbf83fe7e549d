#pragma once
// Routes the program's messages and questions to modal boxes.

namespace velmira {

// Messages in a box with OK; questions (the print question) in a box with
// the buttons OK and No, over the active window.
void installMessageBoxes();

} // namespace velmira
