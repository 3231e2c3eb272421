#include "platform/win32/win32_text.h"

#include <climits>

std::vector<wchar_t> WideFrom(const std::string& text, UINT codePage) {
    const int size = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0) return std::vector<wchar_t>(1, L'\0');
    std::vector<wchar_t> wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.c_str(), -1, wide.data(), size);
    return wide;
}

std::string NarrowFrom(const wchar_t* wide, int length, UINT codePage) {
    int size = WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide, length, &narrow[0], size, nullptr, nullptr);
    if (length < 0) narrow.pop_back(); // the NUL it converted
    return narrow;
}

std::optional<std::string> Recode(const std::string& text, UINT from, UINT to) {
    if (text.empty()) return std::string();
    if (text.size() > INT_MAX / 4) return std::nullopt;
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) return std::nullopt;
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
    MultiByteToWideChar(from, 0, text.data(), length, wide.data(), wideLength);
    std::string result = NarrowFrom(wide.data(), wideLength, to);
    if (result.empty()) return std::nullopt;
    return result;
}
