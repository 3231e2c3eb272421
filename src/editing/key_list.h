#pragma once
#include <string>
#include <vector>

class KeyTable;
class ProfilePort;

// The lines of the Function Key Assignments list. The first 20 characters of
// a line are its sort key: a marker (a blank for keys with one-character
// names, "~" for the others) and the key's label padded to 19. What follows
// is shown: the label and description of a key, "@" first when it holds a
// popup list, or "~" and the title of one of that list's entries.
namespace key_list {
constexpr std::size_t kSortKeyLength = 20;

enum class LineKind { Key, PopupKey, Entry }; // also the row of the line's picture

// Every assignable, not reserved key, with its popup entries when expand is
// set, ordered by whole lines without regard to case, a blank before "@",
// "@" before "~", and those before letters and digits.
std::vector<std::string> Lines(const KeyTable& keys, ProfilePort& profile,
                               const std::string& programListFile, std::size_t labelPrefixLength,
                               bool expand);
// An entry's title from its stored "title (command) [directory]" form.
std::string EntryTitle(const std::string& value);
LineKind KindOf(const std::string& line);
// What the line shows, after its sort key and marker.
std::string Shown(const std::string& line);
// The label of the key a line lists; empty for an entry's line.
std::string LabelOf(const std::string& line);
} // namespace key_list
