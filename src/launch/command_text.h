#pragma once
#include <optional>
#include <string>
#include <vector>

class StringTable;

// A command text taken apart: "title (a.exe^b.exe) [C:\DIR]", or bare commands.
struct CommandText {
    // The working directory to change to; empty when none is usable (fewer
    // than three characters, or no drive letter and colon).
    std::string directory;
    // The commands to start, left to right: each handed to the shell whole.
    std::vector<std::string> commands;
};

// Splits text as launching does. callerDirectory (may be null) counts only
// when drive-qualified; a bracketed directory in the text overrides it, even
// an empty one. The commands are the text between the last "(" and the last
// ")" (the whole text without them); every "&" is removed, "&&" leaving one;
// "^" separates commands.
CommandText ParseCommandText(const std::string& text, const std::string* callerDirectory);

// The message for a launch error code: string code + 20 (a negative code:
// string 19), followed by " - (" command ")" when a command is given; nothing
// when the table has no such string or the code is above 24, the last error.
std::optional<std::string> LaunchErrorText(int code, const std::string* command,
                                           const StringTable& strings);
