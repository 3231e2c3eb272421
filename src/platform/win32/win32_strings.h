#pragma once
#include "platform/ports/string_table.h"

// The string table compiled into the program's resources.
class Win32Strings : public StringTable {
public:
    bool Load(unsigned id, std::string& text) const override;
};
