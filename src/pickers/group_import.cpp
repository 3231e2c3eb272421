#include "pickers/group_import.h"

#include <algorithm>
#include <optional>

#include "common/ascii_case.h"
#include "common/nested_runs.h"
#include "common/value_limit.h"
#include "model/popup_entry.h"
#include "model/settings.h"
#include "platform/ports/group_transport.h"
#include "platform/ports/profile_port.h"

// An imported value of at most 511 bytes has at most 511 characters: it
// fits what launching takes whole, so the import's own rule is the only one.
static_assert(GroupImport::kMaxValueLength <= kMaxValueChars);

namespace {
constexpr char kGroupListItem[] = "GROUPS";
constexpr std::size_t kLastKey = 63; // both sections hold at most key00 to key63

// The text a reply leaves in a buffer of bufferSize bytes that keeps its
// last byte for the NUL: at most bufferSize - 1 bytes, up to the first NUL.
std::string_view ReplyText(const std::string& reply, std::size_t bufferSize) {
    const std::string_view text(reply.data(), std::min(reply.size(), bufferSize - 1));
    return text.substr(0, text.find('\0'));
}

// Calls each(position, line) for the lines of text that end in a carriage
// return, at most limit of them. The character after each carriage return
// (the line feed) is passed over unseen. Returns the number of lines seen.
template <typename Each>
std::size_t ForEachLine(std::string_view text, std::size_t limit, Each each) {
    std::size_t position = 0;
    for (std::size_t at = 0; position < limit; ++position) {
        const std::size_t end = text.find('\r', at);
        if (end == std::string_view::npos) break;
        each(position, text.substr(at, end - at));
        at = end + 2; // past the end, the next search finds nothing
    }
    return position;
}

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// A name that can head a section of its own without touching another.
bool UsableGroupName(std::string_view name) {
    return !name.empty() && name.size() <= GroupImport::kMaxNameLength && !HoldsLineBreak(name) &&
           !SameIgnoringAsciiCase(name, profile_names::kListIndexSection);
}

struct GroupItem {
    std::string title, command, workingDirectory; // the directory as it stands, maybe empty
};

// What stands between the two quoted fields, and behind the working
// directory, is dropped. Nothing when a quote or a comma is missing.
std::optional<GroupItem> SplitItemLine(std::string_view line) {
    constexpr auto npos = std::string_view::npos;
    if (line.empty() || line[0] != '"') return std::nullopt;
    const std::size_t titleEnd = line.find('"', 1);
    if (titleEnd == npos) return std::nullopt;
    const std::size_t commandStart = line.find('"', titleEnd + 1);
    if (commandStart == npos) return std::nullopt;
    const std::size_t commandEnd = line.find('"', commandStart + 1);
    if (commandEnd == npos) return std::nullopt;
    const std::size_t directoryStart = line.find(',', commandEnd + 1);
    if (directoryStart == npos) return std::nullopt;
    const std::size_t directoryEnd = line.find(',', directoryStart + 1);
    if (directoryEnd == npos) return std::nullopt;
    return GroupItem{
        std::string(line.substr(1, titleEnd - 1)),
        std::string(line.substr(commandStart + 1, commandEnd - commandStart - 1)),
        std::string(line.substr(directoryStart + 1, directoryEnd - directoryStart - 1))};
}
} // namespace

GroupImport::GroupImport(GroupTransport& transport, ProfilePort& profile, const NestedRuns& runs)
    : m_transport(transport), m_profile(profile), m_runs(runs) {}

void GroupImport::BuildGroupLists(const std::string& programListFile,
                                  const std::string& windowsDir) {
    const char* file = programListFile.c_str();
    const char* index = profile_names::kListIndexSection;
    m_transport.Connect();
    const std::string groupList =
        m_transport.Request(kGroupListItem, kGroupListBuffer).value_or(std::string());
    m_transport.ShowWaitCursor();
    const std::size_t groups =
        ForEachLine(ReplyText(groupList, kGroupListBuffer), kMaxGroups,
                    [&](std::size_t i, std::string_view line) {
                        m_transport.ShowWaitCursor();
                        const std::string name(line);
                        if (m_runs.ClosePending() || !UsableGroupName(name)) return;
                        const std::optional<std::string> reply =
                            m_transport.Request(name, kGroupBuffer);
                        if (!reply) return;
                        m_profile.WriteString(index, ListEntryKey(i).c_str(), name.c_str(), file);
                        WriteGroup(name, ReplyText(*reply, kGroupBuffer), file, windowsDir);
                    });
    m_transport.RestoreCursor();
    if (!m_runs.ClosePending()) RemoveKeysFrom(groups, index, file);
    m_transport.Disconnect();
}

void GroupImport::WriteGroup(const std::string& name, std::string_view reply, const char* file,
                             const std::string& windowsDir) {
    const char* section = name.c_str();
    const std::size_t lines =
        ForEachLine(reply, kMaxLines, [&](std::size_t j, std::string_view line) {
            // Line 0 is no item.
            if (j == 0 || line.size() > kMaxLineLength || HoldsLineBreak(line)) return;
            const std::optional<GroupItem> item = SplitItemLine(line);
            if (!item) return;
            const std::string value =
                PopupEntry(item->title, item->command,
                           item->workingDirectory.empty() ? windowsDir : item->workingDirectory);
            if (value.size() <= kMaxValueLength)
                m_profile.WriteString(section, ListEntryKey(j).c_str(), value.c_str(), file);
        });
    RemoveKeysFrom(lines, section, file);
}

void GroupImport::RemoveKeysFrom(std::size_t first, const char* section, const char* file) {
    for (std::size_t key = first; key <= kLastKey; ++key)
        m_profile.WriteString(section, ListEntryKey(key).c_str(), nullptr, file);
}
