#include "app/command_line.h"

#include <algorithm>

#include "app/volume.h"
#include "common/decimal.h"
#include "common/options.h"

namespace {

// The command line is copied into a buffer of this size, NUL included.
constexpr std::size_t kLineBufferSize = 256;
constexpr std::size_t kMaxTokens = 62;

std::vector<std::string> SplitTokens(const std::string& commandLine) {
    // A NUL ends the text as it would end the copy.
    const std::size_t length = std::min(commandLine.find('\0'), kLineBufferSize - 1);
    const std::string line = commandLine.substr(0, length);
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while (tokens.size() < kMaxTokens) {
        const std::size_t start = line.find_first_not_of(" \t", pos);
        if (start == std::string::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        tokens.push_back(line.substr(start, end - start));
        pos = end;
    }
    return tokens;
}

bool TakesValue(const std::string& option) {
    return option == "-play" || option == "-vol" || option == "-face";
}

void ApplyValueOption(const std::string& option, const std::string& value,
                      StartupOptions& options) {
    if (option == "-play") {
        options.actions.push_back({StartupAction::PlaySound, value, 0});
        options.stop = true;
    } else if (option == "-vol") {
        options.actions.push_back({StartupAction::SetVolume, "", VolumeValue(LeadingDecimal(value.c_str()))});
        options.stop = true;
    } else { // "-face"
        options.faceIndex = LeadingDecimal(value.c_str());
        options.faceName = "face" + std::to_string(options.faceIndex);
        options.optionBits |= OPT_NOOVERRIDE;
    }
}

} // namespace

StartupOptions ParseCommandLine(const std::string& commandLine) {
    StartupOptions options;
    const std::vector<std::string> tokens = SplitTokens(commandLine);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (TakesValue(token)) {
            if (i + 1 < tokens.size()) ApplyValueOption(token, tokens[++i], options);
        } else if (token == "-db") {
            options.debug = !options.debug;
        } else if (token == "-cwd") {
            options.actions.push_back({StartupAction::ShowCurrentDirectory, "", 0});
            break;
        } else if (token == "-all") {
            options.optionBits |= OPT_ALLKEYS;
        } else if (token == "-icon") {
            options.icon = !options.icon;
        } else if (token == "-nomenu") {
            options.menu = false;
            options.optionBits |= OPT_NOMENU;
        } else if (token == "-noover") {
            options.optionBits |= OPT_NOOVERRIDE;
        } else if (token == "-menu") {
            options.menu = true;
            options.optionBits &= ~std::uint32_t{OPT_NOMENU};
        } else if (token == "-mark") {
            options.optionBits |= OPT_NOMARK;
        } else if (token == "-status") {
            options.optionBits |= OPT_STATUSBAR;
        } else if (token == "-quit" || token == "-restart") {
            options.actions.push_back({StartupAction::LogOff, "", 0});
        } else if (token == "-top") {
            options.optionBits |= OPT_TOPMOST;
        }
    }
    return options;
}
