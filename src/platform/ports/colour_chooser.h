#pragma once
#include "common/geometry.h"

// The platform's colour dialog, opened modally over the main window.
class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    // Starts at initial; returns true and fills chosen when the user presses OK.
    virtual bool Choose(Colour initial, Colour& chosen) = 0;
};
