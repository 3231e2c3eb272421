#include "common/value_limit.h"

std::size_t Utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size();) {
        // The length its first byte announces; ASCII, a continuation byte and
        // a byte that begins no sequence (C0, C1, F5 to FF) stand alone.
        const unsigned char lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0xC2   ? 1
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 1;
        std::size_t next = at + 1;
        const auto continues = [&] { return (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80; };
        while (next < at + length && next < text.size() && continues()) ++next;
        const bool whole = next == at + length;
        units += whole && length == 4 ? 2 : 1;
        at = whole ? next : at + 1;
    }
    return units;
}

std::string WithValueLimit(std::string text) {
    const std::size_t at = text.find("%u");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(kMaxValueChars));
    return text;
}
