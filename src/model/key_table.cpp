#include <cstdint>
#include <limits>

#include "app/keyboard_frame.h"
#include "model/decimal.h"
#include "model/profile_section_array.h"
#include "platform/ports/profile_port.h"
#include "platform/ports/string_table.h"

namespace {
constexpr std::int64_t kFirstDescriptorBlock = 50; // descriptor ids are 5000 + 100 x face + position

// The string id of a built-in descriptor; false when the face index puts it
// outside the ids a string table can hold.
bool DescriptorId(int faceIndex, int position, unsigned& id) {
    const std::int64_t wide = (faceIndex + kFirstDescriptorBlock) * 100 + position;
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

void CKeyboardFrame::LoadKeyTable(int faceIndex) {
    // A second load starts from an empty table rather than mixing two layouts.
    DeleteKeys();

    const std::string path = m_strWindowsDir + "\\" + m_strKeyFile;
    const CProfileSectionArray fileKeys(*m_ports.profile, "keys", path.c_str());
    const bool fromFile = fileKeys.size() > 0 && (m_nOptions & OPT_NOOVERRIDE) == 0;
    // The stored scale is read as the platform's unsigned integer and used as a
    // signed factor, so "-2" mirrors the face.
    const int scale =
        fromFile ? static_cast<int>(m_ports.profile->GetInt("opts", "scale", 1, path.c_str())) : 1;

    for (int position = 0; position < kMaxKeys; ++position) {
        std::string descriptor;
        if (fromFile) {
            if (static_cast<std::size_t>(position) >= fileKeys.size()) break;
            descriptor = fileKeys[position];
        } else {
            unsigned id = 0;
            if (!DescriptorId(faceIndex, position, id) || !m_ports.strings->Load(id, descriptor))
                continue;
        }
        if (LeadingDecimal(descriptor.c_str()) == -1) break;

        auto key = std::make_unique<FaceKey>(descriptor, *m_ports.strings);
        if (scale != 1) ScaleRect(key->m_rect, scale);
        m_mapKeys[key->m_strKey] = key.get();
        m_keyChars[m_nKeys] = key->m_strKey[0];
        m_keys[m_nKeys] = key.get();
        ++m_nKeys;
        if ((m_nOptions & OPT_ALLKEYS) && !key->m_bReserved && IsDigitOneToNine(key->m_strKey))
            key->m_bAssignable = 1;
        m_ownedKeys.push_back(std::move(key));
    }
}

FaceKey* CKeyboardFrame::FindKey(const std::string& character) const {
    const auto it = m_mapKeys.find(character);
    return it == m_mapKeys.end() ? nullptr : it->second;
}

void CKeyboardFrame::DeleteKeys() {
    m_mapKeys.clear();
    m_keys.fill(nullptr);
    m_keyChars.fill('\0');
    m_nKeys = 0;
    m_ownedKeys.clear();
}
