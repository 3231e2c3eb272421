#pragma once
#include "platform/ports/string_table.h"

// The string table compiled from resources/strings.def, the same source the
// Windows resource script uses.
class BuiltinStrings : public StringTable {
public:
    bool Load(unsigned id, std::string& text) const override;
};
