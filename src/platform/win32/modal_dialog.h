#pragma once
#include <windows.h>

#include "common/dialog_ids.h"

// The base of our modal dialogs. A dialog holds a plain data struct: its
// controls are filled from it in OnInit, read back into it by ReadBack when
// OK is pressed, and Run returns the end code (IDOK, IDCANCEL or what
// OnCommand ended the dialog with). A Help button passes its command to the
// dialog's owner, so that the main window answers it as it answers its own;
// the dialog asking goes with it, to own the answer.
class ModalDialog {
public:
    virtual ~ModalDialog() = default;

    INT_PTR Run(HINSTANCE instance, int templateId, HWND owner) {
        return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, Procedure,
                               reinterpret_cast<LPARAM>(this));
    }

protected:
    virtual void OnInit(HWND) {}
    virtual void ReadBack(HWND) {}
    // Commands other than OK and Cancel; true when handled.
    virtual bool OnCommand(HWND, WORD /*id*/, WORD /*code*/) { return false; }
    // OK ends the dialog only when this agrees, for a dialog that checks its fields.
    virtual bool MayEnd(HWND) { return true; }
    // Messages other than commands, such as owner-draw; true when handled.
    virtual bool OnMessage(HWND, UINT, WPARAM, LPARAM) { return false; }

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            reinterpret_cast<ModalDialog*>(lParam)->OnInit(dialog);
            return TRUE;
        }
        auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (!self) return FALSE;
        if (message != WM_COMMAND) return self->OnMessage(dialog, message, wParam, lParam) ? TRUE : FALSE;
        const WORD id = LOWORD(wParam);
        if (id == IDC_HELP_BUTTON) {
            // From a button lParam is the button; passed on from a dialog
            // this one owns, it is that dialog already.
            HWND asking = lParam ? GetAncestor(reinterpret_cast<HWND>(lParam), GA_ROOT) : dialog;
            SendMessageA(GetWindow(dialog, GW_OWNER), WM_COMMAND, id,
                         reinterpret_cast<LPARAM>(asking));
            return TRUE;
        }
        if (id == IDOK || id == IDCANCEL) {
            if (id == IDOK && !self->MayEnd(dialog)) return TRUE;
            if (id == IDOK) self->ReadBack(dialog);
            EndDialog(dialog, id);
            return TRUE;
        }
        return self->OnCommand(dialog, id, HIWORD(wParam)) ? TRUE : FALSE;
    }
};
