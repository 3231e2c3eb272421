#pragma once
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/ports/asset_port.h"

// Files and bitmap resources served from memory, with every request logged
// ("assets: file PATH", "assets: resource NAME"). ServeFaces loads the
// built-in faces FACE0 and FACE1 from the committed bitmap files, as the
// resource compiler stores them: without the 14-byte file header.
class ServedAssets : public AssetPort {
public:
    using Bytes = std::vector<std::uint8_t>;

    explicit ServedAssets(CallLog& log) : m_log(log) {}

    void ServeFaces(const std::string& resourcesDir) {
        for (const char* name : {"face0", "face1"}) {
            Bytes file = ReadWholeFile(resourcesDir + "/" + name + ".bmp");
            if (file.size() > kFileHeader) ServeResource(name, Bytes(file.begin() + kFileHeader, file.end()));
        }
    }
    void ServeResource(const std::string& name, Bytes packedDib) { m_resources[Upper(name)] = std::move(packedDib); }
    void ServeFile(const std::string& path, Bytes bytes) { m_files[path] = std::move(bytes); }

    std::optional<Bytes> ReadFile(const std::string& path) override {
        m_log.Add("assets", "file " + path);
        const auto found = m_files.find(path);
        if (found == m_files.end()) return std::nullopt;
        return found->second;
    }
    std::optional<Bytes> LoadBitmapResource(const std::string& name) override {
        m_log.Add("assets", "resource " + name);
        const auto found = m_resources.find(Upper(name));
        if (found == m_resources.end()) return std::nullopt;
        return found->second;
    }

    static Bytes ReadWholeFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    static constexpr std::size_t kFileHeader = 14;
    static std::string Upper(std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return text;
    }

    CallLog& m_log;
    std::map<std::string, Bytes> m_resources; // by upper-case name
    std::map<std::string, Bytes> m_files;
};
