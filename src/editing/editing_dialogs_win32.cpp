#include "editing/editing_dialogs_win32.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "common/dialog_ids.h"
#include "common/string_ids.h"
#include "editing/command_fields.h"
#include "pickers/app_browser_win32.h"
#include "platform/ports/string_table.h"
#include "platform/win32/modal_dialog.h"

namespace {
std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(item)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Check(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

class AssignmentTypeDialog : public ModalDialog {
public:
    explicit AssignmentTypeDialog(AssignmentTypeData& data) : m_data(data) {}

private:
    void OnInit(HWND dialog) override {
        SetDlgItemTextA(dialog, IDC_KEY_NAME, m_data.keyName.c_str());
        Check(dialog, IDC_OPTION_BOX, m_data.confirmChanges);
    }
    void ReadBack(HWND dialog) override { m_data.confirmChanges = IsChecked(dialog, IDC_OPTION_BOX); }
    bool OnCommand(HWND dialog, WORD id, WORD) override {
        if (id != IDC_DIRECT && id != IDC_POPUP && id != IDC_CLEAR) return false;
        ReadBack(dialog);
        EndDialog(dialog, id);
        return true;
    }
    AssignmentTypeData& m_data;
};

class CommandDialog : public ModalDialog {
public:
    CommandDialog(HINSTANCE instance, const StringTable& strings, std::string caption,
                  CommandData& data)
        : m_instance(instance), m_strings(strings), m_caption(std::move(caption)), m_data(data) {}

private:
    void OnInit(HWND dialog) override {
        SetDlgItemTextA(dialog, IDC_COMMAND_LINE, m_data.command.c_str());
        SetDlgItemTextA(dialog, IDC_WORKING_DIRECTORY, m_data.workingDirectory.c_str());
        SetDlgItemTextA(dialog, IDC_DESCRIPTION, m_data.description.c_str());
        SetDlgItemTextA(dialog, IDC_KEY_NAME, m_data.shortcutKeyText.c_str());
        Check(dialog, IDC_OPTION_BOX, m_data.switchToRunning);
        // No EM_LIMITTEXT: the edits keep the default limit on typing, 32,767
        // (bytes, in an ANSI edit: learn.microsoft.com, EM_LIMITTEXT), well
        // beyond the longest value even in three-byte characters, so a paste
        // that is too long stays whole for OK to refuse, not cut quietly.
        if (m_data.hideBrowseButtons) {
            ShowWindow(GetDlgItem(dialog, IDC_BROWSE), SW_HIDE);
            ShowWindow(GetDlgItem(dialog, IDC_APPLICATIONS), SW_HIDE);
        }
    }
    void ReadBack(HWND dialog) override {
        m_data.command = ItemText(dialog, IDC_COMMAND_LINE);
        m_data.workingDirectory = ItemText(dialog, IDC_WORKING_DIRECTORY);
        m_data.description = ItemText(dialog, IDC_DESCRIPTION);
        m_data.switchToRunning = IsChecked(dialog, IDC_OPTION_BOX);
    }
    bool MayEnd(HWND dialog) override {
        std::string directory = ItemText(dialog, IDC_WORKING_DIRECTORY);
        const command_fields::Fields fields{ItemText(dialog, IDC_COMMAND_LINE), directory,
                                            ItemText(dialog, IDC_DESCRIPTION)};
        if (const auto tooLong = command_fields::FirstTooLong(fields, m_strings)) {
            Refuse(dialog, tooLong->message);
            using command_fields::Field;
            const int edit = tooLong->field == Field::Description ? IDC_DESCRIPTION
                             : tooLong->field == Field::Command   ? IDC_COMMAND_LINE
                                                                  : IDC_WORKING_DIRECTORY;
            // The focus goes back to that field, its text selected.
            SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, edit)),
                         TRUE);
            return false;
        }
        bool accepted = !command_fields::RefusedUntested(directory);
        if (accepted) {
            // The list function judges the text (and makes it the current
            // directory); it writes back into its buffer, so it gets a copy.
            directory.resize(directory.size() + MAX_PATH, '\0');
            accepted = DlgDirListA(dialog, directory.data(), 0, 0, DDL_DIRECTORY) != 0;
        }
        if (!accepted) Refuse(dialog, m_strings.Get(IDS_BAD_DIRECTORY));
        return accepted;
    }
    // A warning: the exclamation icon, as on the launcher's warnings.
    void Refuse(HWND dialog, const std::string& message) {
        MessageBeep(0);
        MessageBoxA(dialog, message.c_str(), m_caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
    bool OnCommand(HWND dialog, WORD id, WORD) override {
        if (id == IDC_BROWSE) {
            Browse(dialog);
            return true;
        }
        if (id == IDC_APPLICATIONS) {
            PickApplication(dialog);
            return true;
        }
        return false;
    }
    void PickApplication(HWND dialog) {
        AppBrowserState browser(false);
        if (RunAppBrowser(m_instance, dialog, m_strings.Get(IDS_APP_EXPLORER), browser) != IDOK) return;
        std::string command, directory, description;
        browser.GetChosenCommand(&command);
        browser.GetChosenWorkingDirectory(&directory);
        browser.GetChosenDescription(&description);
        SetDlgItemTextA(dialog, IDC_WORKING_DIRECTORY,
                        command_fields::WithoutTrailingBackslash(directory).c_str());
        SetDlgItemTextA(dialog, IDC_COMMAND_LINE, command.c_str());
        SetDlgItemTextA(dialog, IDC_DESCRIPTION, description.c_str());
        SetFocus(GetDlgItem(dialog, IDOK));
    }
    void Browse(HWND dialog) {
        const std::string filter = command_fields::OpenFileFilter(m_strings);
        const std::string title = m_strings.Get(IDS_BROWSER_CAPTION);
        // A path of MAX_PATH characters takes up to three bytes for each in UTF-8.
        char path[3 * MAX_PATH] = "";
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = dialog; // modal to this dialog: no second one opens behind it
        ofn.hInstance = m_instance;
        ofn.lpstrFilter = filter.c_str();
        ofn.lpstrFile = path;
        ofn.nMaxFile = sizeof path;
        ofn.lpstrTitle = title.c_str();
        // The classic dialog on the program's own template: no OFN_EXPLORER.
        // OFN_LONGNAMES: "For old-style dialog boxes, this flag causes the
        // dialog box to use long file names. If this flag is not specified
        // ... old-style dialog boxes use short file names (8.3 format) for
        // file names with spaces" (learn.microsoft.com, OPENFILENAMEA), so
        // C:\Program Files\ would come back as C:\PROGRA~1\. (Wine's
        // classic dialog lists long names either way.)
        ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLETEMPLATE | OFN_NONETWORKBUTTON |
                    OFN_LONGNAMES;
        ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_OPEN_FILE);
        if (!GetOpenFileNameA(&ofn)) return;
        const command_fields::Fields fields = command_fields::OfBrowsedFile(path);
        SetDlgItemTextA(dialog, IDC_COMMAND_LINE, fields.command.c_str());
        SetDlgItemTextA(dialog, IDC_DESCRIPTION, fields.description.c_str());
        SetDlgItemTextA(dialog, IDC_WORKING_DIRECTORY, fields.workingDirectory.c_str());
        SetFocus(GetDlgItem(dialog, IDOK));
    }

    HINSTANCE m_instance;
    const StringTable& m_strings;
    std::string m_caption; // of message boxes: the program's name
    CommandData& m_data;
};

class KeyConfirmDialog : public ModalDialog {
public:
    explicit KeyConfirmDialog(const KeyConfirmData& data) : m_data(data) {}

private:
    void OnInit(HWND dialog) override {
        const std::pair<int, const std::string*> texts[] = {
            {IDC_NEW_COMMAND, &m_data.newCommand},         {IDC_OLD_COMMAND, &m_data.oldCommand},
            {IDC_NEW_DIRECTORY, &m_data.newDirectory},     {IDC_OLD_DIRECTORY, &m_data.oldDirectory},
            {IDC_NEW_DESCRIPTION, &m_data.newDescription}, {IDC_OLD_DESCRIPTION, &m_data.oldDescription},
            {IDC_CONFIRM_KEY, &m_data.keyName},
        };
        for (const auto& [id, text] : texts) SetDlgItemTextA(dialog, id, text->c_str());
    }
    const KeyConfirmData& m_data;
};
} // namespace

int RunAssignmentTypeDialog(HINSTANCE instance, HWND owner, AssignmentTypeData& data) {
    AssignmentTypeDialog dialog(data);
    return static_cast<int>(dialog.Run(instance, IDD_ASSIGNMENT_TYPE, owner));
}

int RunCommandDialog(HINSTANCE instance, HWND owner, const StringTable& strings,
                     const std::string& caption, CommandData& data) {
    CommandDialog dialog(instance, strings, caption, data);
    return static_cast<int>(dialog.Run(instance, IDD_ADD_EDIT_COMMAND, owner));
}

int RunKeyConfirmDialog(HINSTANCE instance, HWND owner, const KeyConfirmData& data) {
    KeyConfirmDialog dialog(data);
    return static_cast<int>(dialog.Run(instance, IDD_KEY_CONFIRM, owner));
}
