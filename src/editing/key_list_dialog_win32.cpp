// The Function Key Assignments list: owner-drawn lines with the "LIST" pictures.
#include <string>
#include <vector>

#include "common/dialog_ids.h"
#include "editing/editing_dialogs_win32.h"
#include "editing/key_list.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/modal_dialog.h"
#include "platform/win32/win32_dpi.h"

namespace {
class KeyListDialog : public ModalDialog {
public:
    KeyListDialog(HINSTANCE instance, KeyListData& data) : m_instance(instance), m_data(data) {}

private:
    void OnInit(HWND dialog) override {
        m_list = GetDlgItem(dialog, IDC_KEY_LIST);
        CheckDlgButton(dialog, IDC_OPTION_BOX, m_data.expand ? BST_CHECKED : BST_UNCHECKED);
        EnableWindow(GetDlgItem(dialog, IDC_EDIT_KEY), FALSE);
        Fill(m_data.expand);
        m_pictures.Reset(LoadBitmapA(m_instance, "LIST"));
        m_multiple = ScaleOfWindow(dialog).Multiple();
        BITMAP info{};
        if (m_pictures.Get() && GetObjectA(m_pictures.Get(), sizeof info, &info)) {
            m_pictureWidth = info.bmWidth;
            m_pictureRowHeight = info.bmHeight / 3;
        }
    }
    void ReadBack(HWND dialog) override {
        m_data.expand = IsDlgButtonChecked(dialog, IDC_OPTION_BOX) == BST_CHECKED;
    }
    bool OnCommand(HWND dialog, WORD id, WORD code) override {
        if (id == IDC_OPTION_BOX && code == BN_CLICKED) {
            Refill(dialog);
        } else if (id == IDC_KEY_LIST && code == LBN_SELCHANGE) {
            const std::string line = Selected();
            EnableWindow(GetDlgItem(dialog, IDC_EDIT_KEY),
                         !line.empty() && key_list::KindOf(line) != key_list::LineKind::Entry);
        } else if (id == IDC_EDIT_KEY || (id == IDC_KEY_LIST && code == LBN_DBLCLK)) {
            Edit(dialog);
        } else {
            return false;
        }
        return true;
    }
    bool OnMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) override {
        // Moved to a monitor of another DPI: the system scales the dialog,
        // the pictures follow at the next paint.
        if (message == WM_DPICHANGED) m_multiple = FaceScale::ForDpi(LOWORD(wParam)).Multiple();
        if (message != WM_DRAWITEM) return false;
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != IDC_KEY_LIST) return false;
        Draw(item);
        return true;
    }

    void Fill(bool expand) {
        for (const std::string& line : m_data.lines(expand))
            SendMessageA(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    // The expand box was clicked: the lines anew, the same line selected again.
    void Refill(HWND dialog) {
        const std::string selected = Selected();
        SendMessageA(m_list, LB_RESETCONTENT, 0, 0);
        Fill(IsDlgButtonChecked(dialog, IDC_OPTION_BOX) == BST_CHECKED);
        if (!selected.empty()) {
            const LRESULT at = SendMessageA(m_list, LB_FINDSTRINGEXACT, 0,
                                            reinterpret_cast<LPARAM>(selected.c_str()));
            if (at != LB_ERR) SendMessageA(m_list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
        }
        EnableWindow(GetDlgItem(dialog, IDC_EDIT_KEY), FALSE);
    }
    void Edit(HWND dialog) {
        const std::string line = Selected();
        if (line.empty() || key_list::KindOf(line) == key_list::LineKind::Entry) return;
        ReadBack(dialog);
        m_data.editLabel = key_list::LabelOf(line);
        EndDialog(dialog, IDOK);
    }
    std::string Selected() const { return Line(SendMessageA(m_list, LB_GETCURSEL, 0, 0)); }
    std::string Line(LRESULT index) const {
        if (index < 0) return {};
        const LRESULT length = SendMessageA(m_list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length < 0) return {};
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(m_list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }

    // The picture of the line's kind at the left edge, the text beside it;
    // an entry's title indented by a third of the width. A change of focus
    // alone draws nothing.
    void Draw(const DRAWITEMSTRUCT& item) {
        if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) || item.itemID == static_cast<UINT>(-1))
            return;
        const std::string line = Line(static_cast<LRESULT>(item.itemID));
        const key_list::LineKind kind = key_list::KindOf(line);
        const std::string shown = key_list::Shown(line);
        const RECT& r = item.rcItem;
        const int left = kind == key_list::LineKind::Entry ? r.left + (r.right - r.left) / 3
                                                           : r.left + m_pictureWidth * m_multiple;
        HDC dc = item.hDC;
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        const COLORREF text = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetTextColor(dc);
        const COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : GetBkColor(dc);
        const COLORREF oldText = SetTextColor(dc, text), oldBack = SetBkColor(dc, back);
        ExtTextOutA(dc, left, r.top, ETO_CLIPPED | ETO_OPAQUE, &r, shown.c_str(),
                    static_cast<UINT>(shown.size()), nullptr);
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBack);
        if (!m_pictures.Get()) return;
        // The line's height and one row more, as whole blocks of the picture's pixels.
        const int m = m_multiple, rows = (r.bottom - r.top + 1 + m - 1) / m;
        DrawBitmapScaled(dc, r.left, r.top, m_pictures.Get(), m_pictureWidth, rows, m,
                         static_cast<int>(kind) * m_pictureRowHeight);
    }

    HINSTANCE m_instance;
    KeyListData& m_data;
    HWND m_list = nullptr;
    GdiObject<HBITMAP> m_pictures;
    int m_pictureWidth = 0, m_pictureRowHeight = 0;
    int m_multiple = 1; // the pictures' pixels as blocks, at the dialog's DPI
};
} // namespace

int RunKeyListDialog(HINSTANCE instance, HWND owner, KeyListData& data) {
    KeyListDialog dialog(instance, data);
    return static_cast<int>(dialog.Run(instance, IDD_KEY_LIST, owner));
}
