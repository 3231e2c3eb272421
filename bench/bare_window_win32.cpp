// The yardstick of the start-up benchmark: the least a Win32 window program
// with Kelvane's look does before its window shows a picture. It registers a
// class, creates a window of Kelvane's style and client size with a menu bar
// of the same items, shows it, and answers its first WM_PAINT by drawing one
// bitmap of one colour. Given "-report HWND", it posts the
// QueryPerformanceCounter value at the end of that first paint to HWND
// (WM_APP), so the driver can see how late its own outside probe notices.
#include <windows.h>

#include <cstdlib>

namespace {
constexpr char kTitle[] = "Bare window";
constexpr int kClientWidth = 323; // Kelvane's client area with the built-in face
constexpr int kClientHeight = 138;
constexpr COLORREF kFill = RGB(0, 64, 128);

HWND g_reportTo = nullptr;
bool g_painted = false;

// The client area's picture, drawn from memory like Kelvane's face.
void PaintBitmap(HDC dc, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return;
    // A DIB pixel holds blue in its low byte, a colour value red.
    const DWORD fill = (GetRValue(kFill) << 16) | (GetGValue(kFill) << 8) | GetBValue(kFill);
    auto* pixel = static_cast<DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) pixel[i] = fill;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

// Kelvane's menu bar: its three items, two of them popups.
HMENU MenuBar() {
    HMENU bar = CreateMenu();
    HMENU options = CreatePopupMenu();
    HMENU help = CreatePopupMenu();
    AppendMenuA(options, MF_STRING, 1, "&Always On Top");
    AppendMenuA(help, MF_STRING, 2, "&About ...");
    AppendMenuA(bar, MF_STRING, 3, "&Assignments...");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(options), "&Options");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    return bar;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        PaintBitmap(dc, client.right, client.bottom);
        EndPaint(hwnd, &ps);
        if (!g_painted && g_reportTo) {
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            PostMessageA(g_reportTo, WM_APP, static_cast<WPARAM>(now.QuadPart), 0);
        }
        g_painted = true;
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    const char* report = commandLine ? strstr(commandLine, "-report ") : nullptr;
    if (report)
        g_reportTo = reinterpret_cast<HWND>(static_cast<UINT_PTR>(_strtoui64(report + 8, nullptr, 10)));

    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = "BareWindow";
    if (!RegisterClassA(&wc)) return 1;

    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, style, TRUE, 0);
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, kTitle, style, 150, 100,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                MenuBar(), instance, nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, showCommand);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
