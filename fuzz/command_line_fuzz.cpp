// A command line of arbitrary bytes leaves a start-up state that holds
// together: only the bits of the options the line knows, the menu bar as its
// option bit says, a face name made from the face index, whole tokens as
// sound files, volumes of a level within -15 to 15, and "-cwd" last.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/command_line.h"
#include "common/options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const StartupOptions o = ParseCommandLine(std::string(reinterpret_cast<const char*>(data), size));
    constexpr std::uint32_t kLineBits =
        OPT_ALLKEYS | OPT_NOMENU | OPT_NOOVERRIDE | OPT_NOMARK | OPT_STATUSBAR | OPT_TOPMOST;
    const bool faceAsBuilt = o.faceName == "FACE0" && o.faceIndex == 0;
    bool holds = (o.optionBits & ~kLineBits) == 0 && o.menu == !(o.optionBits & OPT_NOMENU) &&
                 (faceAsBuilt || (o.faceName == "face" + std::to_string(o.faceIndex) &&
                                  (o.optionBits & OPT_NOOVERRIDE))) &&
                 o.actions.size() <= 62;
    bool stops = false;
    for (std::size_t i = 0; i < o.actions.size(); ++i) {
        const StartupAction& action = o.actions[i];
        const bool sound = action.kind == StartupAction::PlaySound;
        const auto level = static_cast<std::int32_t>(action.volumeValue) / 4096;
        stops = stops || sound || action.kind == StartupAction::SetVolume;
        holds = holds && sound == !action.file.empty() && action.file.size() <= 255 &&
                action.file.find_first_of(std::string(" \t\0", 3)) == std::string::npos &&
                action.volumeValue % 4096 == 0 && level >= -15 && level <= 15 &&
                (action.kind != StartupAction::ShowCurrentDirectory || i + 1 == o.actions.size());
    }
    if (!holds || stops != o.stop) __builtin_trap();
    return 0;
}
