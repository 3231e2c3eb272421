// A key descriptor of arbitrary bytes always builds a key within the limits
// of its format.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/face_key.h"
#include "platform/portable/builtin_strings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const BuiltinStrings strings;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const FaceKey key(text, strings);
    const bool withinLimits = key.m_strKey.size() == 1 && key.m_strLabel.rfind("Fn-", 0) == 0 &&
                              key.m_strLabel.size() <= 3 + 19 &&
                              !key.m_strDescription.empty() && key.m_strDescription.size() <= 35 &&
                              key.m_strCommand == "none" && key.m_strDescriptor == text;
    if (!withinLimits) __builtin_trap();
    return 0;
}
