#pragma once
#include <cstddef>
#include <string>
#include <string_view>

class GroupTransport;
class NestedRuns;
class ProfilePort;

// Copies Program Manager's groups into the program-list file: the group
// names by position into the list index, and each group's items into a
// section named after the group. An item line is a title and a command line
// in double quotes, then comma-separated fields of which the first is the
// working directory; the quote and the comma are the only separators.
// Replies are outside text, so everything stays within fixed limits; past them:
//  - a reply longer than its buffer is cut to the buffer less its NUL, and a
//    name or line that the cut leaves without its carriage return is not
//    taken, like any unterminated one;
//  - a group name that is empty, over 127 characters, holds a line break or
//    is the index section's own name is not requested and nothing is
//    written for it, as for a group whose request fails;
//  - an item line over 511 characters or holding a line break, or whose
//    value would be over 511 characters, is passed over like a line that
//    does not split.
// So no key beyond key63 is written, and nothing written breaks the file's
// lines or reaches into another section.
class GroupImport {
public:
    static constexpr std::size_t kMaxGroups = 64;         // positions 0 to 63
    static constexpr std::size_t kMaxLines = 64;          // line 0 and 63 items
    static constexpr std::size_t kGroupListBuffer = 8192; // bytes, with the NUL
    static constexpr std::size_t kGroupBuffer = 4096;     // bytes, with the NUL
    static constexpr std::size_t kMaxNameLength = 127;
    static constexpr std::size_t kMaxLineLength = 511;
    static constexpr std::size_t kMaxValueLength = 511;

    // A close that waits on runs stops the import before its next request.
    GroupImport(GroupTransport& transport, ProfilePort& profile, const NestedRuns& runs);

    // windowsDir stands in for the working directory an item leaves empty.
    // Stopped by a close, it leaves the groups it has not reached as they
    // were, and the list index with them.
    void BuildGroupLists(const std::string& programListFile, const std::string& windowsDir);

private:
    // Writes the items of a group's reply into its section; removes the
    // keys beyond its last line.
    void WriteGroup(const std::string& name, std::string_view reply, const char* file,
                    const std::string& windowsDir);
    // Removes the keys of a section from "key%02d" of first up to key63.
    void RemoveKeysFrom(std::size_t first, const char* section, const char* file);

    GroupTransport& m_transport;
    ProfilePort& m_profile;
    const NestedRuns& m_runs;
};
