#include "model/face_key.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "common/decimal.h"
#include "common/string_ids.h"
#include "platform/ports/string_table.h"

namespace {
constexpr std::size_t kMaxNameChars = 19;
constexpr std::size_t kMaxDescriptionChars = 35;

// The fields of "code assignable reserved name left top width height [description]".
// Reading stops at the first field that does not match, as a scan with
// "%d %d %d %s %d %d %d %d %35s" does; the fields after it keep 0 or empty.
// So a descriptor with fewer than eight fields still builds a key: missing
// numbers are 0 and a missing name is empty (label "Fn-").
struct DescriptorFields {
    int count = 0;
    int code = 0, assignable = 0, reserved = 0;
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;
    std::string description;
};

DescriptorFields ScanDescriptor(const char* text) {
    DescriptorFields f;
    int* const leading[] = {&f.code, &f.assignable, &f.reserved};
    for (int* field : leading) {
        if (!ScanDecimal(text, *field)) return f;
        ++f.count;
    }
    // The whole word is taken so that the numbers after a long name still
    // line up; only its first 19 characters are kept.
    if (!ScanWord(text, std::numeric_limits<std::size_t>::max(), f.name)) return f;
    f.name.resize(std::min(f.name.size(), kMaxNameChars));
    ++f.count;
    int* const box[] = {&f.left, &f.top, &f.width, &f.height};
    for (int* field : box) {
        if (!ScanDecimal(text, *field)) return f;
        ++f.count;
    }
    if (ScanWord(text, kMaxDescriptionChars, f.description)) ++f.count;
    return f;
}
} // namespace

FaceKey::FaceKey(const std::string& descriptor, const StringTable& strings)
    : m_strDescriptor(descriptor) {
    // The scan sees the text up to its first NUL, as the C library would.
    const DescriptorFields f = ScanDescriptor(descriptor.c_str());
    m_bAssignable = f.assignable;
    m_bReserved = f.reserved;
    m_strLabel = strings.Get(IDS_LABEL_PREFIX) + f.name;
    m_strKey = std::string(1, static_cast<char>(f.code & 0xFF));
    if (f.count == 9) {
        m_strDescription = f.description;
        std::replace(m_strDescription.begin(), m_strDescription.end(), '_', ' ');
    }
    // Right and bottom saturate instead of overflowing on absurd sizes.
    m_rect.left = f.left;
    m_rect.top = f.top;
    m_rect.right = ClampToInt(std::int64_t{f.left} + f.width);
    m_rect.bottom = ClampToInt(std::int64_t{f.top} + f.height);
    m_strCommand = strings.Get(IDS_NONE);
    if (m_strDescription.empty()) m_strDescription = m_strCommand;
}
