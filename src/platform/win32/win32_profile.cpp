#include "platform/win32/win32_profile.h"

#include <windows.h>

unsigned Win32Profile::GetSection(const char* section, char* buffer, unsigned size, const char* file) {
    return GetPrivateProfileSectionA(section, buffer, size, file);
}

unsigned Win32Profile::GetInt(const char* section, const char* key, int deflt, const char* file) {
    return GetPrivateProfileIntA(section, key, deflt, file);
}

bool Win32Profile::WriteString(const char* section, const char* key, const char* value, const char* file) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

unsigned Win32Profile::GetSectionNames(char* buffer, unsigned size, const char* file) {
    return GetPrivateProfileSectionNamesA(buffer, size, file);
}

bool Win32Profile::WriteSection(const char* section, const char* lines, const char* file) {
    return WritePrivateProfileSectionA(section, lines, file) != FALSE;
}
