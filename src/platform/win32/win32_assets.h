#pragma once
#include "platform/ports/asset_port.h"

// Files through kernel32 and bitmaps from the program's own resources.
class Win32Assets : public AssetPort {
public:
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> LoadBitmapResource(const std::string& name) override;
};
