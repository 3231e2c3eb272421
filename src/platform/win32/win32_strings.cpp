#include "platform/win32/win32_strings.h"

#include <windows.h>

bool Win32Strings::Load(unsigned id, std::string& text) const {
    // A string table entry holds at most 4097 characters; ours are far shorter.
    char buffer[1024];
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    if (length <= 0) return false;
    text.assign(buffer, static_cast<std::size_t>(length));
    return true;
}
