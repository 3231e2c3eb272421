#include "wine/e2e/klv_process.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <type_traits>

namespace e2e {
namespace {

constexpr const char* kTitle = "Kelvane";
constexpr DWORD kPollMs = 50;

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string Join(const std::string& dir, const std::string& name) {
    return dir + "\\" + name;
}

std::string ErrorText(const std::string& what) {
    std::ostringstream text;
    text << what << " (error " << GetLastError() << ")";
    return text.str();
}

::testing::AssertionResult CopyInto(const std::string& source, const std::string& target) {
    if (CopyFileA(source.c_str(), target.c_str(), FALSE)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ErrorText("cannot copy " + source + " to " + target);
}

// A top-level window of the process with exactly the given title.
HWND FindProcessWindow(DWORD processId, const std::string& title) {
    struct Search {
        DWORD processId;
        const std::string* title;
        HWND found;
    } search{processId, &title, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner != s->processId) return TRUE;
            char text[256] = "";
            GetWindowTextA(hwnd, text, sizeof text);
            if (*s->title != text) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Releases a screen device context however the scope is left.
struct WindowDc {
    HWND hwnd;
    HDC dc;
    explicit WindowDc(HWND window) : hwnd(window), dc(GetDC(window)) {}
    ~WindowDc() {
        if (dc) ReleaseDC(hwnd, dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
};

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

} // namespace

// --- Files ---

std::string TestBinaryDir() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return DirectoryOf(path);
}

std::string KlvExePath() {
    return Join(TestBinaryDir(), "KLV.exe");
}

std::string HelperPath(const std::string& name) {
    return Join(Join(TestBinaryDir(), "helpers"), name);
}

std::string WindowsDir() {
    char path[MAX_PATH] = "";
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

std::string WindowsFilePath(const std::string& name) {
    return Join(WindowsDir(), name);
}

void RemoveKelvaneFiles() {
    for (const char* name : {"kelvane.ini", "kelvane.prg", "kelvane.cfg", "kelvane.fac",
                             "kelvane.key", "klvcfg.dll", "klvcfg.log"}) {
        DeleteFileA(WindowsFilePath(name).c_str());
    }
    DeleteFileA(Join(TestBinaryDir(), "klvcfg.dll").c_str());
}

::testing::AssertionResult PrepareWindowsDir(const std::map<std::string, std::string>& files) {
    RemoveKelvaneFiles();
    for (const auto& [name, bytes] : files) {
        auto written = WriteWindowsFile(name, bytes);
        if (!written) return written;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult WriteWindowsFile(const std::string& name, const std::string& bytes) {
    const std::string path = WindowsFilePath(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cannot write " << path;
}

std::optional<std::string> ReadWindowsFile(const std::string& name) {
    std::ifstream in(WindowsFilePath(name), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& deflt) {
    char value[1024] = "";
    GetPrivateProfileStringA(section.c_str(), key.c_str(), deflt.c_str(), value, sizeof value,
                             file.c_str());
    return value;
}

::testing::AssertionResult CopyBesideKlv(const std::string& source, const std::string& name) {
    return CopyInto(source, Join(TestBinaryDir(), name));
}

::testing::AssertionResult CopyToWindowsDir(const std::string& source, const std::string& name) {
    return CopyInto(source, WindowsFilePath(name));
}

bool AnyKelvaneWindow() {
    return FindWindowA(nullptr, kTitle) != nullptr;
}

// --- Pixels ---

COLORREF Capture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// --- The process ---

KlvProcess::~KlvProcess() {
    Stop();
    Release();
}

void KlvProcess::Release() {
    if (process_) CloseHandle(process_);
    process_ = nullptr;
    processId_ = 0;
    window_ = nullptr;
    exitCode_ = STILL_ACTIVE;
}

::testing::AssertionResult KlvProcess::Start(const std::string& arguments,
                                             const std::string& workingDir) {
    auto launched = Launch(arguments, workingDir);
    if (!launched) return launched;
    return WaitForWindow();
}

::testing::AssertionResult KlvProcess::Launch(const std::string& arguments,
                                              const std::string& workingDir) {
    Stop();
    Release();
    const std::string exe = KlvExePath();
    std::string commandLine = "\"" + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &info)) {
        return ::testing::AssertionFailure() << ErrorText("cannot start " + commandLine);
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KlvProcess::WaitForWindow(DWORD timeoutMs) {
    if (!process_) return ::testing::AssertionFailure() << "KLV.exe was not started";
    window_ = WaitForTopLevelWindow(kTitle, timeoutMs);
    if (!window_) {
        if (!IsRunning()) {
            return ::testing::AssertionFailure()
                   << "KLV.exe ended with code " << ExitCode() << " without a window";
        }
        return ::testing::AssertionFailure()
               << "no window \"" << kTitle << "\" within " << timeoutMs << " ms";
    }
    if (WaitForInputIdle(process_, timeoutMs) != 0) {
        return ::testing::AssertionFailure() << "KLV.exe did not become idle";
    }
    return ::testing::AssertionSuccess();
}

HWND KlvProcess::WaitForTopLevelWindow(const std::string& title, DWORD timeoutMs) const {
    if (!process_) return nullptr;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND found = FindProcessWindow(processId_, title)) return found;
        if (!IsRunning() || GetTickCount64() >= deadline) return nullptr;
        Sleep(kPollMs);
    }
}

::testing::AssertionResult KlvProcess::WaitForExit(DWORD timeoutMs) {
    if (!process_) return ::testing::AssertionFailure() << "KLV.exe was not started";
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
        return ::testing::AssertionFailure() << "KLV.exe still runs after " << timeoutMs << " ms";
    }
    GetExitCodeProcess(process_, &exitCode_);
    window_ = nullptr;
    return ::testing::AssertionSuccess();
}

bool KlvProcess::IsRunning() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD KlvProcess::ExitCode() const {
    DWORD code = exitCode_;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
}

bool KlvProcess::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    return window_ && PostMessageA(window_, message, wParam, lParam);
}

bool KlvProcess::Send(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                      DWORD timeoutMs) const {
    DWORD_PTR reply = 0;
    if (!window_ || !SendMessageTimeoutA(window_, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                         timeoutMs, &reply)) {
        return false;
    }
    if (result) *result = static_cast<LRESULT>(reply);
    return true;
}

bool KlvProcess::PostCommand(WORD id, LPARAM lParam) const {
    return Post(WM_COMMAND, id, lParam);
}

bool KlvProcess::PostRegistered(const char* name, WPARAM wParam, LPARAM lParam) const {
    return Post(RegisterWindowMessageA(name), wParam, lParam);
}

bool KlvProcess::SendRegistered(const char* name, WPARAM wParam, LPARAM lParam,
                                LRESULT* result) const {
    return Send(RegisterWindowMessageA(name), wParam, lParam, result);
}

RECT KlvProcess::ClientRectOnScreen() const {
    RECT rect{};
    if (!window_ || !GetClientRect(window_, &rect)) return RECT{};
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    MapWindowPoints(window_, nullptr, corners, 2);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

bool KlvProcess::HasMenu() const {
    return window_ && GetMenu(window_) != nullptr;
}

std::string KlvProcess::WindowText() const {
    char text[256] = "";
    if (window_) GetWindowTextA(window_, text, sizeof text);
    return text;
}

Capture KlvProcess::CaptureClient() const {
    Capture capture;
    RECT client{};
    if (!window_ || !GetClientRect(window_, &client)) return capture;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return capture;

    WindowDc source(window_);
    std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> memory(CreateCompatibleDC(source.dc));
    if (!source.dc || !memory) return capture;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    std::unique_ptr<void, ObjectDeleter> bitmap(
        CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return capture;
    HGDIOBJ old = SelectObject(memory.get(), static_cast<HGDIOBJ>(bitmap.get()));
    const bool copied = BitBlt(memory.get(), 0, 0, width, height, source.dc, 0, 0, SRCCOPY);
    GdiFlush();
    SelectObject(memory.get(), old);
    if (!copied) return capture;

    const auto* first = static_cast<const std::uint32_t*>(bits);
    capture.width = width;
    capture.height = height;
    capture.pixels.assign(first, first + static_cast<std::size_t>(width) * height);
    for (auto& pixel : capture.pixels)
        pixel &= 0x00FFFFFF;
    return capture;
}

COLORREF KlvProcess::ClientPixel(int x, int y) const {
    if (!window_) return CLR_INVALID;
    WindowDc dc(window_);
    return dc.dc ? GetPixel(dc.dc, x, y) : CLR_INVALID;
}

::testing::AssertionResult KlvProcess::Close(DWORD timeoutMs) {
    if (!IsRunning()) return ::testing::AssertionFailure() << "KLV.exe does not run";
    if (!window_) return ::testing::AssertionFailure() << "KLV.exe has no window to close";
    if (!Post(WM_CLOSE)) return ::testing::AssertionFailure() << ErrorText("WM_CLOSE not posted");
    return WaitForExit(timeoutMs);
}

void KlvProcess::Stop(DWORD closeTimeoutMs) {
    if (!IsRunning()) return;
    if (window_ && Close(closeTimeoutMs)) return;
    TerminateProcess(process_, 1);
    WaitForExit(kExitTimeoutMs);
}

void KlvTest::SetUp() {
    ASSERT_TRUE(PrepareWindowsDir());
}

void KlvTest::TearDown() {
    klv.Stop();
    RemoveKelvaneFiles();
}

} // namespace e2e
