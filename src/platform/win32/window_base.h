#pragma once
#include <windows.h>

// The base of our windows: the window procedure of a class registered with
// Register finds the object given to Create (stored at WM_NCCREATE) and
// forwards every message to its HandleMessage.
class WindowBase {
public:
    // A window still open when its object goes is destroyed without reaching
    // the object, whose derived part is already gone.
    virtual ~WindowBase() {
        if (!m_hwnd) return;
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND Handle() const { return m_hwnd; }

protected:
    WindowBase() = default;

    // Registers the class once; wc's procedure and class name are filled in.
    static bool Register(WNDCLASSA wc, const char* className) {
        WNDCLASSA existing;
        if (GetClassInfoA(wc.hInstance, className, &existing)) return true;
        wc.lpfnWndProc = Procedure;
        wc.lpszClassName = className;
        return RegisterClassA(&wc) != 0;
    }
    bool Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menu, HINSTANCE instance) {
        CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu,
                        instance, this);
        return m_hwnd != nullptr;
    }
    // Messages not handled go to DefWindowProcA.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(m_hwnd, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->m_hwnd = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->m_hwnd = nullptr;
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
        return self->HandleMessage(message, wParam, lParam);
    }

    HWND m_hwnd = nullptr;
};
