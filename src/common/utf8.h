#pragma once
#include <string_view>

// Whether text is well-formed UTF-8 (RFC 3629): no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut short. Plain ASCII is.
bool IsUtf8(std::string_view text);
