// Checks on the built programs themselves, the 32-bit one users copy to Windows included.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "wine/e2e/klv_process.h"

namespace {
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

// The names a program exports, read from its image mapped as a resource.
std::vector<std::string> ExportedNames(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR{3});
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& table =
        nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
            ? reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt)->OptionalHeader.DataDirectory[0]
            : nt->OptionalHeader.DataDirectory[0];
    std::vector<std::string> names;
    if (table.VirtualAddress == 0) return names;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + table.VirtualAddress);
    const auto* name = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(reinterpret_cast<const char*>(base + name[i]));
    return names;
}
} // namespace

// Settings live in the Windows directory. A program whose manifest declares an
// execution level loses the per-user redirection of those writes on today's
// Windows, so no build may declare one. Both export the DDE callback under
// its plain name and carry the bitmaps (found whatever the case of their
// names), the icon and the cursors. The faces' pixels are checked where the
// window shows them, the string table where the native tests read it.
TEST(ProgramImage, NoExecutionLevelAndTheFullResources) {
    for (const char* relative : {"KLV.exe", "..\\win32\\KLV.exe"}) {
        const std::string path = e2e::TestBinaryDir() + "\\" + relative;
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
        EXPECT_EQ(ExportedNames(module), std::vector<std::string>{"DDECallback"});

        for (const char* name :
             {"FACE0", "face1", "fnkey", "LIST", "LargeU", "LARGED", "SMALLU", "smalld"}) {
            EXPECT_NE(FindResourceA(module, name, MAKEINTRESOURCEA(2)), nullptr) << name; // RT_BITMAP
        }
        EXPECT_EQ(FindResourceA(module, "FACE2", MAKEINTRESOURCEA(2)), nullptr);
        EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(31234), MAKEINTRESOURCEA(14)), nullptr);
        for (int cursor : {110, 122}) // RT_GROUP_CURSOR
            EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(cursor), MAKEINTRESOURCEA(12)), nullptr);
        FreeLibrary(module);
    }
}
