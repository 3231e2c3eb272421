#include "wine/e2e/klv_process.h"

#include "model/face_key.h"
#include "platform/portable/builtin_strings.h"
#include "platform/win32/win32_text.h"

#include <objbase.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <type_traits>
#include <utility>
#include <vector>

namespace e2e {
namespace {

// A handle that is released by the given function however the scope is left.
template <typename Handle, typename Release> auto Owned(Handle handle, Release release) {
    return std::unique_ptr<std::remove_pointer_t<Handle>, Release>(handle, release);
}

// A top-level window of the process with exactly the given title.
HWND FindProcessWindow(DWORD processId, const std::string& title) {
    for (HWND hwnd = FindWindowExA(nullptr, nullptr, nullptr, title.c_str()); hwnd;
         hwnd = FindWindowExA(nullptr, hwnd, nullptr, title.c_str())) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == processId) return hwnd;
    }
    return nullptr;
}

} // namespace

std::string TestBinaryDir() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file = path;
    return file.substr(0, file.find_last_of('\\'));
}

std::string WindowsDir() {
    char path[MAX_PATH] = "";
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

void RemoveKelvaneFiles() {
    for (const char* name :
         {"kelvane.ini", "kelvane.prg", "kelvane.cfg", "kelvane.fac", "kelvane.key", "klvcfg.log",
          "klvlaunch.log", "progman.bin"})
        DeleteFileA(WindowsFilePath(name).c_str());
    DeleteFileA((TestBinaryDir() + "\\klvcfg.dll").c_str());
}

::testing::AssertionResult PrepareWindowsDir(const std::map<std::string, std::string>& files) {
    RemoveKelvaneFiles();
    for (const auto& [name, bytes] : files) {
        std::ofstream out(WindowsFilePath(name), std::ios::binary | std::ios::trunc);
        out << bytes;
        out.close();
        if (!out) return ::testing::AssertionFailure() << "cannot write " << name;
    }
    return ::testing::AssertionSuccess();
}

std::optional<std::string> ReadWindowsFile(const std::string& name) {
    std::ifstream in(WindowsFilePath(name), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> WaitForLaunches(std::size_t count, int waitMs) {
    const auto log = [] {
        std::vector<std::string> started;
        std::istringstream lines(ReadWindowsFile("klvlaunch.log").value_or(""));
        for (std::string line; std::getline(lines, line);)
            if (!line.empty() && line.back() == '\r') started.push_back(line.substr(0, line.size() - 1));
        return started;
    };
    for (int i = 0; i < waitMs / 25 && log().size() < count; ++i) Sleep(25);
    Sleep(200); // and no more than that
    return log();
}

std::string Stored(const std::string& section, const std::string& key) {
    char value[256] = "";
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "<absent>", value, sizeof value,
                             "kelvane.ini");
    return value;
}

bool SaveShortcut(const std::string& path, const char* target, const char* arguments,
                  const char* directory) {
    Microsoft::WRL::ComPtr<IShellLinkA> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(link.GetAddressOf()))) ||
        FAILED(link.As(&file)))
        return false;
    link->SetPath(target);
    link->SetArguments(arguments);
    link->SetWorkingDirectory(directory);
    return SUCCEEDED(file->Save(WideFrom(path).data(), TRUE));
}

std::string TextOf(HWND window) {
    char text[256] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string TextsOf(HWND dialog, std::initializer_list<int> items) {
    std::string texts;
    const char* separator = "";
    for (int item : items) texts += std::exchange(separator, "|") + TextOf(GetDlgItem(dialog, item));
    return texts;
}

HWND VisibleMenu() {
    for (int i = 0; i < 200; ++i, Sleep(25))
        for (HWND menu = nullptr; (menu = FindWindowExA(nullptr, menu, "#32768", nullptr));)
            if (IsWindowVisible(menu)) return menu;
    return nullptr;
}

std::map<std::string, Rect> BuiltInKeys() {
    std::map<std::string, Rect> keys;
    const BuiltinStrings strings; // face 0's descriptors are strings 5000 to 5099
    std::string descriptor;
    for (unsigned id = 5000; id < 5100; ++id)
        if (strings.Load(id, descriptor)) {
            const FaceKey key(descriptor, strings);
            keys[key.m_strLabel.substr(3)] = key.m_rect; // after "Fn-"
        }
    return keys;
}

::testing::AssertionResult KlvProcess::Start(const std::string& arguments) {
    auto launched = Launch(arguments);
    if (!launched) return launched;
    window_ = WaitForTopLevelWindow("Kelvane");
    if (!window_) return ::testing::AssertionFailure() << program_ << " " << arguments << ": no window";
    if (WaitForInputIdle(process_.get(), kTimeoutMs) != 0)
        return ::testing::AssertionFailure() << program_ << " did not become idle";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KlvProcess::Launch(const std::string& arguments) {
    Stop();
    const std::string exe = program_.find(':') != std::string::npos ? program_ : TestBinaryDir() + "\\" + program_;
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return ::testing::AssertionFailure() << "cannot start " << commandLine << " (error "
                                             << GetLastError() << ")";
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
    return ::testing::AssertionSuccess();
}

HWND KlvProcess::WaitForTopLevelWindow(const std::string& title, DWORD timeoutMs) const {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;; Sleep(50)) {
        if (HWND found = FindProcessWindow(processId_, title)) return found;
        if (!IsRunning() || GetTickCount64() >= deadline) return nullptr;
    }
}

::testing::AssertionResult KlvProcess::WaitForExit() {
    if (!process_ || WaitForSingleObject(process_.get(), kTimeoutMs) != WAIT_OBJECT_0)
        return ::testing::AssertionFailure() << program_ << " did not end";
    window_ = nullptr;
    DWORD code = 1;
    GetExitCodeProcess(process_.get(), &code);
    if (code != 0) return ::testing::AssertionFailure() << program_ << " ended with code " << code;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KlvProcess::Close() {
    if (!Post(WM_CLOSE)) return ::testing::AssertionFailure() << "WM_CLOSE not posted";
    return WaitForExit();
}

void KlvProcess::Stop() {
    if (IsRunning() && !(window_ && Close())) {
        TerminateProcess(process_.get(), 1);
        WaitForExit();
    }
    process_.reset();
    window_ = nullptr;
}

bool KlvProcess::IsRunning() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool KlvProcess::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    return window_ && PostMessageA(window_, message, wParam, lParam);
}

bool KlvProcess::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR reply = 0;
    return window_ &&
           SendMessageTimeoutA(window_, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &reply);
}

RECT KlvProcess::ClientRectOnScreen() const {
    RECT rect{};
    GetClientRect(window_, &rect);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<std::uint32_t> CapturePixels(HWND window, const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return {};
    auto source = Owned(GetDC(window), [window](HDC dc) { ReleaseDC(window, dc); });
    auto memory = Owned(CreateCompatibleDC(source.get()), DeleteDC);
    auto bitmap = Owned(CreateCompatibleBitmap(source.get(), width, height), DeleteObject);
    if (!source || !memory || !bitmap) return {};
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    const bool copied =
        BitBlt(memory.get(), 0, 0, width, height, source.get(), area.left, area.top, SRCCOPY);
    SelectObject(memory.get(), old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    if (!copied || GetDIBits(memory.get(), bitmap.get(), 0, height, pixels.data(), &info,
                             DIB_RGB_COLORS) != height)
        return {};
    return pixels;
}

int DisplayDpi() {
    auto screen = Owned(GetDC(nullptr), [](HDC dc) { ReleaseDC(nullptr, dc); });
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

} // namespace e2e
