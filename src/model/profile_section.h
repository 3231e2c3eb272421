#pragma once
#include <string>
#include <vector>

class ProfilePort;

// One section of a profile file, read whole in one call, answering what the
// platform's reads of single keys would answer from the same file. The
// whole-section read gives the raw "key=value" lines, so the answers make up
// for what a single read does besides finding the line:
//   - names match without regard to case, and the first of two lines with
//     the same name is the one found;
//   - a line without "=" is a key without a value: reading it gives the
//     default, and it shadows a later line of the same name;
//   - one pair of surrounding quotes (' or ") is dropped from a value, and
//     the value is cut to the buffer;
//   - the key names of the section are the names of the lines with "=".
// Two answers cannot be made up for: a comment line (a name beginning with
// ";"), which the section read leaves out but a read of that name finds, and
// a name that differs only in the case of a letter beyond A-Z, which the
// platform folds and this does not. The program asks for no such name, and
// writes its names as it asks for them.
class ProfileSection {
public:
    // lines: the lines as the section read gives them, each ended by a NUL.
    explicit ProfileSection(const std::string& lines = std::string());

    // The value of key as a read of that key alone gives it into a buffer of
    // bufferSize bytes (GetPrivateProfileStringA): deflt when the section has
    // no such key, at most bufferSize - 1 characters.
    std::string Text(const std::string& key, const std::string& deflt, unsigned bufferSize) const;
    // A buffer no value fills: Text gives the value whole.
    static constexpr unsigned kWholeValue = 0xFFFFFFFF;

    // The value of key as a decimal integer, as GetPrivateProfileIntA reads
    // it; deflt when the key is missing or its value empty.
    unsigned Int(const std::string& key, int deflt) const;

    // The key names as a read without a key gives them into a buffer of
    // bufferSize bytes, in file order, up to the first empty name (where a
    // reader of that list stops). The last name may be cut; names beyond the
    // buffer are missing.
    std::vector<std::string> KeyNames(unsigned bufferSize) const;

    // The value of key as the file holds it (quotes and all), which a write
    // of the same text leaves unchanged; empty when key has none.
    std::string Stored(const std::string& key) const;

    // The same lines, blanks around names and values aside: what the
    // platform keeps of the other's lines when it writes them.
    bool SameLines(const ProfileSection& other) const;

private:
    struct Line {
        std::string name;
        bool hasValue; // the line holds "="
        std::string value;
        bool operator==(const Line& other) const {
            return name == other.name && hasValue == other.hasValue && value == other.value;
        }
    };
    const Line* Find(const std::string& key) const;

    std::vector<Line> m_lines;
};

// Reads the whole section through the profile port: one call, or one more
// with more room for each time the lines did not fit (up to 16 MB).
ProfileSection ReadProfileSection(ProfilePort& profile, const char* section, const char* file);
// The names of the file's sections in file order, read whole the same way.
std::vector<std::string> ReadSectionNames(ProfilePort& profile, const char* file);
