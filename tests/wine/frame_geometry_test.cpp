// The main window's geometry on Wine's one monitor: the hint and the popup
// list measure their thirds and halves on the screen of the monitor holding
// the window or the pointer, which with one monitor is the primary screen of
// SM_CXSCREEN x SM_CYSCREEN, as before. The rules on several monitors are
// proved natively (frame_test, Monitors.*); Fn+Tab's corners end to end in
// klv_launch_test.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/frame_window_win32.h"
#include "app/keyboard_frame.h"
#include "app/launcher_app.h"
#include "platform/win32/win32_adapters.h"
#include "wine/e2e/klv_process.h"

namespace {
TEST(FrameWindow, OneMonitorIsThePrimaryScreen) {
    ASSERT_TRUE(e2e::PrepareWindowsDir());
    FrameWindow window(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    Win32Adapters adapters(GetModuleHandleA(nullptr), window);
    const auto frame = CLauncherApp(adapters.Ports(), adapters.startup).InitInstance("");
    ASSERT_NE(frame, nullptr);
    const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_EQ(window.Hint().MonitorArea(), screen);
    POINT at{};
    ASSERT_TRUE(GetCursorPos(&at));
    const PointerOnScreen pointer = window.Menus().Pointer();
    EXPECT_EQ(pointer.x, at.x);
    EXPECT_EQ(pointer.y, at.y);
    EXPECT_EQ(pointer.monitor, screen);
    e2e::RemoveKelvaneFiles();
}
} // namespace
