#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The Start menu's Programs folder as the Application Browser shows it. On
// today's Windows it has two parts: the user's own (CSIDL_PROGRAMS,
// FOLDERID_Programs, %APPDATA%\Microsoft\Windows\Start Menu\Programs) and the
// one of all users (CSIDL_COMMON_PROGRAMS, FOLDERID_CommonPrograms,
// %ProgramData%\Microsoft\Windows\Start Menu\Programs), where installers put
// their shortcuts (learn.microsoft.com: "CSIDL" and "KNOWNFOLDERID"). Like
// Explorer's Start menu, the browser shows them as one: a folder or file that
// both parts hold under the same name is one entry. These rules decide how;
// the Win32 side only enumerates the parts.
namespace start_menu {

enum class Part { User, AllUsers };

// One item of one part's folder, as the shell enumerates it.
struct Entry {
    std::string name;        // its name in the file system ("Accessories", "Notepad.lnk")
    std::string displayName; // the name the shell shows for it
    Part part = Part::User;
    std::size_t handle = 0; // the enumerating side's own reference to the item
};

// Items of the same name in both parts shown as one.
struct Merged {
    std::string displayName;  // the first part's
    std::vector<Entry> parts; // the user's first; a folder lists both, a file
                              // opens its first (the user's own copy of a shortcut
                              // comes before the all-users one, as in Explorer)
};

// The items of one folder level of both parts, merged by name (the file
// system's, without regard to the case of ASCII letters; at most one item of
// each part in an entry, none with an empty name) and ordered as Explorer
// orders names: by display name, letters without regard to case and runs of
// digits by their value ("Tool 2" before "Tool 10"); equal display names by
// name, then as given. An entry shows its first part's display name.
std::vector<Merged> Merge(std::vector<Entry> entries);

// The whole order of two display names described above: <0, 0 or >0.
int CompareNames(const std::string& a, const std::string& b);

// One part's folder of a node the user selected, with the number of files
// (the items a popup list would hold) it has directly.
struct Folder {
    Part part = Part::User;
    std::string path; // its file-system path; empty when it has none
    std::size_t files = 0;
};

// The folder a popup list made from a node stores as "@<path>". A list is
// read again from that one folder at each start, so of a node present in
// both parts it is the part holding more of the node's files (the user
// picked what both show; the larger part keeps most of it), the all-users
// part on a tie. Parts without a path are passed over; none left: empty.
std::string PopupFolderPath(const std::vector<Folder>& parts);

} // namespace start_menu
