#pragma once
#include <windows.h>

#include <functional>

#include "platform/ports/asset_port.h"
#include "platform/ports/colour_chooser.h"
#include "platform/ports/window_port.h"

class Win32Desktop : public DesktopPort {
public:
    bool TopLevelWindowOfClassExists(const char* className) override;
    void StartMinimized(const char* commandLine) override;
    void WaitMessage() override;
    void LogOff() override;
};

class Win32Assets : public AssetPort {
public:
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> LoadBitmapResource(const std::string& name) override;
};

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
