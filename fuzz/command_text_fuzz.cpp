// Command texts from assignments and popup lists, split as launching does:
// any text, with and without a caller's directory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "launch/command_text.h"
#include "launch/popup_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string directory = text.substr(0, text.size() / 3);
    const CommandText parsed = ParseCommandText(text, size % 2 ? &directory : nullptr);
    std::size_t total = 0;
    for (const std::string& command : parsed.commands) total += command.size();
    if (total > text.size() || parsed.directory.size() > text.size()) __builtin_trap();
    if (PopupMenuTitle(text).size() > text.size()) __builtin_trap();
    return 0;
}
