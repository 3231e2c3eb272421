#pragma once
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ports/profile_port.h"

// Profile files in memory, with only the rules of the platform calls that the
// program relies on: names match without regard to case, lines keep their
// order (a name written twice finds the first), a section read gives the
// "key=value" lines cut to the buffer, and a null value or key deletes. File
// names without a directory are files of the Windows directory.
class MemoryProfile : public ProfilePort {
public:
    explicit MemoryProfile(std::string windowsDirectory = "C:\\WINDOWS")
        : m_windowsDir(std::move(windowsDirectory)) {}

    // Replaces a file with the "[section]" and "key=value" lines of text.
    void Load(const std::string& file, const std::string& text) {
        File& sections = m_files[Path(file)];
        sections.clear();
        std::istringstream lines(text);
        std::string section;
        for (std::string line; std::getline(lines, line);) {
            const std::size_t equals = line.find('=');
            if (!line.empty() && line[0] == '[')
                sections[section = Lower(line.substr(1, line.find(']') - 1))];
            else if (equals != std::string::npos && sections.count(section))
                sections[section].push_back({line.substr(0, equals), line.substr(equals + 1)});
        }
    }
    bool HasFile(const std::string& file) const { return m_files.count(Path(file)) != 0; }
    std::optional<std::string> Value(const std::string& file, const std::string& section,
                                     const std::string& key) const {
        const Entries* entries = Find(file, section);
        const auto entry = entries ? Locate(*entries, key) : Entries::const_iterator{};
        if (!entries || entry == entries->end()) return std::nullopt;
        return entry->second;
    }

    // A whole file as "[section]\nkey=value\n" lines, the sections by
    // lower-case name in name order, the keys in file order.
    std::string Text(const std::string& file) const {
        std::string text;
        const auto found = m_files.find(Path(file));
        if (found == m_files.end()) return text;
        for (const auto& [section, entries] : found->second) {
            text += "[" + section + "]\n";
            for (const auto& [key, value] : entries) text += key + "=" + value + "\n";
        }
        return text;
    }

    unsigned GetSection(const char* section, char* buffer, unsigned size,
                        const char* file) override {
        std::string lines;
        if (const Entries* entries = Find(file, section))
            for (const auto& entry : *entries) lines += entry.first + '=' + entry.second + '\0';
        if (lines.size() + 1 > size) lines.resize(size >= 2 ? size - 2 : 0);
        const auto copied = static_cast<unsigned>(lines.size());
        lines.append(2, '\0');
        std::memcpy(buffer, lines.data(), std::min<std::size_t>(lines.size(), size));
        return copied;
    }
    unsigned GetInt(const char* section, const char* key, int deflt, const char* file) override {
        const auto value = Value(file, section, key);
        if (!value || value->empty()) return static_cast<unsigned>(deflt);
        return static_cast<unsigned>(std::strtol(value->c_str(), nullptr, 10));
    }
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override {
        File& sections = m_files[Path(file)];
        const std::string name = Lower(section);
        if (!key) {
            sections.erase(name);
        } else if (!value) {
            if (const auto found = sections.find(name); found != sections.end()) {
                const auto entry = Locate(found->second, key);
                if (entry != found->second.end()) found->second.erase(entry);
            }
        } else {
            Set(sections[name], key, value);
        }
        return true;
    }

private:
    using Entries = std::vector<std::pair<std::string, std::string>>; // in file order
    using File = std::map<std::string, Entries>;                       // by lower-case name

    // Names fold as in the "C" locale and are compared in place, from the
    // end: a save looks up each of a hundred keys ("Fn-A", "Fn-B" ...) in its
    // section.
    static char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
    static std::string Lower(std::string text) {
        for (char& c : text) c = Fold(c);
        return text;
    }
    static bool SameName(std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.rbegin(), a.rend(), b.rbegin(),
                                                   [](char x, char y) { return Fold(x) == Fold(y); });
    }
    template <typename List>
    static decltype(std::declval<List&>().begin()) Locate(List& entries, const std::string& key) {
        return std::find_if(entries.begin(), entries.end(),
                            [&](const auto& entry) { return SameName(entry.first, key); });
    }
    static void Set(Entries& entries, const std::string& key, const std::string& value) {
        const auto entry = Locate(entries, key);
        if (entry == entries.end()) entries.push_back({key, value});
        else entry->second = value;
    }
    const Entries* Find(std::string_view file, const std::string& section) const {
        const auto found = m_files.find(Path(file));
        if (found == m_files.end()) return nullptr;
        const auto entries = found->second.find(Lower(section));
        return entries == found->second.end() ? nullptr : &entries->second;
    }
    // A file of the Windows directory is kept under its bare name, short
    // enough to need no allocation.
    std::string Path(std::string_view file) const {
        const std::size_t dir = m_windowsDir.size();
        if (file.size() > dir && file[dir] == '\\' && SameName(file.substr(0, dir), m_windowsDir))
            file.remove_prefix(dir + 1);
        return Lower(std::string(file));
    }

    std::string m_windowsDir;
    std::map<std::string, File> m_files;
};
