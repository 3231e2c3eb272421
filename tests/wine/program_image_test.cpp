// Checks on the built programs themselves, the 32-bit one users copy to Windows included.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/portable/builtin_strings.h"

namespace {
std::string BesideTestBinary(const std::string& relative) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of('\\') + 1) + relative;
}

// The texts of every manifest resource of a program opened as data.
std::vector<std::string> Manifests(HMODULE module) {
    std::vector<std::string> texts;
    EnumResourceNamesA(
        module, MAKEINTRESOURCEA(24), // RT_MANIFEST
        [](HMODULE m, LPCSTR type, LPSTR name, LONG_PTR param) -> BOOL {
            HRSRC found = FindResourceA(m, name, type);
            HGLOBAL data = found ? LoadResource(m, found) : nullptr;
            const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
            if (bytes)
                reinterpret_cast<std::vector<std::string>*>(param)->emplace_back(
                    bytes, SizeofResource(m, found));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&texts));
    return texts;
}
} // namespace

// Settings live in the Windows directory. A program whose manifest declares an
// execution level loses the per-user redirection of those writes on today's
// Windows, so no build may declare one; both carry the whole string table.
TEST(ProgramImage, NoExecutionLevelAndTheFullStringTable) {
    for (const char* relative : {"KLV.exe", "..\\win32\\KLV.exe"}) {
        const std::string path = BesideTestBinary(relative);
        SCOPED_TRACE(path);
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
            ADD_FAILURE() << "program not built";
            continue;
        }
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
        for (const std::string& manifest : Manifests(module))
            EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos) << manifest;

        // Id for id, the texts of the portable table and nothing else.
        BuiltinStrings builtin;
        for (unsigned id = 0; id < 6000; ++id) {
            char text[256] = {};
            const int length = LoadStringA(module, id, text, sizeof text);
            EXPECT_EQ(std::string(text, length > 0 ? length : 0), builtin.Get(id)) << "id " << id;
        }
        FreeLibrary(module);
    }
}
