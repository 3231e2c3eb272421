#pragma once

// Message box flags, with the values Windows gives them.
enum : unsigned {
    MB_FLAG_OK = 0x0000,
    MB_FLAG_OKCANCEL = 0x0001,
    MB_FLAG_ICONSTOP = 0x0010,
    MB_FLAG_ICONEXCLAMATION = 0x0030,
    MB_FLAG_ICONINFORMATION = 0x0040,
};
