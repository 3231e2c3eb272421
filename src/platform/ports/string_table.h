#pragma once
#include <string>

// The program's string resources, addressed by number.
class StringTable {
public:
    virtual ~StringTable() = default;

    // Fills text and returns true when the table holds a string with that id.
    virtual bool Load(unsigned id, std::string& text) const = 0;

    // The string with that id, or an empty text when there is none.
    std::string Get(unsigned id) const {
        std::string text;
        Load(id, text);
        return text;
    }
};
