#pragma once
#include <cstdint>
#include <string>

// Decimal integers read from untrusted text the way the C library's "%d"
// conversion and atoi read them, but with a defined result for values beyond
// the range of int: they saturate at INT_MIN or INT_MAX.

// Skips white space, takes an optional sign and at least one digit. On success
// advances text past what it took and returns true; when no digit follows it
// returns false and leaves text where it was.
bool ScanDecimal(const char*& text, int& value);

// Skips white space and takes up to maxChars characters of the following word
// (a run of non-blank characters). Returns false when no word follows.
bool ScanWord(const char*& text, std::size_t maxChars, std::string& word);

// The leading decimal of text, or 0 when there is none (atoi).
int LeadingDecimal(const char* text);

// A 64-bit intermediate result brought back into the range of int.
int ClampToInt(std::int64_t value);
