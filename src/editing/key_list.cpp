#include "editing/key_list.h"

#include <algorithm>
#include <cctype>

#include "model/key_table.h"
#include "model/profile_section_array.h"

namespace key_list {
namespace {
constexpr std::size_t kLabelWidth = kSortKeyLength - 1;
constexpr std::size_t kMaxLabelLength = 39; // a label is read back into 40 bytes
constexpr char kGap[] = "     ";

bool InPopupForm(const std::string& command) { return !command.empty() && command[0] == '@'; }

std::string SortKey(const std::string& label, std::size_t labelPrefixLength) {
    std::string key = " " + label.substr(0, kLabelWidth);
    key.resize(kSortKeyLength, ' ');
    if (label.size() != labelPrefixLength + 1) key[0] = '~';
    return key;
}

// A character's place in the order of lines: byte by byte without regard to
// case, except that "@" and "~" come right after the blank, in that order,
// before every other character, letters and digits included.
int Rank(char c) {
    if (c == '@' || c == '~') return ' ' * 4 + (c == '@' ? 1 : 2);
    return std::tolower(static_cast<unsigned char>(c)) * 4;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Rank(x) < Rank(y); });
}
} // namespace

std::string EntryTitle(const std::string& value) {
    const auto open = value.rfind('(');
    if (open == std::string::npos || value.find(')') == std::string::npos) return value;
    // Cut before the blank that stands in front of the command's parenthesis.
    return value.substr(0, open == 0 ? 0 : open - 1);
}

std::vector<std::string> Lines(const KeyTable& keys, ProfilePort& profile,
                               const std::string& programListFile, std::size_t labelPrefixLength,
                               bool expand) {
    std::vector<std::string> lines;
    for (int i = 0; i < keys.Count(); ++i) {
        const FaceKey& inOrder = keys.InLoadOrder(i);
        const FaceKey* key = keys.FindKey(inOrder.m_strKey);
        // A character names one key: a hidden namesake is not listed.
        if (key != &inOrder || !key->m_bAssignable || key->m_bReserved) continue;
        const std::string sortKey = SortKey(key->m_strLabel, labelPrefixLength);
        const bool popup = InPopupForm(key->m_strCommand);
        lines.push_back(sortKey + (popup ? "@" : "") + key->m_strLabel + kGap + key->m_strDescription);
        if (!expand || !popup) continue;
        const std::string section = key->m_strCommand.substr(1);
        for (const std::string& value :
             CProfileSectionArray(profile, section.c_str(), programListFile.c_str()))
            lines.push_back(sortKey + "~" + EntryTitle(value));
    }
    std::stable_sort(lines.begin(), lines.end(), LessIgnoringCase);
    return lines;
}

LineKind KindOf(const std::string& line) {
    if (line.size() <= kSortKeyLength) return LineKind::Key;
    if (line[kSortKeyLength] == '@') return LineKind::PopupKey;
    if (line[kSortKeyLength] == '~') return LineKind::Entry;
    return LineKind::Key;
}

std::string Shown(const std::string& line) {
    const std::size_t from = kSortKeyLength + (KindOf(line) == LineKind::Key ? 0 : 1);
    return from < line.size() ? line.substr(from) : std::string();
}

std::string LabelOf(const std::string& line) {
    if (KindOf(line) == LineKind::Entry) return {};
    const std::string shown = Shown(line);
    const auto begin = shown.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return {};
    const auto end = shown.find_first_of(" \t\r\n", begin);
    return shown.substr(begin, std::min(end == std::string::npos ? shown.size() : end - begin,
                                        kMaxLabelLength));
}
} // namespace key_list
