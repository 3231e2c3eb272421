// A section read's lines of arbitrary bytes: every answer fits the buffer it
// is read for.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/profile_section.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned bufferSize = data[0] + 1u; // 1 to 256
    const ProfileSection section(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::size_t listed = 0;
    for (const std::string& name : section.KeyNames(bufferSize)) {
        listed += name.size() + 1;
        if (name.empty() || section.Text(name, "\"d \"", bufferSize).size() >= bufferSize) __builtin_trap();
        section.Int(name, 7);
    }
    if (listed > bufferSize) __builtin_trap();
    return 0;
}
