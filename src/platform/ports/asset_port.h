#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Bytes of files and of the program's own bitmap resources.
class AssetPort {
public:
    virtual ~AssetPort() = default;
    // The whole file, or nothing when it cannot be opened or read.
    virtual std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) = 0;
    // A bitmap resource as a packed DIB (header, colour table, bits); names ignore case.
    virtual std::optional<std::vector<std::uint8_t>> LoadBitmapResource(const std::string& name) = 0;
};
