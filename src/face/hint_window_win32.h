#pragma once
#include <windows.h>

#include "common/geometry.h"
#include "face/face_scale.h"
#include "platform/ports/hint_port.h"
#include "platform/win32/gdi_handles.h"

// The small popup that names the key under the pointer, owned by the main
// window: a static control with the hint colour behind its text.
class HintWindow : public HintPort {
public:
    ~HintWindow() override;
    void Create(HWND owner, HINSTANCE instance, Colour background);
    void SetBackground(Colour colour);
    // The face's multiple: the font grows with it, anchors are face points.
    void SetScale(FaceScale scale);
    // The brush for WM_CTLCOLORSTATIC when control is the hint; null otherwise.
    HBRUSH ColourFor(HWND control, HDC dc) const;
    HWND Handle() const { return m_hwnd; }

    // HintPort
    bool PointerInWindow() override;
    bool PointerInClientArea() override;
    bool IsActiveWindow() override;
    Size MeasureHint(const std::string& text) override;
    Point ClientToScreen(Point client) override;
    Rect MonitorArea() override;
    void ShowHintAt(const std::string& text, int x, int y, int w, int h) override;
    void HideHint() override;

private:
    HWND m_owner = nullptr;
    HWND m_hwnd = nullptr;
    GdiObject<HBRUSH> m_brush;
    GdiObject<HFONT> m_font;
    FaceScale m_scale;
};
