#include "model/key_table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "common/decimal.h"
#include "common/options.h"
#include "common/string_ids.h"
#include "model/profile_section_array.h"
#include "model/settings.h"
#include "platform/ports/profile_port.h"
#include "platform/ports/string_table.h"

namespace {
// The string id of a built-in descriptor; false when the face index puts it
// outside the ids a string table can hold.
bool DescriptorId(int faceIndex, int position, unsigned& id) {
    const std::int64_t wide =
        std::int64_t{IDS_FIRST_DESCRIPTOR} + std::int64_t{faceIndex} * 100 + position;
    if (wide < 0 || wide > std::numeric_limits<unsigned>::max()) return false;
    id = static_cast<unsigned>(wide);
    return true;
}

// Scaled coordinates saturate rather than overflow for a huge or negative scale.
void ScaleRect(Rect& rect, int scale) {
    rect.left = ClampToInt(std::int64_t{rect.left} * scale);
    rect.top = ClampToInt(std::int64_t{rect.top} * scale);
    rect.right = ClampToInt(std::int64_t{rect.right} * scale);
    rect.bottom = ClampToInt(std::int64_t{rect.bottom} * scale);
}

bool IsDigitOneToNine(const std::string& character) {
    return character[0] >= '1' && character[0] <= '9';
}
} // namespace

KeyTable::KeyTable(ProfilePort& profile, const StringTable& strings)
    : m_profile(profile), m_strings(strings) {
    m_keys.reserve(kMaxKeys);
}

void KeyTable::LoadKeyTable(int faceIndex, std::uint32_t options, const std::string& keyFilePath) {
    // A second load starts from an empty table rather than mixing two layouts.
    DeleteKeys();

    using namespace profile_names;
    const char* path = keyFilePath.c_str();
    const CProfileSectionArray fileKeys(m_profile, kKeysSection, path);
    const bool fromFile = !fileKeys.empty() && (options & OPT_NOOVERRIDE) == 0;
    // The stored scale is read as the platform's unsigned integer and used as a
    // signed factor, so "-2" mirrors the face.
    const int scale = fromFile ? static_cast<int>(m_profile.GetInt(kKeyOptsSection, kScale, 1, path)) : 1;

    for (int position = 0; position < kMaxKeys; ++position) {
        std::string descriptor;
        if (fromFile) {
            if (static_cast<std::size_t>(position) >= fileKeys.size()) break;
            descriptor = fileKeys[position];
        } else {
            unsigned id = 0;
            if (!DescriptorId(faceIndex, position, id) || !m_strings.Load(id, descriptor)) continue;
        }
        if (LeadingDecimal(descriptor.c_str()) == -1) break;

        FaceKey& key = m_keys.emplace_back(descriptor, m_strings);
        if (scale != 1) ScaleRect(key.m_rect, scale);
        if ((options & OPT_ALLKEYS) && !key.m_bReserved && IsDigitOneToNine(key.m_strKey))
            key.m_bAssignable = 1;
    }
}

void KeyTable::DeleteKeys() { m_keys.clear(); }

FaceKey* KeyTable::FindKey(const std::string& character) {
    const auto found = std::find_if(m_keys.rbegin(), m_keys.rend(),
                                    [&](const FaceKey& key) { return key.m_strKey == character; });
    return found == m_keys.rend() ? nullptr : &*found;
}

const FaceKey* KeyTable::FindKey(const std::string& character) const {
    return const_cast<KeyTable*>(this)->FindKey(character);
}

std::vector<FaceKey*> KeyTable::ByCharacter() {
    // The last key of a character in load order is the one FindKey gives.
    std::array<FaceKey*, 256> byCode{};
    for (FaceKey& key : m_keys) byCode[static_cast<unsigned char>(key.m_strKey[0])] = &key;
    std::vector<FaceKey*> keys;
    for (FaceKey* key : byCode)
        if (key) keys.push_back(key);
    return keys;
}

const FaceKey* KeyTable::KeyAt(int x, int y) const {
    for (const FaceKey& key : m_keys)
        if (key.m_rect.Contains(x, y)) return FindKey(key.m_strKey);
    return nullptr;
}

char KeyTable::KeyCharAt(int x, int y) const {
    const FaceKey* key = KeyAt(x, y);
    return key && key->m_bAssignable ? key->m_strKey[0] : 0;
}
