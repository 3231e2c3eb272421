#pragma once
#include <windows.h>

// The base of our modal dialogs. A dialog holds a plain data struct: its
// controls are filled from it in OnInit, read back into it by ReadBack when
// OK is pressed, and Run returns the end code (IDOK, IDCANCEL or what
// OnCommand ended the dialog with).
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

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            reinterpret_cast<ModalDialog*>(lParam)->OnInit(dialog);
            return TRUE;
        }
        auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (!self || message != WM_COMMAND) return FALSE;
        const WORD id = LOWORD(wParam);
        if (id == IDOK || id == IDCANCEL) {
            if (id == IDOK) self->ReadBack(dialog);
            EndDialog(dialog, id);
            return TRUE;
        }
        return self->OnCommand(dialog, id, HIWORD(wParam)) ? TRUE : FALSE;
    }
};
