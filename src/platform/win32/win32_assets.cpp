#include "platform/win32/win32_assets.h"

#include <windows.h>

std::optional<std::vector<std::uint8_t>> Win32Assets::ReadFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::vector<std::uint8_t>> result;
    LARGE_INTEGER size{};
    // A face file is a few kilobytes; anything past 64 MB is not one.
    if (GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart <= (64 << 20)) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (bytes.empty() ||
            ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
            bytes.resize(read);
            result = std::move(bytes);
        }
    }
    CloseHandle(file);
    return result;
}

std::optional<std::vector<std::uint8_t>> Win32Assets::LoadBitmapResource(const std::string& name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(2)); // RT_BITMAP
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!data) return std::nullopt;
    return std::vector<std::uint8_t>(data, data + SizeofResource(module, found));
}
