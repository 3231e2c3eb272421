#include "launch/command_text.h"

#include "common/string_ids.h"
#include "platform/ports/string_table.h"

namespace {
constexpr int kLastErrorCode = IDS_LAUNCH_ERROR_LAST - IDS_LAUNCH_ERROR_FIRST;

// The characters between the last open and the last close; a close before
// the open gives an empty text. Nothing when either is missing.
std::optional<std::string> BetweenLast(const std::string& text, char open, char close) {
    const std::size_t start = text.rfind(open), end = text.rfind(close);
    if (start == std::string::npos || end == std::string::npos) return std::nullopt;
    if (end <= start) return std::string();
    return text.substr(start + 1, end - start - 1);
}

bool IsDriveQualified(const std::string& path) { return path.size() >= 2 && path[1] == ':'; }

std::string WithoutAmpersands(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            result += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '&') {
            result += '&';
            ++i;
        }
    }
    return result;
}
} // namespace

CommandText ParseCommandText(const std::string& text, const std::string* callerDirectory) {
    CommandText parsed;
    std::string directory;
    if (callerDirectory && IsDriveQualified(*callerDirectory)) directory = *callerDirectory;
    if (auto bracketed = BetweenLast(text, '[', ']')) directory = *bracketed;
    if (directory.size() > 2 && directory[1] == ':') parsed.directory = directory;

    std::string commands = BetweenLast(text, '(', ')').value_or(text);
    commands = WithoutAmpersands(commands);
    for (std::size_t caret; (caret = commands.find('^')) != std::string::npos;) {
        parsed.commands.push_back(commands.substr(0, caret));
        commands.erase(0, caret + 1);
    }
    parsed.commands.push_back(commands);
    return parsed;
}

std::optional<std::string> LaunchErrorText(int code, const std::string* command,
                                           const StringTable& strings) {
    // The error texts end with code 24; the ids after them hold colours,
    // names and key descriptors, which are no messages.
    if (code > kLastErrorCode) return std::nullopt;
    const unsigned id =
        code < 0 ? IDS_INVALID_DIRECTORY : IDS_LAUNCH_ERROR_FIRST + static_cast<unsigned>(code);
    std::string text;
    if (!strings.Load(id, text)) return std::nullopt;
    if (command) text += " - (" + *command + ")";
    return text;
}
