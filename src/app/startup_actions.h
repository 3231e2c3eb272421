#pragma once
#include "app/command_line.h"

class DesktopPort;
class StartupPort;

// Carries out the command line's one-shot actions in their order. Returns
// true when start-up goes on to make the window, false when it ends here
// (after "-cwd", or when "-play" or "-vol" set the stop flag).
bool RunStartupActions(const StartupOptions& options, StartupPort& port, DesktopPort& desktop);
