// Program Manager's replies, arbitrary bytes used as the group list and as
// every group's items, leave a program-list file of whole lines: section
// heads and entries key00 to key63 with values of at most 511 characters.
#include <cstddef>
#include <cstdint>
#include <regex>
#include <sstream>
#include <string>

#include "common/nested_runs.h"
#include "fakes/memory_profile.h"
#include "fakes/scripted_groups.h"
#include "pickers/group_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The value's length is checked apart: as a bounded repeat it made an
    // automaton of a thousand states, each match allocating for all of them.
    static const std::regex wholeLine(R"(\[.+\]|key([0-5][0-9]|6[0-3])=.*)");
    constexpr char kFile[] = "C:\\WINDOWS\\kelvane.prg";
    MemoryProfile profile;
    ScriptedGroups progman;
    progman.otherwise = std::string(reinterpret_cast<const char*>(data), size);
    const NestedRuns runs{[] {}, [] {}};
    GroupImport(progman, profile, runs).BuildGroupLists(kFile, "C:\\WINDOWS");
    std::istringstream file(profile.Text(kFile));
    for (std::string line; std::getline(file, line);)
        if (line.size() > 6 + 511 || !std::regex_match(line, wholeLine)) __builtin_trap();
    return 0;
}
