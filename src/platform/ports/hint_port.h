#pragma once
#include <string>

#include "common/geometry.h"

// The hint window and what showing it depends on.
class HintPort {
public:
    struct Size {
        int cx = 0, cy = 0;
    };
    struct Point {
        int x = 0, y = 0;
    };

    virtual ~HintPort() = default;
    virtual bool PointerInWindow() = 0;     // anywhere on the main window, frame included
    virtual bool PointerInClientArea() = 0;
    virtual bool IsActiveWindow() = 0;      // the main window is the active window
    virtual Size MeasureHint(const std::string& text) = 0; // in the hint's font
    virtual Point ClientToScreen(Point client) = 0;
    // The screen of the monitor that holds the main window (the primary
    // one's is 0, 0, SM_CXSCREEN, SM_CYSCREEN).
    virtual Rect MonitorArea() = 0;
    // Shows text at (x, y) on the screen, w x h, without activating it.
    virtual void ShowHintAt(const std::string& text, int x, int y, int w, int h) = 0;
    virtual void HideHint() = 0;
};
