#include "common/value_limit.h"

std::string WithValueLimit(std::string text) {
    const std::size_t at = text.find("%u");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(kMaxValueChars));
    return text;
}
