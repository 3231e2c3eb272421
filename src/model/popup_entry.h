#pragma once
#include <cstddef>
#include <string>

#include "model/settings.h"

// One entry of a popup list (a section of the program-list file): its key,
// "key00", "key01" ... by position, and its value, an item's title, command
// line and working directory as "%s (%s) [%s]".
inline std::string ListEntryKey(std::size_t position) {
    return profile_names::kListEntryPrefix + std::string(position < 10 ? "0" : "") +
           std::to_string(position);
}

inline std::string PopupEntry(const std::string& title, const std::string& command,
                              const std::string& workingDirectory) {
    return title + " (" + command + ") [" + workingDirectory + "]";
}
