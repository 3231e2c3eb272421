#pragma once
#include <string>

// What a file dropped on a key is assigned as: the whole path as the command
// line, the part before its last backslash as the working directory, and a
// description made from the file's name: cut before its first dot and
// capitalised ("MY.TOOL.EXE" gives "My"); a name without a dot stays as it is.
struct DroppedFile {
    std::string command, directory, description;
};

DroppedFile SplitDroppedPath(const std::string& path);
