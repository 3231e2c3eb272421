#pragma once
#include <windows.h>

#include <functional>

#include "platform/ports/dialog_port.h"

class StringTable;
class WindowPort;

// The assignment dialogs, each owned by the main window.
class Win32Dialogs : public DialogPort {
public:
    Win32Dialogs(HINSTANCE instance, const StringTable& strings, const WindowPort& window,
                 std::function<HWND()> owner)
        : m_instance(instance), m_strings(strings), m_window(window), m_owner(std::move(owner)) {}

    int AssignmentType(AssignmentTypeData& data) override;
    int EditCommand(CommandData& data) override;
    int ConfirmKey(const KeyConfirmData& data) override;
    int ChooseFolder(FolderChoice& data) override;
    int KeyList(KeyListData& data) override;
    void Beep() override { MessageBeep(0); }

private:
    HINSTANCE m_instance;
    const StringTable& m_strings;
    const WindowPort& m_window;
    std::function<HWND()> m_owner; // the main window, once it exists
};
