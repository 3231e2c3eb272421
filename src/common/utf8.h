#pragma once
#include <cstddef>
#include <string_view>

// Whether text is well-formed UTF-8 (RFC 3629): no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut short. Plain ASCII is.
bool IsUtf8(std::string_view text);

// The UTF-16 code units of text, which is UTF-8 (the program's code page):
// one for each character, two for one beyond U+FFFF; a byte that begins no
// well-formed sequence counts one, as the U+FFFD that MultiByteToWideChar
// puts in its place ("replaces illegal sequences with U+FFFD",
// learn.microsoft.com, MultiByteToWideChar, MB_ERR_INVALID_CHARS).
std::size_t Utf16Length(std::string_view text);
