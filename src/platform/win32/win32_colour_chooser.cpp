#include "platform/win32/win32_colour_chooser.h"

#include <commdlg.h>

bool Win32ColourChooser::Choose(Colour initial, Colour& chosen) {
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = m_owner ? m_owner() : nullptr;
    cc.hInstance = reinterpret_cast<HWND>(m_instance);
    cc.rgbResult = initial;
    cc.lpCustColors = m_custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLETEMPLATE;
    cc.lpTemplateName = "ChooseColor";
    if (!ChooseColorA(&cc)) return false;
    chosen = cc.rgbResult;
    return true;
}
