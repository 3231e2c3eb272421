#pragma once
#include <cstddef>
#include <string>

class ProfilePort;
class ShellFolderPort;

// Writes the popup list of a folder anew in the program-list file: the
// section named by the folder's path is removed, then holds one entry per
// item the folder gives now. Returns the number of items written.
std::size_t WriteFolderList(ProfilePort& profile, ShellFolderPort& shell, const std::string& folder,
                            const std::string& programListFile);
