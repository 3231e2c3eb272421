#include "common/nested_runs.h"

bool NestedRuns::Allows(Request request) const {
    if (m_closePending) return false;
    if (request == Request::BesideDialog) return Count(Kind::Menu) == 0 && Count(Kind::Import) == 0;
    return !Any();
}

bool NestedRuns::RequestClose() {
    if (!Any()) return true;
    m_closePending = true;
    m_endLoops();
    return false;
}

void NestedRuns::RepeatEndRequest() const {
    if (m_closePending && Any()) m_endLoops();
}

bool NestedRuns::Any() const {
    return Count(Kind::Dialog) + Count(Kind::Menu) + Count(Kind::Import) > 0;
}

void NestedRuns::Leave(Kind kind) {
    --Count(kind);
    if (!Any()) m_unwound();
}
