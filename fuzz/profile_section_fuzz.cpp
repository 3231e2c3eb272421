// The lines of a section read, arbitrary bytes: every answer stays within
// the buffer it is read for.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/profile_section.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned bufferSize = data[0]; // 0 to 255, around the program's sizes and below
    const std::string lines(reinterpret_cast<const char*>(data) + 1, size - 1);
    const ProfileSection section(lines);

    std::size_t listed = 0;
    for (const std::string& name : section.KeyNames(bufferSize)) {
        if (name.empty()) __builtin_trap();
        listed += name.size() + 1;
        const std::string value = section.Text(name, "\"default \"", bufferSize);
        if (bufferSize == 0 ? !value.empty() : value.size() >= bufferSize) __builtin_trap();
        section.Int(name, 7);
    }
    if (listed > bufferSize) __builtin_trap();
    return 0;
}
