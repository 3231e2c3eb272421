#pragma once
#include <string>
#include <vector>

class ProfilePort;

// All values of one section of a profile file, in the order of their keys in
// the file, read once on construction and then used as an ordinary array.
//
// The reading keeps the fixed buffers that define what is seen: the key names
// come through a 2048-byte buffer (names beyond its first 2047 bytes are not
// seen), each value through a 128-byte one (cut at 127 characters). Empty
// values are left out, and two keys of the same name both yield the first
// one's value, since values are read by name.
class CProfileSectionArray : public std::vector<std::string> {
public:
    static constexpr unsigned kNamesBufferSize = 2048;
    static constexpr unsigned kValueBufferSize = 128;

    // file is a file name (the profile then looks in the Windows directory)
    // or a full path.
    CProfileSectionArray(ProfilePort& profile, const char* section, const char* file);
};
