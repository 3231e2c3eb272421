#pragma once
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/ports/profile_port.h"

// Profile files in memory, with only the rules of the platform calls that the
// program relies on: names match without regard to case, sections and keys
// keep their order, a value is cut to the buffer, a missing key gives the
// default, name lists end in two NULs, and a null value or key deletes.
// File names without a directory are files of the Windows directory.
class MemoryProfile : public ProfilePort {
public:
    explicit MemoryProfile(std::string windowsDirectory = "C:\\WINDOWS")
        : m_windowsDir(std::move(windowsDirectory)) {}

    // Replaces a file with the "[section]" and "key=value" lines of text.
    void Load(const std::string& file, const std::string& text) {
        Document& doc = m_files[Path(file)];
        doc.clear();
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line[0] == '[')
                doc.push_back({line.substr(1, line.find(']') - 1), {}});
            else if (line.find('=') != std::string::npos && !doc.empty())
                doc.back().second.push_back({line.substr(0, line.find('=')), line.substr(line.find('=') + 1)});
        }
    }
    bool HasFile(const std::string& file) const { return m_files.count(Path(file)) != 0; }
    std::optional<std::string> Value(const std::string& file, const std::string& section,
                                     const std::string& key) const {
        const auto doc = m_files.find(Path(file));
        if (doc == m_files.end()) return std::nullopt;
        const Section* s = Find(doc->second, section);
        const auto* entry = s ? Find(s->second, key) : nullptr;
        if (!entry) return std::nullopt;
        return entry->second;
    }

    unsigned GetString(const char* section, const char* key, const char* deflt, char* buffer,
                       unsigned size, const char* file) override {
        if (size == 0) return 0;
        const auto found = m_files.find(Path(file));
        static const Document kNoFile;
        const Document& doc = found == m_files.end() ? kNoFile : found->second;
        if (!section || !key) {
            std::string list;
            if (!section)
                for (const Section& s : doc) list += s.first + '\0';
            else if (const Section* s = Find(doc, section))
                for (const auto& entry : s->second) list += entry.first + '\0';
            if (list.size() + 1 > size) list.resize(size >= 2 ? size - 2 : 0);
            std::memcpy(buffer, list.data(), list.size());
            buffer[list.size()] = '\0';
            if (list.size() + 1 < size) buffer[list.size() + 1] = '\0';
            return static_cast<unsigned>(list.size());
        }
        const Section* s = Find(doc, section);
        const auto* entry = s ? Find(s->second, key) : nullptr;
        const std::string value = entry ? entry->second : (deflt ? deflt : "");
        const std::size_t n = std::min<std::size_t>(value.size(), size - 1);
        std::memcpy(buffer, value.data(), n);
        buffer[n] = '\0';
        return static_cast<unsigned>(n);
    }
    unsigned GetInt(const char* section, const char* key, int deflt, const char* file) override {
        const auto value = Value(file, section, key);
        if (!value || value->empty()) return static_cast<unsigned>(deflt);
        return static_cast<unsigned>(std::strtol(value->c_str(), nullptr, 10));
    }
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override {
        Document& doc = m_files[Path(file)];
        Section* s = Find(doc, section);
        if (!key) {
            if (s) doc.erase(doc.begin() + (s - doc.data()));
            return true;
        }
        if (!s) {
            if (!value) return true;
            s = &doc.emplace_back(section, Entries{});
        }
        auto* entry = Find(s->second, key);
        if (!value) {
            if (entry) s->second.erase(s->second.begin() + (entry - s->second.data()));
        } else if (entry) {
            entry->second = value;
        } else {
            s->second.push_back({key, value});
        }
        return true;
    }

private:
    using Entries = std::vector<std::pair<std::string, std::string>>;
    using Section = std::pair<std::string, Entries>;
    using Document = std::vector<Section>;

    static bool SameName(const std::string& a, const std::string& b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    }
    template <typename List>
    static decltype(&*std::declval<List&>().begin()) Find(List& list, const std::string& name) {
        for (auto& item : list)
            if (SameName(item.first, name)) return &item;
        return nullptr;
    }
    std::string Path(const std::string& file) const {
        std::string path = file.find('\\') == std::string::npos ? m_windowsDir + "\\" + file : file;
        for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return path;
    }

    std::string m_windowsDir;
    std::map<std::string, Document> m_files;
};
