#include "app/keyboard_frame.h"

#include "common/message_box_flags.h"
#include "common/options.h"
#include "common/resource_ids.h"
#include "common/string_ids.h"
#include "editing/dropped_file.h"
#include "editing/key_list.h"
#include "launch/key_request.h"
#include "platform/ports/dialog_port.h"
#include "platform/ports/string_table.h"
#include "platform/ports/window_port.h"

#include <cstdint>
#include <utility>

namespace {
constexpr int kSizeMinimized = 1; // SIZE_MINIMIZED

bool IsHelpCommand(unsigned id) {
    return id >= ID_HELP_INDEX_CMD && id <= ID_DEFAULT_HELP_CMD && id != ID_HELP_INDEX_CMD + 1;
}
} // namespace

CKeyboardFrame::CKeyboardFrame(const FramePorts& ports)
    : m_ports(ports),
      m_runs([this] { m_ports.window->EndModalLoops(); },
             // From the main loop, once nothing of a run is left on the stack;
             // after a command a menu posted on its way out.
             [this] {
                 if (m_runs.ClosePending())
                     m_ports.window->PostCommand(ID_APP_EXIT_CMD, 0);
                 else if (m_lists.Pending())
                     m_ports.window->PostCommand(ID_WRITE_POPUP_LISTS, 0);
             }),
      m_settings(*ports.profile, *ports.strings, *ports.system, *ports.colours),
      m_keys(*ports.profile, *ports.strings),
      m_store(*ports.profile, m_settings),
      m_lists(*ports.profile, *ports.shell, m_settings),
      m_face(*ports.assets, *ports.strings),
      m_launcher(*ports.launch, *ports.processes, *ports.window, *ports.system, *ports.strings,
                 m_settings),
      m_popup(*ports.profile, *ports.menus, *ports.window, m_launcher, m_settings, *ports.strings),
      m_hint(*ports.hint, *ports.window, m_keys, m_settings),
      m_pointer(m_keys, *ports.window, m_hint,
                [this](bool down, const Rect& key) { DrawKeyPressed(down, key); }),
      m_groups(*ports.groups, *ports.profile, m_runs),
      m_editing({*ports.dialogs, *ports.profile, *ports.shell, *ports.strings, *ports.window},
                m_settings, m_keys, m_store, m_runs) {}

void CKeyboardFrame::LoadSettings(const std::uint32_t* commandLineOptions) {
    m_settings.LoadSettings(commandLineOptions);
}

bool CKeyboardFrame::LoadFace(const std::string& resourceName) {
    const bool useFile = !m_settings.Has(OPT_NOOVERRIDE);
    return m_face.LoadFace(resourceName, useFile ? m_settings.InSettingsDir(m_settings.FaceFile()) : "");
}

void CKeyboardFrame::LoadKeyTable(int faceIndex) {
    m_keys.LoadKeyTable(faceIndex, m_settings.Options(), m_settings.InSettingsDir(m_settings.KeyFile()));
}

void CKeyboardFrame::LoadAssignments() { m_lists.Start(m_store.LoadAssignments(m_keys)); }

void CKeyboardFrame::OnFoldersRead(std::vector<ShortcutItems> items) {
    m_lists.Arrived(std::move(items));
    WriteListsWhenIdle();
}

void CKeyboardFrame::WriteListsWhenIdle() {
    if (m_runs.Idle() && !m_runs.ClosePending()) m_lists.WritePending();
}

void CKeyboardFrame::SaveAssignments() { m_store.SaveAssignments(m_keys); }

const Image& CKeyboardFrame::OnPaint() {
    FacePaintStyle style;
    style.highlite = m_settings.Get(ColourSetting::Highlite);
    style.disable = m_settings.Get(ColourSetting::Disable);
    style.mark = m_settings.Get(ColourSetting::Mark);
    style.options = m_settings.Options();
    style.debug = m_bDebug;
    return m_face.Compose(m_keys, style);
}

void CKeyboardFrame::DrawKeyPressed(bool down, const Rect& rect) {
    const Rect changed = m_face.DrawKeyPressed(down, rect, m_settings.Get(ColourSetting::White),
                                               m_settings.Get(ColourSetting::DarkGray), m_bDebug);
    m_ports.window->RedrawFrameRect(changed);
}

void CKeyboardFrame::OnCreate() {
    m_ports.window->ShowStatusBar(m_settings.Has(OPT_STATUSBAR));
    // Applies the stored topmost state without toggling it.
    if (m_settings.Has(OPT_TOPMOST)) m_ports.window->PostCommand(ID_TOPMOST, -1);
}

bool CKeyboardFrame::OnCommand(unsigned wParam, long lParam) {
    // Commands that do nothing but flip their option's bit.
    static constexpr std::pair<unsigned, std::uint32_t> kOptionToggles[] = {
        {ID_MINIMIZE_ON_USE, OPT_MINIMIZE},
        {ID_CONFIRM_CHANGES, OPT_NOCONFIRM},
        {ID_HINTS, OPT_NOHINTS},
        {ID_FNTAB_MINIMIZE, OPT_FNTAB_MINIMIZE},
    };
    for (const auto& [id, bit] : kOptionToggles) {
        if (wParam != id) continue;
        m_settings.ToggleOption(bit);
        return true;
    }
    if (HandleDialogCommand(wParam)) return true;
    WindowPort& window = *m_ports.window;
    switch (wParam) {
    case ID_TOPMOST:
        ApplyTopmost(lParam);
        return true;
    case ID_MARK_POPUPS:
        m_settings.ToggleOption(OPT_NOMARK);
        window.Invalidate(true);
        return true;
    case ID_BUILD_GROUPS:
        // A second import while one waits for Program Manager is ignored.
        Run(NestedRuns::Request::Exclusive, NestedRuns::Kind::Import, [&] {
            if (!m_ports.desktop->TopLevelWindowOfClassExists("PROGMAN"))
                m_ports.desktop->StartMinimized("progman.exe");
            BuildGroupLists(m_settings.PrgFile());
            m_ports.desktop->WaitMessage();
        });
        return true;
    case ID_EXIT:
        window.CloseApplication();
        return true;
    case ID_WRITE_POPUP_LISTS:
        WriteListsWhenIdle();
        return true;
    case ID_LOGOFF:
    case ID_LOGOFF2:
        m_ports.desktop->LogOff();
        return true;
    case ID_SAVE_OPTIONS:
        m_settings.SaveOptions();
        return true;
    case ID_NOTHING:
        return true;
    default:
        break;
    }
    if (wParam >= ID_POPUP_FIRST && wParam <= ID_POPUP_LAST) {
        Run(NestedRuns::Request::BesideDialog, NestedRuns::Kind::Dialog,
            [&] { m_popup.LaunchItem(wParam - ID_POPUP_FIRST); });
        return true;
    }
    return false;
}

// The commands that open a dialog or a message box; each is a nested run.
bool CKeyboardFrame::HandleDialogCommand(unsigned id) {
    using Request = NestedRuns::Request;
    constexpr NestedRuns::Kind kDialog = NestedRuns::Kind::Dialog;
    WindowPort& window = *m_ports.window;
    switch (id) {
    case ID_ABOUT:
    case ID_APP_ABOUT_CMD:
        Run(Request::Exclusive, kDialog, [&] { window.ShowAboutBox(); });
        return true;
    case ID_ASSIGNMENTS:
        Run(Request::Exclusive, kDialog, [&] {
            const bool expand = m_settings.Has(OPT_EXPAND_POPUPS);
            if (ShowAssignmentList(expand) != expand) m_settings.ToggleOption(OPT_EXPAND_POPUPS);
        });
        return true;
    case ID_COLOR_HINT:
        Run(Request::Exclusive, kDialog, [&] {
            if (m_settings.PickColour(ColourSetting::Hint))
                window.SetHintBackground(m_settings.Get(ColourSetting::Hint));
        });
        return true;
    case ID_COLOR_MARK:
    case ID_COLOR_HIGHLITE:
    case ID_COLOR_DISABLE: {
        // The face shows these colours: repaint it with the one chosen.
        const ColourSetting which = id == ID_COLOR_MARK       ? ColourSetting::Mark
                                    : id == ID_COLOR_HIGHLITE ? ColourSetting::Highlite
                                                              : ColourSetting::Disable;
        Run(Request::Exclusive, kDialog, [&] {
            if (m_settings.PickColour(which)) window.Invalidate(true);
        });
        return true;
    }
    default:
        break;
    }
    // There is no help file; the help commands say so, also over a dialog
    // whose Help button asks.
    if (id != ID_NO_HELP && !IsHelpCommand(id)) return false;
    Run(Request::BesideDialog, kDialog, [this] { ShowNoHelp(); });
    return true;
}

bool CKeyboardFrame::OnSysCommand(unsigned nID, long lParam) {
    if (nID == SC_ABOUT_CMD) return true;
    if (nID >= 300 && nID <= 500) {
        // Items of the configuration popup on the system menu.
        m_ports.window->SendCommand(nID, lParam);
        return true;
    }
    if (nID == SC_HELP_INDEX_CMD || nID == SC_HELP_USING_CMD || nID == SC_HELP_CMD) {
        ShowNoHelp();
        return true;
    }
    return false;
}

std::vector<std::pair<unsigned, bool>> CKeyboardFrame::MenuCheckMarks() const {
    return {
        {ID_TOPMOST, m_settings.Has(OPT_TOPMOST)},
        {ID_MARK_POPUPS, !m_settings.Has(OPT_NOMARK)},
        {ID_MINIMIZE_ON_USE, m_settings.Has(OPT_MINIMIZE)},
        {ID_HINTS, !m_settings.Has(OPT_NOHINTS)},
        {ID_CONFIRM_CHANGES, !m_settings.Has(OPT_NOCONFIRM)},
    };
}

std::string CKeyboardFrame::MenuPrompt(unsigned id) const {
    return m_ports.strings->Get(id);
}

void CKeyboardFrame::OnMove(int x, int y) {
    if (!m_ports.window->IsMinimized()) m_settings.StorePosition(x, y);
}

void CKeyboardFrame::OnSize(int type) {
    const bool minimized = type == kSizeMinimized;
    // Files can be dropped on the face only while it can be seen.
    m_ports.window->AcceptDroppedFiles(!minimized);
    m_settings.StoreMinimized(minimized);
}

bool CKeyboardFrame::OnClose() {
    if (!m_runs.RequestClose()) return false;
    m_popup.Forget();
    m_keys.DeleteKeys();
    return true;
}

void CKeyboardFrame::OnHotkey(unsigned wParam, long lParam) {
    // Inside a menu the request would reach the menu as a typed character.
    if (!m_runs.Allows(NestedRuns::Request::BesideDialog)) return;
    WindowPort& window = *m_ports.window;
    // Fn+Tab looks at the window only when it is the key reported.
    const unsigned key = lParam == 0 ? m_ports.desktop->VirtualKeyOfScanCode(wParam) : 0;
    WindowShowState shown;
    if (key == kVkTab) shown = {window.IsVisible(), window.IsMinimized(), window.IsWindowUncovered()};
    const HotkeyAction action = DecideHotkey(key, lParam, shown, m_settings.Options());
    switch (action.kind) {
    case HotkeyAction::Nothing:
        break;
    case HotkeyAction::PostRun:
        window.PostKeyRequest(static_cast<char>(action.key), KC_RUN);
        break;
    case HotkeyAction::Raise:
        window.BringToTop();
        break;
    case HotkeyAction::Minimize:
        m_hint.Hide();
        window.ShowWindowState(ShowState::Minimize);
        break;
    case HotkeyAction::ShowMinimized:
        window.ShowWindowState(ShowState::ShowMinimized);
        break;
    case HotkeyAction::ShowNormal:
        window.ShowWindowState(ShowState::ShowNormal);
        break;
    }
}

void CKeyboardFrame::OnChar(unsigned nChar, unsigned nRepCnt, unsigned) {
    const char character = RequestCharacter(nChar, nRepCnt);
    FaceKey* key = m_keys.FindKey(std::string(1, character));
    const KeyAction action = DecideKeyRequest(key, nRepCnt, m_settings);
    switch (action.kind) {
    case KeyAction::Nothing:
        break;
    case KeyAction::PostCommand:
        if (action.command) m_ports.window->PostCommand(action.command, 0);
        break;
    case KeyAction::ShowPopup:
        Run(NestedRuns::Request::BesideDialog, NestedRuns::Kind::Menu, [&] {
            m_hint.Hide();
            m_popup.ShowPopupList(key->m_strCommand, *key);
        });
        break;
    case KeyAction::SwitchTo:
        Run(NestedRuns::Request::BesideDialog, NestedRuns::Kind::Dialog,
            [&] { m_launcher.SwitchToRunning(key->m_strCommand, &key->m_strDirectory); });
        break;
    case KeyAction::Launch:
        Run(NestedRuns::Request::BesideDialog, NestedRuns::Kind::Dialog,
            [&] { m_launcher.LaunchCommand(key->m_strCommand, &key->m_strDirectory); });
        break;
    case KeyAction::PostEdit:
        m_ports.window->PostKeyRequest(character, KC_EDIT);
        break;
    case KeyAction::Edit:
        m_editing.EditKeyAssignment(*key, key->m_strCommand, key->m_strDirectory,
                                    key->m_strDescription, false);
        break;
    case KeyAction::StatusText:
        m_ports.window->SetStatusText(action.text);
        break;
    }
}

void CKeyboardFrame::OnDropFiles(int x, int y, const std::string& path) {
    const FaceKey* under = m_keys.KeyAt(x, y);
    FaceKey* key = under ? m_keys.FindKey(under->m_strKey) : nullptr;
    if (!key || !key->m_bAssignable || key->m_bReserved) return;
    const DroppedFile file = SplitDroppedPath(path);
    m_editing.EditKeyAssignment(*key, file.command, file.directory, file.description, true);
}

bool CKeyboardFrame::ShowAssignmentList(bool expandPopups) {
    const std::size_t prefixLength = m_ports.strings->Get(IDS_LABEL_PREFIX).size();
    KeyListData list;
    list.lines = [this, prefixLength](bool expand) {
        return key_list::Lines(m_keys, *m_ports.profile, m_settings.PrgFile(), prefixLength, expand);
    };
    list.expand = expandPopups;
    if (m_ports.dialogs->KeyList(list) != END_OK) return expandPopups;
    // Edit... asks for the key's editing once the list has closed.
    for (int i = 0; !list.editLabel.empty() && i < m_keys.Count(); ++i) {
        const FaceKey* key = m_keys.FindKey(m_keys.InLoadOrder(i).m_strKey);
        if (key->m_bAssignable && !key->m_bReserved && key->m_strLabel == list.editLabel) {
            m_ports.window->PostKeyRequest(key->m_strKey[0], KC_EDIT);
            break;
        }
    }
    return list.expand;
}

void CKeyboardFrame::BuildGroupLists(const std::string& programListFile) {
    m_groups.BuildGroupLists(programListFile, m_settings.WindowsDir());
}

void CKeyboardFrame::ApplyTopmost(long lParam) {
    if (lParam != -1) m_settings.ToggleOption(OPT_TOPMOST);
    m_ports.window->SetTopmost(m_settings.Has(OPT_TOPMOST));
}

void CKeyboardFrame::ShowNoHelp() {
    WindowPort& window = *m_ports.window;
    window.ShowMessage(m_ports.strings->Get(IDS_NO_HELP), window.ApplicationName(),
                      MB_FLAG_OKCANCEL);
}
