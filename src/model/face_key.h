#pragma once
#include <cstdint>
#include <string>

#include "common/geometry.h"

class StringTable;

// One key of the face, built from a key descriptor
// "code assignable reserved name left top width height [description]".
struct FaceKey {
    FaceKey(const std::string& descriptor, const StringTable& strings);

    Rect m_rect;                    // face pixels, already scaled
    std::string m_strKey;           // one character: low byte of the key code
    std::string m_strLabel;         // "Fn-" + name; also the key's profile entry name
    std::string m_strCommand;       // "none", "@" + list name, or a command text
    std::string m_strDirectory;     // working directory of the assignment
    std::string m_strDescription;   // descriptor's ninth field, then the assignment's
    int m_bAssignable = 0;
    int m_bAssigned = 0;
    int m_bReserved = 0;
    std::uint32_t m_nKeyOptions = 0; // KEY_SWITCHTO, KEY_DISABLED
    std::string m_strDescriptor;    // the descriptor text the key was built from
};
