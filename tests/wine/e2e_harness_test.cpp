// The end-to-end harness against the real KLV.exe: it must find the right
// window, read what is on it, and never leave a KLV.exe running.
#include <gtest/gtest.h>

#include <optional>

#include "wine/e2e/klv_process.h"

namespace {

using e2e::KlvTest;

// A handle that outlives the KlvProcess, to see whether its process ended.
struct Watch {
    HANDLE process;
    explicit Watch(DWORD id) : process(OpenProcess(SYNCHRONIZE, FALSE, id)) {}
    ~Watch() {
        if (process) CloseHandle(process);
    }
    bool Ended() const { return process && WaitForSingleObject(process, 5000) == WAIT_OBJECT_0; }
};

TEST_F(KlvTest, StartFindsTheMainWindowOfTheStartedProcess) {
    ASSERT_TRUE(klv.Start());
    ASSERT_NE(klv.Window(), nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(klv.Window(), &owner);
    EXPECT_EQ(owner, klv.ProcessId());
    EXPECT_EQ(klv.WindowText(), "Kelvane");
    EXPECT_TRUE(IsWindowVisible(klv.Window()));
    EXPECT_EQ(klv.ExitCode(), STILL_ACTIVE);

    const RECT client = klv.ClientRectOnScreen();
    EXPECT_GT(client.right, client.left);
    EXPECT_GT(client.bottom, client.top);

    LRESULT length = 0;
    ASSERT_TRUE(klv.Send(WM_GETTEXTLENGTH, 0, 0, &length));
    EXPECT_EQ(length, 7);
}

TEST_F(KlvTest, CloseEndsTheProgramWithCodeZero) {
    ASSERT_TRUE(klv.Start());
    ASSERT_TRUE(klv.Close());
    EXPECT_FALSE(klv.IsRunning());
    EXPECT_EQ(klv.ExitCode(), 0u);
    EXPECT_FALSE(e2e::AnyKelvaneWindow());
}

TEST_F(KlvTest, PreparedFilesAreInTheWindowsDirectoryAndStaleOnesAreGone) {
    ASSERT_TRUE(e2e::WriteWindowsFile("kelvane.prg", "[Stale]\r\n"));
    const std::string cfg = "[files]\r\nface=other.fac\r\n";
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.cfg", cfg}}));
    ASSERT_TRUE(klv.Start());

    EXPECT_EQ(e2e::ReadWindowsFile("kelvane.cfg"), cfg);
    EXPECT_EQ(e2e::ReadProfileString("kelvane.cfg", "files", "face"), "other.fac");
    EXPECT_EQ(e2e::ReadWindowsFile("kelvane.prg"), std::nullopt);
}

// The window's device context, read from this process, shows the same pixels
// as the screen at the client area's place.
TEST_F(KlvTest, ClientCaptureShowsWhatIsOnTheScreen) {
    ASSERT_TRUE(klv.Start());
    SetForegroundWindow(klv.Window());
    const RECT client = klv.ClientRectOnScreen();
    const e2e::Capture capture = klv.CaptureClient();
    ASSERT_EQ(capture.width, client.right - client.left);
    ASSERT_EQ(capture.height, client.bottom - client.top);

    HDC screen = GetDC(nullptr);
    const POINT samples[] = {
        {0, 0}, {capture.width / 2, capture.height / 2}, {capture.width - 1, capture.height - 1}};
    for (const POINT& p : samples) {
        EXPECT_EQ(capture.At(p.x, p.y), klv.ClientPixel(p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(capture.At(p.x, p.y), GetPixel(screen, client.left + p.x, client.top + p.y))
            << p.x << "," << p.y;
    }
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(capture.At(capture.width, 0), CLR_INVALID);
}

TEST_F(KlvTest, StopEndsTheProgramEvenBeforeItHasAWindow) {
    {
        e2e::KlvProcess early;
        ASSERT_TRUE(early.Launch());
        early.Stop();
        EXPECT_FALSE(early.IsRunning());
    }
    std::optional<e2e::KlvProcess> scoped;
    scoped.emplace();
    ASSERT_TRUE(scoped->Start());
    Watch watch(scoped->ProcessId());
    ASSERT_NE(watch.process, nullptr);
    scoped.reset(); // destroyed while its window is open
    EXPECT_TRUE(watch.Ended());
    EXPECT_FALSE(e2e::AnyKelvaneWindow());
}

// The configuration library the start-up tests place beside KLV.exe exports
// CheckCfg under its plain name and logs each call with its argument.
TEST(KlvCfgHelper, LogsEachCallWithTheDebugFlag) {
    e2e::RemoveKelvaneFiles();
    HMODULE library = LoadLibraryA(e2e::HelperPath("klvcfg.dll").c_str());
    ASSERT_NE(library, nullptr);
    using CheckCfg = int(__stdcall*)(int);
    auto check = reinterpret_cast<CheckCfg>(GetProcAddress(library, "CheckCfg"));
    ASSERT_NE(check, nullptr);
    check(1);
    check(0);
    FreeLibrary(library);
    EXPECT_EQ(e2e::ReadWindowsFile("klvcfg.log"), "CheckCfg 1\r\nCheckCfg 0\r\n");
    e2e::RemoveKelvaneFiles();
}

} // namespace
