#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

#include "model/settings.h"

// One entry of a popup list (a section of the program-list file): its key,
// "key00", "key01" ... by position, and its value, an item's title, command
// line and working directory as "%s (%s) [%s]".
inline std::string ListEntryKey(std::size_t position) {
    char key[24];
    std::snprintf(key, sizeof key, profile_names::kListEntryFormat, position);
    return key;
}

inline std::string PopupEntry(const std::string& title, const std::string& command,
                              const std::string& workingDirectory) {
    return title + " (" + command + ") [" + workingDirectory + "]";
}
