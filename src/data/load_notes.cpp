#include "load_notes.h"

namespace velmira {

namespace {
std::vector<LoadNote> *g_notes = nullptr;
}

void collectLoadNotes(std::vector<LoadNote> *notes) { g_notes = notes; }
bool collectingLoadNotes() { return g_notes != nullptr; }

void addLoadNote(const QByteArray &file, int line, const QString &what)
{
    if (g_notes)
        g_notes->push_back({file, line, what});
}

} // namespace velmira
