#include "foundation_state.h"

namespace velmira {

FoundationState &foundationState()
{
    static FoundationState state;
    return state;
}

void resetFoundationState() { foundationState() = FoundationState{}; }

} // namespace velmira
