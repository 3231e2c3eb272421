#pragma once
#include <windows.h>

#include <functional>

#include "platform/ports/colour_chooser.h"

// The colour dialog with the program's own template "ChooseColor".
class Win32ColourChooser : public ColourChooser {
public:
    Win32ColourChooser(HINSTANCE instance, std::function<HWND()> owner)
        : m_instance(instance), m_owner(std::move(owner)) {}
    bool Choose(Colour initial, Colour& chosen) override;

private:
    HINSTANCE m_instance;
    std::function<HWND()> m_owner; // the main window, once it exists
    COLORREF m_custom[16] = {};
};
