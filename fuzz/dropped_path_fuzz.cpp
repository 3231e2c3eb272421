// Paths dropped from the shell: any bytes, cut as the drop query cuts them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "editing/dropped_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string path(reinterpret_cast<const char*>(data), size < 127 ? size : 127);
    path.resize(path.find('\0') == std::string::npos ? path.size() : path.find('\0'));
    const DroppedFile file = SplitDroppedPath(path);
    // Every field is a piece of the path, never longer than it.
    if (file.command != path || file.directory.size() > path.size() ||
        file.description.size() > path.size() || path.find(file.directory) != 0)
        __builtin_trap();
    return 0;
}
