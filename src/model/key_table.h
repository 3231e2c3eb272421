#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/face_key.h"

class ProfilePort;
class StringTable;

// The keys of the face, kept once in load order. A character names one key:
// when two descriptors share a character the later one is the key found by
// that character, while both stay in load order (painting visits both).
class KeyTable {
public:
    static constexpr int kMaxKeys = 100;

    KeyTable(ProfilePort& profile, const StringTable& strings);

    // Builds the table anew: from the key-layout file at keyFilePath when it
    // lists any key and OPT_NOOVERRIDE is not set, else from the built-in
    // descriptors of face faceIndex. At most kMaxKeys keys.
    void LoadKeyTable(int faceIndex, std::uint32_t options, const std::string& keyFilePath);
    void DeleteKeys();

    FaceKey* FindKey(const std::string& character); // nullptr when unknown
    const FaceKey* FindKey(const std::string& character) const;

    int Count() const { return static_cast<int>(m_keys.size()); }
    const FaceKey& InLoadOrder(int index) const { return m_keys[static_cast<std::size_t>(index)]; }
    // One key per character (the one FindKey gives), ordered by character code.
    std::vector<FaceKey*> ByCharacter();

    // The key under a face point: the first key in load order whose
    // rectangle holds it, as FindKey gives its character; null for none.
    const FaceKey* KeyAt(int x, int y) const;
    // The character of KeyAt's key when that key is assignable; 0 otherwise.
    char KeyCharAt(int x, int y) const;

private:
    ProfilePort& m_profile;
    const StringTable& m_strings;
    std::vector<FaceKey> m_keys; // load order; reserved once, so pointers stay valid until reload
};
