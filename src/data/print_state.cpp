#include "print_state.h"

#include "foundation_state.h"
#include "interface_texts.h"
#include "messages.h"
#include "text_bytes.h"
#include "text_ids.h"

namespace velmira {

const std::set<int> &boldLines() { return foundationState().boldLines; }
void setBoldLines(std::set<int> lines) { foundationState().boldLines = std::move(lines); }

QByteArray printQuestion() { return foundationState().printQuestion; }
void setPrintQuestion() { foundationState().printQuestion = interfaceText(kPrintText) + " ?"; }

bool askPrintQuestion() { return askQuestion(displayText(printQuestion())); }

} // namespace velmira
