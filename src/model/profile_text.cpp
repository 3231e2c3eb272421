#include "model/profile_text.h"

#include <algorithm>
#include <vector>

#include "platform/ports/profile_port.h"

std::string ReadProfileText(ProfilePort& profile, const char* section, const char* key,
                            const char* deflt, unsigned bufferSize, const char* file) {
    std::vector<char> buffer(bufferSize, '\0');
    const unsigned copied =
        profile.GetString(section, key, deflt, buffer.data(), bufferSize, file);
    // Trust neither the count nor the terminator beyond the buffer.
    const std::size_t length = std::min<std::size_t>(copied, bufferSize ? bufferSize - 1 : 0);
    return std::string(buffer.data(), std::find(buffer.data(), buffer.data() + length, '\0'));
}
