#pragma once
#include <string>
#include <vector>

class ProfilePort;

// All values of one section of a profile file, in the order of their keys in
// the file, read once on construction and then used as an ordinary array.
//
// The section is read whole; what is seen is what reading the key names
// through a 2048-byte buffer (names beyond its first 2047 bytes are not
// seen), then each key's value whole, would give. Empty values are left out,
// and two keys of the same name both yield the first one's value, since
// values are found by name.
class CProfileSectionArray : public std::vector<std::string> {
public:
    static constexpr unsigned kNamesBufferSize = 2048;

    // file is a file name (the profile then looks in the Windows directory)
    // or a full path.
    CProfileSectionArray(ProfilePort& profile, const char* section, const char* file);
};
