#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/nested_runs.h"
#include "editing/editing_flow.h"
#include "face/face_images.h"
#include "face/hint.h"
#include "face/pointer_input.h"
#include "launch/launcher.h"
#include "launch/popup_list.h"
#include "model/assignment_store.h"
#include "model/key_table.h"
#include "model/list_refresh.h"
#include "model/settings.h"
#include "pickers/group_import.h"
#include "platform/ports/frame_ports.h"

// The main window's logic. The Win32 window forwards its messages to the
// handlers here, which delegate to the parts the frame owns: the settings,
// the key table, the assignment store, the face's pictures, the launcher,
// the popup list, the hint and the pointer on the face.
class CKeyboardFrame {
public:
    explicit CKeyboardFrame(const FramePorts& ports);
    CKeyboardFrame(const CKeyboardFrame&) = delete;
    CKeyboardFrame& operator=(const CKeyboardFrame&) = delete;

    // --- Start-up, in this order ---
    void LoadSettings(const std::uint32_t* commandLineOptions);
    const Settings& GetSettings() const { return m_settings; }
    StoredWindowState ReadWindowState(const std::string& defaultFace) {
        return m_settings.ReadWindowState(defaultFace);
    }
    // The face picture: the face file unless OPT_NOOVERRIDE, else the resource.
    bool LoadFace(const std::string& resourceName);
    int FaceWidth() const { return m_face.Width(); }
    int FaceHeight() const { return m_face.Height(); }
    void SetDebug(bool debug) { m_bDebug = debug; }
    void LoadKeyTable(int faceIndex);
    // Reads the assignments and starts reading the popup lists' folders.
    void LoadAssignments();
    void SaveAssignments();
    // The items of the popup lists' folders, read away from the main thread.
    void OnFoldersRead(std::vector<ShortcutItems> items);

    const KeyTable& Keys() const { return m_keys; }

    // --- Painting ---
    // Composes the face with every key's state; the window shows the result.
    const Image& OnPaint();
    // The picture the window shows now, pressed key included.
    const Image& CurrentFrame() const { return m_face.CurrentFrame(); }
    void DrawKeyPressed(bool down, const Rect& rect);

    // --- Handlers the Win32 window forwards ---
    void OnCreate();
    bool OnCommand(unsigned wParam, long lParam);
    bool OnSysCommand(unsigned nID, long lParam); // false: the platform's default handling
    std::vector<std::pair<unsigned, bool>> MenuCheckMarks() const;
    std::string MenuPrompt(unsigned id) const;
    void OnMove(int x, int y);
    void OnSize(int type);
    // True when the window may close now. A close that arrives from inside a
    // dialog, menu or import waits until they have ended (see NestedRuns).
    bool OnClose();
    // The hotkey service's report: a scan code, lParam 0.
    void OnHotkey(unsigned wParam, long lParam);
    // Key requests (repeat count KC_HOVER to KC_NOKEY) and typed characters.
    void OnChar(unsigned nChar, unsigned nRepCnt, unsigned nFlags);
    void OnMouseMove(int x, int y) { m_pointer.OnMouseMove(x, y); }
    void OnLButtonDown(int x, int y) { m_pointer.OnLButtonDown(x, y); }
    void OnLButtonUp(int x, int y) { m_pointer.OnLButtonUp(x, y); }
    void OnRButtonUp(int x, int y) { m_pointer.OnRButtonUp(x, y); }
    void OnTimer() {
        m_runs.RepeatEndRequest();
        m_hint.OnTimer(m_popup.MenuShowing());
    }

    // A file dropped at a point of the face: the first file's path.
    void OnDropFiles(int x, int y, const std::string& path);

private:
    // Runs what as a nested run of this kind when the request may start now.
    template <typename What>
    void Run(NestedRuns::Request request, NestedRuns::Kind kind, What what) {
        if (!m_runs.Allows(request)) return;
        NestedRuns::Scope run(m_runs, kind);
        what();
    }
    bool HandleDialogCommand(unsigned id);
    void ApplyTopmost(long lParam);
    void ShowNoHelp();
    // The assignment list; returns the expand option as the list leaves it.
    bool ShowAssignmentList(bool expandPopups);
    void BuildGroupLists(const std::string& programListFile);
    void WriteListsWhenIdle();

    FramePorts m_ports;
    NestedRuns m_runs;
    Settings m_settings;
    KeyTable m_keys;
    AssignmentStore m_store;
    ListRefresh m_lists;
    FaceImages m_face;
    Launcher m_launcher;
    PopupList m_popup;
    HintTracker m_hint;
    PointerInput m_pointer;
    GroupImport m_groups;
    EditingFlow m_editing;
    bool m_bDebug = false;
};
