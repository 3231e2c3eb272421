#include "pickers/start_menu.h"

#include <algorithm>

#include "common/ascii_case.h"

namespace start_menu {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool SameName(const std::string& a, const std::string& b) {
    return !a.empty() && SameIgnoringAsciiCase(a, b);
}

int Sign(long long value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

} // namespace

int CompareNames(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            // Runs of digits by value: leading zeros dropped, then the
            // longer run is the larger number, else the first digit that differs.
            std::size_t endA = i, endB = j;
            while (endA < a.size() && IsDigit(a[endA]))
                ++endA;
            while (endB < b.size() && IsDigit(b[endB]))
                ++endB;
            std::size_t startA = i, startB = j;
            while (startA + 1 < endA && a[startA] == '0')
                ++startA;
            while (startB + 1 < endB && b[startB] == '0')
                ++startB;
            if (endA - startA != endB - startB)
                return Sign(static_cast<long long>(endA - startA) -
                            static_cast<long long>(endB - startB));
            const int digits = a.compare(startA, endA - startA, b, startB, endB - startB);
            if (digits != 0) return Sign(digits);
            i = endA;
            j = endB;
            continue;
        }
        const auto x = static_cast<unsigned char>(AsciiLower(a[i])),
                   y = static_cast<unsigned char>(AsciiLower(b[j]));
        if (x != y) return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    return Sign(static_cast<long long>(a.size() - i) - static_cast<long long>(b.size() - j));
}

std::vector<Merged> Merge(std::vector<Entry> entries) {
    // One group per name, with at most one entry of each part: a file
    // system that tells the case of names apart may hold two in one part.
    std::vector<Merged> merged;
    for (Entry& entry : entries) {
        auto same = std::find_if(merged.begin(), merged.end(), [&entry](const Merged& m) {
            return SameName(m.parts.front().name, entry.name) &&
                   std::none_of(m.parts.begin(), m.parts.end(),
                                [&entry](const Entry& e) { return e.part == entry.part; });
        });
        if (same == merged.end()) {
            merged.emplace_back();
            same = merged.end() - 1;
        }
        same->parts.push_back(std::move(entry));
    }
    for (Merged& m : merged) {
        std::stable_sort(m.parts.begin(), m.parts.end(), [](const Entry& x, const Entry& y) {
            return x.part == Part::User && y.part == Part::AllUsers;
        });
        m.displayName = m.parts.front().displayName;
    }
    std::stable_sort(merged.begin(), merged.end(), [](const Merged& x, const Merged& y) {
        if (const int shown = CompareNames(x.displayName, y.displayName)) return shown < 0;
        return CompareNames(x.parts.front().name, y.parts.front().name) < 0;
    });
    return merged;
}

std::string PopupFolderPath(const std::vector<Folder>& parts) {
    const Folder* chosen = nullptr;
    for (const Folder& part : parts) {
        if (part.path.empty()) continue;
        if (!chosen || part.files > chosen->files ||
            (part.files == chosen->files && part.part == Part::AllUsers))
            chosen = &part;
    }
    return chosen ? chosen->path : std::string();
}

} // namespace start_menu
