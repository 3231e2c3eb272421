// The main window's commands: menu items, system-menu items and the commands
// other programs send it.
#include <cstdio>

#include "app/keyboard_frame.h"
#include "app/message_box.h"
#include "model/profile_section_array.h"
#include "platform/ports/profile_port.h"
#include "platform/ports/string_table.h"
#include "platform/ports/window_port.h"
#include "resource_ids.h"

namespace {
constexpr unsigned kNoHelpText = 495;
constexpr int kSizeMinimized = 1; // SIZE_MINIMIZED

// System commands the frame answers itself (the platform's own ids).
constexpr unsigned kSysAbout = 0xE140;
constexpr unsigned kSysHelpIndex = 0xE142;
constexpr unsigned kSysHelpUsing = 0xE144;
constexpr unsigned kSysHelp = 0xE146;

bool IsHelpCommand(unsigned id) {
    return id >= ID_HELP_INDEX_CMD && id <= ID_DEFAULT_HELP_CMD && id != 57667;
}
} // namespace

void CKeyboardFrame::OnCreate() {
    m_ports.window->ShowStatusBar((m_nOptions & OPT_STATUSBAR) != 0);
    // Applies the stored topmost state without toggling it.
    if (m_nOptions & OPT_TOPMOST) m_ports.window->PostCommand(ID_TOPMOST, -1);
}

bool CKeyboardFrame::OnCommand(unsigned wParam, long lParam) {
    WindowPort& window = *m_ports.window;
    switch (wParam) {
    case ID_ABOUT:
    case ID_APP_ABOUT_CMD:
        window.ShowAboutBox();
        return true;
    case ID_ASSIGNMENTS: {
        const bool expand = (m_nOptions & OPT_EXPAND_POPUPS) != 0;
        if (ShowAssignmentList(expand) != expand) ToggleOption(OPT_EXPAND_POPUPS);
        return true;
    }
    case ID_MINIMIZE_ON_USE:
        ToggleOption(OPT_MINIMIZE);
        return true;
    case ID_CONFIRM_CHANGES:
        ToggleOption(OPT_NOCONFIRM);
        return true;
    case ID_HINTS:
        ToggleOption(OPT_NOHINTS);
        return true;
    case ID_FNTAB_MINIMIZE:
        ToggleOption(OPT_FNTAB_MINIMIZE);
        return true;
    case ID_TOPMOST:
        ApplyTopmost(lParam);
        return true;
    case ID_MARK_POPUPS:
        ToggleOption(OPT_NOMARK);
        window.Invalidate(true);
        return true;
    case ID_BUILD_GROUPS:
        if (!m_ports.desktop->TopLevelWindowOfClassExists("PROGMAN"))
            m_ports.desktop->StartMinimized("progman.exe");
        BuildGroupLists(m_strPrgFile);
        m_ports.desktop->WaitMessage();
        return true;
    case ID_EXIT:
        window.CloseApplication();
        return true;
    case ID_LOGOFF:
    case ID_LOGOFF2:
        m_ports.desktop->LogOff();
        return true;
    case ID_SAVE_OPTIONS:
        SaveOptions();
        return true;
    case ID_NO_HELP:
        ShowNoHelp();
        return true;
    case ID_COLOR_HINT:
        if (PickColour(&m_crHint, "hint")) window.SetHintBackground(m_crHint);
        return true;
    case ID_COLOR_MARK:
        if (PickColour(&m_crMark, "mark")) window.Invalidate(true);
        return true;
    case ID_COLOR_HIGHLITE:
        if (PickColour(&m_crHighlite, "highlite")) window.Invalidate(true);
        return true;
    case ID_COLOR_DISABLE:
        if (PickColour(&m_crDisable, "disable")) window.Invalidate(true);
        return true;
    case ID_NOTHING:
        return true;
    default:
        break;
    }
    if (wParam >= ID_POPUP_FIRST && wParam <= ID_POPUP_LAST) {
        LaunchPopupItem(wParam - ID_POPUP_FIRST);
        return true;
    }
    if (IsHelpCommand(wParam)) {
        // There is no help file; the standard help commands say so.
        ShowNoHelp();
        return true;
    }
    return false;
}

bool CKeyboardFrame::OnSysCommand(unsigned nID, long lParam) {
    if (nID == kSysAbout) return true;
    if (nID >= 300 && nID <= 500) {
        // Items of the configuration popup on the system menu.
        m_ports.window->SendCommand(nID, lParam);
        return true;
    }
    if (nID == kSysHelpIndex || nID == kSysHelpUsing || nID == kSysHelp) {
        ShowNoHelp();
        return true;
    }
    return false;
}

std::vector<std::pair<unsigned, bool>> CKeyboardFrame::MenuCheckMarks() const {
    return {
        {ID_TOPMOST, (m_nOptions & OPT_TOPMOST) != 0},
        {ID_MARK_POPUPS, (m_nOptions & OPT_NOMARK) == 0},
        {ID_MINIMIZE_ON_USE, (m_nOptions & OPT_MINIMIZE) != 0},
        {ID_HINTS, (m_nOptions & OPT_NOHINTS) == 0},
        {ID_CONFIRM_CHANGES, (m_nOptions & OPT_NOCONFIRM) == 0},
    };
}

std::string CKeyboardFrame::MenuPrompt(unsigned id) const {
    return m_ports.strings->Get(id);
}

void CKeyboardFrame::OnMove(int x, int y) {
    if (m_ports.window->IsMinimized()) return;
    char text[16];
    std::snprintf(text, sizeof text, "%d", x);
    m_ports.profile->WriteString("cfg", "x", text, m_strIniFile.c_str());
    std::snprintf(text, sizeof text, "%d", y);
    m_ports.profile->WriteString("cfg", "y", text, m_strIniFile.c_str());
}

void CKeyboardFrame::OnSize(int type) {
    const bool minimized = type == kSizeMinimized;
    // Files can be dropped on the face only while it can be seen.
    m_ports.window->AcceptDroppedFiles(!minimized);
    m_ports.profile->WriteString("cfg", "fIcon", minimized ? "1" : "0", m_strIniFile.c_str());
}

void CKeyboardFrame::OnClose() { DeleteKeys(); }

bool CKeyboardFrame::ShowAssignmentList(bool expandPopups) { return expandPopups; }

void CKeyboardFrame::BuildGroupLists(const std::string&) {}

void CKeyboardFrame::LaunchCommand(const std::string&, const std::string*) {}

void CKeyboardFrame::ToggleOption(std::uint32_t bit) {
    m_nOptions ^= bit;
    SaveOptions();
}

void CKeyboardFrame::ApplyTopmost(long lParam) {
    if (lParam != -1) ToggleOption(OPT_TOPMOST);
    m_ports.window->SetTopmost((m_nOptions & OPT_TOPMOST) != 0);
}

void CKeyboardFrame::LaunchPopupItem(unsigned index) {
    CProfileSectionArray items(*m_ports.profile, m_strPopupName.c_str(), m_strPrgFile.c_str());
    // The list may have changed since its menu was shown; an index past its end does nothing.
    if (index >= items.size()) return;
    if (m_pPopupKey)
        LaunchCommand(items[index], &m_pPopupKey->m_strDirectory);
    else
        LaunchCommand(items[index], nullptr);
}

void CKeyboardFrame::ShowNoHelp() {
    WindowPort& window = *m_ports.window;
    window.ShowMessage(m_ports.strings->Get(kNoHelpText), window.ApplicationName(),
                      MB_FLAG_OKCANCEL);
}
