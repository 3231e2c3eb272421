#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/ports/shell_folder_port.h"

class ProfilePort;

// A folder's popup list as the program-list file holds it: the section named
// by the folder's path, one "keyNN=title (command) [directory]" line per item
// that fits kMaxValueChars (common/value_limit.h).
struct FolderList {
    std::string folder;
    std::string lines; // each line ended by a NUL; empty when the folder gave no item
};

FolderList MakeFolderList(const std::string& folder, const ShortcutItems& items);

// Writes the list anew: its section is removed, then, when it has lines,
// added again at the end of the file in one write.
void WriteFolderList(ProfilePort& profile, const FolderList& list, const std::string& programListFile);

// Reads the folder now and writes its list anew. Returns the number of items listed.
std::size_t WriteFolderList(ProfilePort& profile, ShellFolderPort& shell, const std::string& folder,
                            const std::string& programListFile);

// Brings the file to what writing each list anew, in this order, makes of
// it, and writes nothing when the file already is that: the same lines, the
// lists' sections last in the file in that order, no section for an empty
// list. Returns whether it wrote.
bool WriteFolderLists(ProfilePort& profile, const std::vector<FolderList>& lists,
                      const std::string& programListFile);
