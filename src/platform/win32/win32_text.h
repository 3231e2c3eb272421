#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Text between the program's code page (the "A" calls': UTF-8 where the
// manifest can make it so) and the wide text of the "W" calls and the shell.
// Vectors, not std::wstring: its library code would be the only copy of it in
// the program.

// A NUL-terminated wide copy of text, taken in codePage.
std::vector<wchar_t> WideFrom(const std::string& text, UINT codePage = CP_ACP);

// wide (length characters, -1: up to its NUL) in codePage; empty when it
// cannot be converted.
std::string NarrowFrom(const wchar_t* wide, int length = -1, UINT codePage = CP_ACP);

// text, taken in one code page, in another; nothing when it cannot be read.
std::optional<std::string> Recode(const std::string& text, UINT from, UINT to);
