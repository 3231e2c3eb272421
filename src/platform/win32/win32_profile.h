#pragma once
#include "platform/ports/profile_port.h"

// The profile calls of kernel32, passed straight through.
class Win32Profile : public ProfilePort {
public:
    unsigned GetSection(const char* section, char* buffer, unsigned size, const char* file) override;
    unsigned GetSectionNames(char* buffer, unsigned size, const char* file) override;
    unsigned GetInt(const char* section, const char* key, int deflt, const char* file) override;
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override;
    bool WriteSection(const char* section, const char* lines, const char* file) override;
};
