#include "common/decimal.h"

#include <climits>

namespace {
// The C locale's white space, independent of the current locale.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const char* SkipBlanks(const char* text) {
    while (IsBlank(*text)) ++text;
    return text;
}
} // namespace

bool ScanDecimal(const char*& text, int& value) {
    const char* p = SkipBlanks(text);
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p < '0' || *p > '9') return false;
    // Accumulate as a negative number so INT_MIN fits; stop growing once past
    // the range of int, but keep consuming the digits.
    std::int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (magnitude <= std::int64_t{INT_MAX} + 1) magnitude = magnitude * 10 + (*p - '0');
    value = ClampToInt(negative ? -magnitude : magnitude);
    text = p;
    return true;
}

bool ScanWord(const char*& text, std::size_t maxChars, std::string& word) {
    const char* p = SkipBlanks(text);
    const char* start = p;
    while (*p != '\0' && !IsBlank(*p) && static_cast<std::size_t>(p - start) < maxChars) ++p;
    if (p == start) return false;
    word.assign(start, p);
    text = p;
    return true;
}

int LeadingDecimal(const char* text) {
    int value = 0;
    return ScanDecimal(text, value) ? value : 0;
}

int ClampToInt(std::int64_t value) {
    if (value < INT_MIN) return INT_MIN;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}
