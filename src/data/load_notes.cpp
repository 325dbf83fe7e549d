#include "load_notes.h"

#include "foundation_state.h"

namespace velmira {

void collectLoadNotes(std::vector<LoadNote> *notes) { foundationState().loadNotes = notes; }
bool collectingLoadNotes() { return foundationState().loadNotes != nullptr; }

void addLoadNote(const QByteArray &file, int line, const QString &what)
{
    if (std::vector<LoadNote> *notes = foundationState().loadNotes)
        notes->push_back({file, line, what});
}

} // namespace velmira
