// Arbitrary bytes as the content of a profile file, read through IniProfile
// (section and key lists, values, numbers, small and large buffers), then one
// write and a re-read: the written value must read back, every other section
// must read as before, and nothing may overflow a buffer (each small buffer is
// allocated at its exact size, so the sanitizer sees any overrun).
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/portable/ini_document.h"
#include "platform/portable/ini_profile.h"

namespace {

namespace fs = std::filesystem;

#define CHECK(condition)                                                  \
    do {                                                                  \
        if (!(condition)) {                                               \
            std::fprintf(stderr, "check failed: %s (line %d)\n", #condition, __LINE__); \
            std::abort();                                                 \
        }                                                                 \
    } while (0)

constexpr std::size_t kMaxSections = 4;
constexpr std::size_t kMaxKeys = 4;

// A directory of this process, in memory (tmpfs) when the system has one,
// removed at exit. The path object is never destroyed, so the exit handler
// can still read it after static objects are gone.
const fs::path& Directory() {
    static const fs::path* const directory = [] {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        const auto* path = new fs::path(base / ("klv-profile-fuzz-" + std::to_string(::getpid())));
        fs::create_directories(*path);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(Directory(), ignored);
        });
        return path;
    }();
    return *directory;
}

// A name without the blanks the file loses around names. (Only pieces of a
// name split at a NUL can have them; a name with a tab at its edge cannot be
// read back, on Windows either, since the file's names lose their tabs and a
// caller's names keep them.)
std::string TrimBlanks(const std::string& name) {
    const std::size_t first = name.find_first_not_of(" \t\v");
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(" \t\v") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
               return fold(x) == fold(y);
           });
}

// Reads the input from the front, a byte at a time; zeros when it runs out.
struct Bytes {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    unsigned Next() { return at < size ? data[at++] : 0; }
    std::string Word(const char* prefix, unsigned maxLength) {
        static const char alphabet[] = "abcXYZ0189";
        std::string word = prefix;
        for (unsigned n = Next() % (maxLength + 1); n > 0; --n) word += alphabet[Next() % 10];
        return word;
    }
};

class Reader {
public:
    Reader(IniProfile& profile, std::string file, std::size_t fileSize)
        : profile_(profile), file_(std::move(file)), big_(static_cast<unsigned>(fileSize + 16)) {}

    // The full result of a read; for lists the names, else one text.
    std::string Text(const char* section, const char* key, unsigned* countOut = nullptr) {
        std::vector<char> buffer(big_, '\x5a');
        const unsigned count = profile_.GetString(section, key, "<none>", buffer.data(), big_, file_.c_str());
        CHECK(count < big_);
        CHECK(buffer[count] == '\0');
        if (countOut) *countOut = count;
        return std::string(buffer.data(), count);
    }

    std::vector<std::string> List(const char* section) {
        unsigned count = 0;
        const std::string text = Text(section, nullptr, &count);
        std::vector<std::string> names;
        if (section && text == "<none>") return names;  // no keys: the default
        // A NUL inside a name (the file may hold one) splits it here, as for any caller.
        for (std::size_t at = 0; at < text.size(); at += names.back().size() + 1) {
            names.emplace_back(text.c_str() + at);
        }
        return names;
    }

    // The same read into a buffer of exactly `size` bytes must give a prefix
    // of the full result: size - 1 characters of a value, size - 2 of a list.
    void CheckSmall(const char* section, const char* key, unsigned size) {
        const std::string full = Text(section, key);
        const bool list = !section || (!key && full != "<none>");
        std::unique_ptr<char[]> buffer(new char[size]);
        std::memset(buffer.get(), 0x5a, size);
        const unsigned count = profile_.GetString(section, key, "<none>", buffer.get(), size, file_.c_str());
        if (size == 0) {
            CHECK(count == 0);
            return;
        }
        const bool whole = list ? full.size() + 2 <= size : full.size() < size;
        const std::size_t fits = whole ? full.size() : list ? (size < 2 ? 0 : size - 2) : size - 1;
        CHECK(count == fits);
        CHECK(std::memcmp(buffer.get(), full.data(), fits) == 0);
        CHECK(buffer[count] == '\0');
        // A list ends in two NULs: its last name's and one more.
        if (list && !whole && size >= 2) CHECK(buffer[count + 1] == '\0');
        if (list && whole && count > 0) CHECK(buffer[count - 1] == '\0');
    }

    // What every section but one reads as, taken from the file's bytes in
    // memory by the rules the port uses (one file read instead of one per
    // key). Sections count by their first occurrence.
    std::string Snapshot(const std::string& skipSection) {
        std::ifstream in(Directory() / file_, std::ios::binary);
        const IniDocument document{std::string{std::istreambuf_iterator<char>{in}, {}}};
        std::string snapshot;
        for (const std::string& section : document.SectionNames()) {
            if (SameName(section, skipSection)) continue;
            snapshot += section + '\x01';
            for (const std::string& key : document.KeyNames(section)) {
                snapshot += key + '=' + document.Value(section, key).value_or("<none>") + '\x02';
            }
        }
        return snapshot;
    }

private:
    IniProfile& profile_;
    std::string file_;
    unsigned big_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path path = Directory() / "fuzz.ini";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    IniProfile profile(Directory().string());
    // Room for what the write adds: a header as long as a name in the file, a
    // short key and value.
    Reader reader(profile, "fuzz.ini", 2 * size + 64);
    Bytes choices{data, size};

    // Reads everything the file offers, with large and small buffers.
    const std::vector<std::string> sections = reader.List(nullptr);
    reader.CheckSmall(nullptr, nullptr, choices.Next() % 24);
    for (std::size_t s = 0; s < sections.size() && s < kMaxSections; ++s) {
        const char* section = sections[s].c_str();
        const std::vector<std::string> keys = reader.List(section);
        reader.CheckSmall(section, nullptr, choices.Next() % 24);
        for (std::size_t k = 0; k < keys.size() && k < kMaxKeys; ++k) {
            reader.CheckSmall(section, keys[k].c_str(), choices.Next() % 12);
            profile.GetInt(section, keys[k].c_str(), 7, "fuzz.ini");
        }
    }

    // One write into an existing section or a new one.
    const unsigned pick = choices.Next();
    const std::string target = (pick & 1) && !sections.empty()
                                   ? TrimBlanks(sections[(pick >> 1) % sections.size()])
                                   : choices.Word("fz", 3);
    const std::string key = choices.Word("fk", 3);
    const std::string value = choices.Word("v", 8);
    const bool sectionExisted = std::any_of(sections.begin(), sections.end(),
                                            [&](const std::string& s) { return SameName(TrimBlanks(s), target); });
    const std::vector<std::string> keysBefore = reader.List(target.c_str());
    const bool keyExisted = std::any_of(keysBefore.begin(), keysBefore.end(),
                                        [&](const std::string& k) { return SameName(k, key); });
    const std::string othersBefore = reader.Snapshot(target);

    CHECK(profile.WriteString(target.c_str(), key.c_str(), value.c_str(), "fuzz.ini"));
    CHECK(reader.Text(target.c_str(), key.c_str()) == value);
    CHECK(reader.Snapshot(target) == othersBefore);
    // A header or key holding a NUL lists as several names, so only a file
    // without NULs tells from the lists alone whether the target existed.
    const bool hasNul = std::memchr(data, 0, size) != nullptr;
    std::vector<std::string> sectionsAfter = reader.List(nullptr);
    const bool sectionAdded = sectionsAfter.size() == sections.size() + 1;
    if (sectionAdded) {
        CHECK(sectionsAfter.back() == target);
        sectionsAfter.pop_back();
    }
    CHECK(sectionsAfter == sections);
    if (!hasNul) CHECK(sectionAdded == !sectionExisted);
    std::vector<std::string> keysAfter = reader.List(target.c_str());
    const bool keyAdded = keysAfter.size() == keysBefore.size() + 1;
    if (keyAdded) {
        CHECK(keysAfter.back() == key);
        keysAfter.pop_back();
    }
    CHECK(keysAfter == keysBefore);
    if (!hasNul) CHECK(keyAdded == !keyExisted);

    // Deleting a key that was new takes the file back to what it read as.
    if (keyAdded) {
        CHECK(profile.WriteString(target.c_str(), key.c_str(), nullptr, "fuzz.ini"));
        CHECK(reader.Text(target.c_str(), key.c_str()) == "<none>");
        CHECK(reader.Snapshot(target) == othersBefore);
    }
    return 0;
}
