#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "common/utf8.h"

// The longest command, working directory, description or popup item
// ("title (commands) [directory]") the program takes, in characters as
// Windows counts them: UTF-16 code units.
//
// A command is started by handing it whole to ShellExecuteEx as its file,
// which the shell copies into an internal buffer of INTERNET_MAX_URL_LENGTH
// (2084) characters, its NUL included ("PRB: ShellExecuteEx Limits URL to
// MAX_PATH", KB 263909: "Starting with Shell32.dll version 4.71, this
// internal buffer is expanded to INTERNET_MAX_URL_LENGTH characters"). A
// longer command could not reach the program it names whole, so no value is
// taken longer than that; a popup item holds its commands, so it too fits.
// Values are kept whole up to it and never cut: a longer one is refused
// where it is entered or left out where it is made, and one found in a file
// is read whole and then fails to start, visibly.
constexpr std::size_t kMaxValueChars = 2083;

inline bool FitsValueLimit(std::string_view text) { return Utf16Length(text) <= kMaxValueChars; }

// A message text with its "%u" replaced by the limit.
std::string WithValueLimit(std::string text);
