#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/ascii_case.h"
#include "platform/ports/asset_port.h"

// The built-in faces FACE0 and FACE1 from their committed bitmap files, as
// the resource compiler stores them: without the 14-byte file header, and
// the face files the test puts in `files` by path. With servesFaces false
// there are no built-in faces.
struct ServedAssets : AssetPort {
    using Bytes = std::vector<std::uint8_t>;

    std::optional<Bytes> ReadFile(const std::string& path) override {
        const auto file = files.find(path);
        return file == files.end() ? std::nullopt : std::optional<Bytes>(file->second);
    }
    std::optional<Bytes> LoadBitmapResource(const std::string& name) override {
        std::string file = name; // resource names ignore case
        for (char& c : file) c = AsciiLower(c);
        if (!servesFaces || (file != "face0" && file != "face1")) return std::nullopt;
        std::ifstream in(std::string(KLV_SOURCE_DIR) + "/resources/" + file + ".bmp", std::ios::binary);
        const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (bytes.size() <= 14) return std::nullopt;
        return Bytes(bytes.begin() + 14, bytes.end());
    }

    bool servesFaces = true;
    std::map<std::string, Bytes> files;
};
