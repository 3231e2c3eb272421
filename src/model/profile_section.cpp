#include "model/profile_section.h"

#include <algorithm>
#include <cstdint>

#include "common/ascii_case.h"
#include "platform/ports/profile_port.h"

namespace {
constexpr unsigned kFirstReadSize = 8 * 1024; // a section of the program's files normally fits
constexpr unsigned kLargestReadSize = 16 * 1024 * 1024;
constexpr unsigned kIntBufferSize = 30; // the buffer GetPrivateProfileIntA reads into

// The blanks the platform strips around names and values; it strips them
// before a section read gives the lines, but the lines may not show it.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// A value copied into a buffer of bufferSize characters, as the platform
// copies it: one that begins and ends with the same quote (and is more than
// that quote) loses the opening one and is cut to bufferSize - 1; then the
// last character goes when no more than the closing quote was cut off. That
// is the closing quote, or, when the cut took exactly it, a character of the
// value, as Wine's profile code has it.
std::string CopyEntry(const std::string& value, unsigned bufferSize) {
    std::string text = value;
    const bool quoted = text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0];
    if (quoted) text.erase(0, 1);
    const std::size_t unquotedSize = text.size(); // the closing quote still in
    text.resize(std::min<std::size_t>(text.size(), bufferSize ? bufferSize - 1 : 0));
    if (quoted && bufferSize >= unquotedSize && !text.empty()) text.pop_back();
    return text;
}

// The integer at the start of text as the platform reads it for a profile
// integer: leading control characters and blanks skipped, a sign, then
// digits of base 10, or of base 2, 8 or 16 after "0b", "0o" or "0x", with
// 32-bit wrap-around.
std::uint32_t LeadingInteger(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && static_cast<unsigned char>(text[at]) <= ' ') ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::uint32_t base = 10;
    if (at + 1 < text.size() && text[at] == '0') {
        const char prefix = text[at + 1];
        base = prefix == 'b' ? 2 : prefix == 'o' ? 8 : prefix == 'x' ? 16 : 10;
        if (base != 10) at += 2;
    }
    std::uint32_t total = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'z' ? c - 'a' + 10
                          : c >= 'A' && c <= 'Z' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0 || static_cast<std::uint32_t>(digit) >= base) break;
        total = total * base + static_cast<std::uint32_t>(digit);
    }
    return negative ? 0u - total : total;
}
} // namespace

ProfileSection::ProfileSection(const std::string& lines) {
    for (std::size_t at = 0; at < lines.size();) {
        std::size_t end = lines.find('\0', at);
        if (end == std::string::npos) end = lines.size();
        if (end == at) break; // the empty string that ends the list
        const std::string line = lines.substr(at, end - at);
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            m_lines.push_back({Trimmed(line), false, std::string()});
        else
            m_lines.push_back({Trimmed(line.substr(0, equals)), true, Trimmed(line.substr(equals + 1))});
        at = end + 1;
    }
}

const ProfileSection::Line* ProfileSection::Find(const std::string& key) const {
    const std::string name = Trimmed(key);
    for (const Line& line : m_lines)
        if (SameIgnoringAsciiCase(line.name, name)) return &line;
    return nullptr;
}

std::string ProfileSection::Text(const std::string& key, const std::string& deflt,
                                 unsigned bufferSize) const {
    const Line* line = Find(key);
    if (line && line->hasValue) return CopyEntry(line->value, bufferSize);
    // The default loses its trailing blanks, down to its first character.
    const std::size_t kept = deflt.find_last_not_of(' ');
    return CopyEntry(deflt.substr(0, kept == std::string::npos ? std::min<std::size_t>(deflt.size(), 1) : kept + 1),
                     bufferSize);
}

unsigned ProfileSection::Int(const std::string& key, int deflt) const {
    const std::string text = Text(key, "", kIntBufferSize);
    return text.empty() ? static_cast<unsigned>(deflt) : LeadingInteger(text);
}

std::vector<std::string> ProfileSection::KeyNames(unsigned bufferSize) const {
    // Each name with its terminating NUL while more than two places are
    // left; the name that meets the end is cut, and after it the list ends.
    std::vector<std::string> names;
    std::size_t left = bufferSize;
    for (const Line& line : m_lines) {
        if (!line.hasValue) continue;
        if (left <= 2) break;
        const std::string name = line.name.substr(0, left - 2);
        if (name.empty()) break;
        names.push_back(name);
        left -= name.size() + 1;
        if (left < 2) break;
    }
    return names;
}

std::string ProfileSection::Stored(const std::string& key) const {
    const Line* line = Find(key);
    return line && line->hasValue ? line->value : std::string();
}

namespace {
// What one of the platform's list reads gives, read whole: it cuts what does
// not fit and then reports size - 2, so the read is made again with more room.
template <typename Read>
std::string ReadWhole(Read read) {
    std::vector<char> buffer;
    unsigned length = 0;
    for (unsigned size = kFirstReadSize;; size *= 4) {
        buffer.assign(size, '\0');
        length = std::min(read(buffer.data(), size), size - 1);
        if (length + 2 < size || size >= kLargestReadSize) break;
    }
    return std::string(buffer.data(), length);
}
} // namespace

bool ProfileSection::SameLines(const ProfileSection& other) const { return m_lines == other.m_lines; }

ProfileSection ReadProfileSection(ProfilePort& profile, const char* section, const char* file) {
    return ProfileSection(
        ReadWhole([&](char* buffer, unsigned size) { return profile.GetSection(section, buffer, size, file); }));
}

std::vector<std::string> ReadSectionNames(ProfilePort& profile, const char* file) {
    const std::string list =
        ReadWhole([&](char* buffer, unsigned size) { return profile.GetSectionNames(buffer, size, file); });
    std::vector<std::string> names;
    for (std::size_t begin = 0; begin < list.size();) {
        const std::size_t end = std::min(list.find('\0', begin), list.size());
        if (end == begin) break;
        names.push_back(list.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}
