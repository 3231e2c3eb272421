#include "platform/portable/builtin_strings.h"

#include <algorithm>
#include <iterator>

namespace {
struct Entry {
    unsigned id;
    const char* text;
};

constexpr Entry kEntries[] = {
#define KLV_STRING(id, text) {id, text},
#include "strings.def"
#undef KLV_STRING
};

constexpr bool SortedById() {
    for (std::size_t i = 1; i < std::size(kEntries); ++i)
        if (kEntries[i - 1].id >= kEntries[i].id) return false;
    return true;
}
static_assert(SortedById(), "strings.def must list each id once, in rising order");
} // namespace

bool BuiltinStrings::Load(unsigned id, std::string& text) const {
    auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                               [](const Entry& e, unsigned value) { return e.id < value; });
    if (it == std::end(kEntries) || it->id != id) return false;
    text = it->text;
    return true;
}
