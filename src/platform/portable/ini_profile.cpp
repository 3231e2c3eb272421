#include "platform/portable/ini_profile.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/portable/ini_document.h"

namespace fs = std::filesystem;

namespace {

enum class FileState { Missing, Read, Unreadable };

FileState ReadBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    if (path.empty()) return FileState::Unreadable;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return FileState::Missing;
    if (status.type() != fs::file_type::regular) return FileState::Unreadable;
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileState::Unreadable;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.bad() ? FileState::Unreadable : FileState::Read;
}

// Writes bytes to a new file beside path and renames it over path, so the old
// file stays whole until the new one is complete.
bool ReplaceFile(const std::string& path, const std::string& bytes) {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    const fs::path target(path);
    fs::path temporary = target;
    temporary += "." + std::to_string(salt) + "-" + std::to_string(counter++) + ".tmp";
    std::error_code error;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return false;
        }
    }
    const fs::file_status old = fs::status(target, error);
    if (fs::is_regular_file(old)) fs::permissions(temporary, old.permissions(), error);
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

IniDocument Load(const std::string& path) {
    std::string bytes;
    ReadBytes(path, bytes);  // a missing or unreadable file reads as empty
    return IniDocument(std::move(bytes));
}

unsigned CopyText(std::string_view text, char* buffer, unsigned size) {
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<unsigned>(count);
}

// Names each ended by NUL and the list by one more. When that does not fit,
// Windows fills size - 2 characters (cutting the last name that fits partly)
// and ends with two NULs, returning size - 2; a list that exactly fills the
// buffer counts as not fitting.
unsigned CopyList(const std::vector<std::string>& names, char* buffer, unsigned size) {
    std::string list;
    for (const std::string& name : names) list.append(name).push_back('\0');
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    if (list.size() + 2 <= size) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        if (list.empty()) buffer[1] = '\0';  // an empty list still reads as a list
        return static_cast<unsigned>(list.size());
    }
    const unsigned count = size - 2;
    std::memcpy(buffer, list.data(), count);
    buffer[count] = '\0';
    buffer[count + 1] = '\0';
    return count;
}

std::string_view WithoutTrailingSpaces(const char* text) {
    std::string_view view = text ? text : "";
    while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
    return view;
}

// The number a value stands for, read as the Windows runtime's RtlCharToInteger
// with base 0 reads it: control characters and blanks skipped, one optional
// sign, then "0x", "0o" or "0b" for hexadecimal, octal or binary digits, else
// decimal digits, up to the first character that is not a digit of the base;
// the result wraps at 32 bits. So "0x10" is 16 on Windows NT (Windows 9x read
// only decimal digits) and "12abc" is 12.
std::uint32_t ParseWindowsInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] != '\0' && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        const char marker = text[i + 1];
        base = marker == 'x' ? 16 : marker == 'o' ? 8 : marker == 'b' ? 2 : 10;
        if (base != 10) i += 2;
    }
    std::uint32_t total = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit = 36;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'z') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'Z') digit = static_cast<unsigned>(c - 'A' + 10);
        if (digit >= base) break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

bool HasDriveLetter(const std::string& name) {
    return name.size() >= 2 && name[1] == ':' &&
           ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

}  // namespace

IniProfile::IniProfile(std::string windowsDirectory) : windowsDirectory_(std::move(windowsDirectory)) {}

std::string IniProfile::PathOf(const char* file) const {
    std::string name = file ? file : "win.ini";
    if (name.empty()) return name;
    if (name.find_first_of("\\/") == std::string::npos && !HasDriveLetter(name)) {
        if (windowsDirectory_.empty() || windowsDirectory_.back() == '/') return windowsDirectory_ + name;
        return windowsDirectory_ + "/" + name;
    }
    if (HasDriveLetter(name)) name.erase(0, 2);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

unsigned IniProfile::GetString(const char* section, const char* key, const char* deflt, char* buffer,
                               unsigned size, const char* file) {
    if (!buffer || size == 0) return 0;
    const IniDocument document = Load(PathOf(file));
    if (!section) return CopyList(document.SectionNames(), buffer, size);
    if (!key) {
        // An empty or missing section gives the default, as under Wine.
        const std::vector<std::string> names = document.KeyNames(section);
        if (!names.empty()) return CopyList(names, buffer, size);
    } else if (const auto value = document.Value(section, key)) {
        return CopyText(*value, buffer, size);
    }
    // The default is copied as given, quotes and all, less its trailing spaces.
    return CopyText(WithoutTrailingSpaces(deflt), buffer, size);
}

unsigned IniProfile::GetInt(const char* section, const char* key, int deflt, const char* file) {
    // Windows reads the text as GetPrivateProfileString gives it (a null
    // section or key gives a list, whose first name is read) and returns the
    // default when that text is empty.
    const IniDocument document = Load(PathOf(file));
    std::string text;
    if (!section || !key) {
        const std::vector<std::string> names = section ? document.KeyNames(section) : document.SectionNames();
        if (!names.empty()) text = names.front();
    } else {
        text = document.Value(section, key).value_or("");
    }
    if (text.empty() || text.front() == '\0') return static_cast<unsigned>(deflt);
    return ParseWindowsInteger(text);
}

bool IniProfile::WriteString(const char* section, const char* key, const char* value, const char* file) {
    // All three null only asks Windows to flush its cache, which this class has not.
    if (!section) return !key && !value;
    const std::string path = PathOf(file);
    std::string bytes;
    const FileState state = ReadBytes(path, bytes);
    if (state == FileState::Unreadable) return false;  // never replace what could not be read
    IniDocument document(std::move(bytes));
    if (!key) {
        if (!document.DeleteSection(section)) return true;
    } else if (!value) {
        if (!document.DeleteKey(section, key)) return true;
    } else {
        document.SetValue(section, key, value);
    }
    return ReplaceFile(path, document.Bytes());
}
