// The main window built in this process exactly as KLV.exe builds it, to hand
// it what another process cannot: a file dropped on the face, as the shell
// hands it over, opens the command dialog for the key under it with the
// file's three texts and without its browse buttons.
#include <windows.h>

#include <shlobj.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "app/frame_window_win32.h"
#include "app/keyboard_frame.h"
#include "app/launcher_app.h"
#include "common/dialog_ids.h"
#include "platform/win32/win32_adapters.h"
#include "wine/e2e/klv_process.h"

namespace {

TEST(FrameWindow, DroppedFileOpensTheCommandDialogWithoutBrowseButtons) {
    ASSERT_TRUE(e2e::PrepareWindowsDir());
    FrameWindow window(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    Win32Adapters adapters(GetModuleHandleA(nullptr), window);
    const auto frame = CLauncherApp(adapters.Ports(), adapters.startup).InitInstance("");
    ASSERT_NE(frame, nullptr);
    const char path[] = "C:\\TOOLS\\NOTEPAD.EXE";
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof path + 1);
    ASSERT_NE(drop, nullptr);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->pt = {35, 52}; // on Q
    std::memcpy(files + 1, path, sizeof path);
    GlobalUnlock(drop);
    // Another thread reads the dialog while this one runs its modal loop, then cancels it.
    std::string seen;
    std::thread reader([&seen] {
        HWND dialog = nullptr;
        for (int i = 0; i < 200 && !(dialog && IsWindowVisible(dialog)); ++i, Sleep(25))
            dialog = FindWindowA(nullptr, "Add /Edit Command");
        seen = e2e::TextsOf(dialog, {IDC_KEY_NAME, IDC_COMMAND_LINE, IDC_WORKING_DIRECTORY, IDC_DESCRIPTION});
        for (int button : {IDC_BROWSE, IDC_APPLICATIONS})
            if (IsWindowVisible(GetDlgItem(dialog, button))) seen += " and a browse button";
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    SendMessageA(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    reader.join();
    EXPECT_EQ(seen, "Fn-Q|C:\\TOOLS\\NOTEPAD.EXE|C:\\TOOLS|Notepad");
    e2e::RemoveKelvaneFiles();
}
} // namespace
