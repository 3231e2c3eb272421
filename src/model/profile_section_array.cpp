#include "model/profile_section_array.h"

#include <algorithm>
#include <cstring>

#include "platform/ports/profile_port.h"

CProfileSectionArray::CProfileSectionArray(ProfilePort& profile, const char* section, const char* file) {
    std::vector<char> names(kNamesBufferSize, '\0');
    const unsigned length = profile.GetString(section, nullptr, "", names.data(), kNamesBufferSize, file);
    // Walk only what the call reported, so a list that is not properly ended
    // cannot lead the walk out of the buffer.
    const std::size_t end = std::min<std::size_t>(length, kNamesBufferSize - 1);
    names[end] = '\0';
    char value[kValueBufferSize];
    for (std::size_t at = 0; at < end && names[at] != '\0'; at += std::strlen(&names[at]) + 1) {
        if (profile.GetString(section, &names[at], "", value, kValueBufferSize, file) > 0) {
            value[kValueBufferSize - 1] = '\0';
            push_back(value);
        }
    }
}
