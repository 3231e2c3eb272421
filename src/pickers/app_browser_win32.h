#pragma once
#include <windows.h>

#include <string>

#include "pickers/app_browser.h"

// The Application Browser over the shell's Programs folder, run modally
// over owner; state says the mode and takes the results. Returns IDOK or IDCANCEL.
int RunAppBrowser(HINSTANCE instance, HWND owner, const std::string& caption, AppBrowserState& state);
