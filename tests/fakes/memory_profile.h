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

#include "common/ascii_case.h"
#include "platform/ports/profile_port.h"

// Profile files in memory, with only the rules of the platform calls that the
// program relies on: names match without regard to case, lines keep their
// order (a name written twice finds the first), sections keep the order in
// which they were made, a section read gives the "key=value" lines cut to
// the buffer, and a null value or key deletes. File
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
        for (std::string line; std::getline(lines, line);) {
            const std::size_t equals = line.find('=');
            if (!line.empty() && line[0] == '[')
                sections.push_back({line.substr(1, line.find(']') - 1), {}});
            else if (equals != std::string::npos && !sections.empty())
                sections.back().second.push_back({line.substr(0, equals), line.substr(equals + 1)});
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
        std::map<std::string, const Entries*> byName;
        if (const auto found = m_files.find(Path(file)); found != m_files.end())
            for (const auto& [name, entries] : found->second) byName.emplace(Lower(name), &entries);
        std::string text;
        for (const auto& [section, entries] : byName) {
            text += "[" + section + "]\n";
            for (const auto& [key, value] : *entries) text += key + "=" + value + "\n";
        }
        return text;
    }

    unsigned GetSection(const char* section, char* buffer, unsigned size,
                        const char* file) override {
        std::string lines;
        if (const Entries* entries = Find(file, section))
            for (const auto& entry : *entries) lines += entry.first + '=' + entry.second + '\0';
        return Copy(lines, buffer, size);
    }
    unsigned GetSectionNames(char* buffer, unsigned size, const char* file) override {
        std::string names;
        for (const auto& section : m_files[Path(file)]) names += section.first + '\0';
        return Copy(names, buffer, size);
    }
    unsigned GetInt(const char* section, const char* key, int deflt, const char* file) override {
        const auto value = Value(file, section, key);
        if (!value || value->empty()) return static_cast<unsigned>(deflt);
        return static_cast<unsigned>(std::strtol(value->c_str(), nullptr, 10));
    }
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override {
        ++writes;
        File& sections = m_files[Path(file)];
        const auto found = Locate(sections, section);
        if (!key) {
            if (found != sections.end()) sections.erase(found);
        } else if (!value) {
            if (found == sections.end()) return true;
            const auto entry = Locate(found->second, key);
            if (entry != found->second.end()) found->second.erase(entry);
        } else {
            Entries& entries = Section(file, section);
            const auto entry = Locate(entries, key);
            if (entry == entries.end()) entries.push_back({key, value});
            else entry->second = value;
        }
        return true;
    }
    bool WriteSection(const char* section, const char* lines, const char* file) override {
        ++writes;
        Entries& entries = Section(file, section);
        entries.clear();
        for (const char* line = lines; *line; line += std::strlen(line) + 1)
            if (const char* equals = std::strchr(line, '=')) entries.push_back({std::string(line, equals), equals + 1});
        return true;
    }
    int writes = 0; // calls that write, of either kind

private:
    using Entries = std::vector<std::pair<std::string, std::string>>; // in file order
    using File = std::vector<std::pair<std::string, Entries>>;         // sections in file order

    // Names fold as the program's own comparison folds them.
    static std::string Lower(std::string text) {
        for (char& c : text) c = AsciiLower(c);
        return text;
    }
    template <typename List>
    static decltype(std::declval<List&>().begin()) Locate(List& entries, std::string_view name) {
        return std::find_if(entries.begin(), entries.end(),
                            [&](const auto& entry) { return SameIgnoringAsciiCase(entry.first, name); });
    }
    // The section, made at the end of the file when it is missing.
    Entries& Section(std::string_view file, const std::string& section) {
        File& sections = m_files[Path(file)];
        const auto found = Locate(sections, section);
        return found != sections.end() ? found->second : sections.emplace_back(section, Entries{}).second;
    }
    static unsigned Copy(std::string list, char* buffer, unsigned size) {
        if (list.size() + 1 > size) list.resize(size >= 2 ? size - 2 : 0);
        const auto copied = static_cast<unsigned>(list.size());
        list.append(2, '\0');
        std::memcpy(buffer, list.data(), std::min<std::size_t>(list.size(), size));
        return copied;
    }
    const Entries* Find(std::string_view file, const std::string& section) const {
        const auto found = m_files.find(Path(file));
        if (found == m_files.end()) return nullptr;
        const auto entries = Locate(found->second, section);
        return entries == found->second.end() ? nullptr : &entries->second;
    }
    // A file of the Windows directory is kept under its bare name, short
    // enough to need no allocation.
    std::string Path(std::string_view file) const {
        const std::size_t dir = m_windowsDir.size();
        if (file.size() > dir && file[dir] == '\\' && SameIgnoringAsciiCase(file.substr(0, dir), m_windowsDir))
            file.remove_prefix(dir + 1);
        return Lower(std::string(file));
    }

    std::string m_windowsDir;
    std::map<std::string, File> m_files;
};
