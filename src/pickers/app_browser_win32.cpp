#include "pickers/app_browser_win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <cstring>
#include <memory>
#include <vector>

#include "common/dialog_ids.h"
#include "pickers/view_button_win32.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/modal_dialog.h"
#include "platform/win32/win32_shell_folders.h"

using Microsoft::WRL::ComPtr;

namespace {
constexpr COLORREF kTransparent = RGB(192, 192, 192);
constexpr SFGAOF kFileAttributes = SFGAO_LINK | SFGAO_SHARE | SFGAO_READONLY | SFGAO_GHOSTED;
constexpr int kShortcutOverlay = 2;

// A folder of the tree: the folder holding it and its ids.
struct FolderNode {
    ComPtr<IShellFolder> parent;
    ItemIdList relative, absolute;
};
// A file of the list.
struct FileNode {
    ComPtr<IShellFolder> folder;
    ItemIdList relative;
    SFGAOF attributes = 0;
};

int SmallIcon(LPCITEMIDLIST absolute, UINT extra) {
    SHFILEINFOA info{};
    if (!SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof info,
                        SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extra))
        return 0;
    return info.iIcon;
}

ComPtr<IShellFolder> Bind(IShellFolder* parent, LPCITEMIDLIST relative) {
    ComPtr<IShellFolder> folder;
    if (FAILED(parent->BindToObject(relative, nullptr, __uuidof(IShellFolder),
                                    reinterpret_cast<void**>(folder.GetAddressOf()))))
        folder.Reset();
    return folder;
}

// The folder's own order of two of its items; a failed comparison is a tie.
int CALLBACK CompareFolders(LPARAM a, LPARAM b, LPARAM) {
    const auto* x = reinterpret_cast<const FolderNode*>(a);
    const auto* y = reinterpret_cast<const FolderNode*>(b);
    const HRESULT result = x->parent->CompareIDs(0, x->relative.get(), y->relative.get());
    return FAILED(result) ? 0 : static_cast<short>(HRESULT_CODE(result));
}

int CALLBACK CompareFiles(LPARAM a, LPARAM b, LPARAM) {
    const auto* x = reinterpret_cast<const FileNode*>(a);
    const auto* y = reinterpret_cast<const FileNode*>(b);
    const HRESULT result = x->folder->CompareIDs(0, x->relative.get(), y->relative.get());
    return FAILED(result) ? 0 : static_cast<short>(HRESULT_CODE(result));
}

class AppBrowserDialog : public ModalDialog {
public:
    AppBrowserDialog(HINSTANCE instance, std::string caption, AppBrowserState& state)
        : m_caption(std::move(caption)), m_state(state) {
        for (int i = 0; i < kPictureCount; ++i) m_pictures[i].Reset(LoadBitmapA(instance, kPictureNames[i]));
    }
    ~AppBrowserDialog() override {
        // The controls are gone; the nodes go while COM is still there.
        m_files.clear();
        m_folders.clear();
        m_root.reset();
        if (m_comStarted) CoUninitialize();
    }

private:
    void OnInit(HWND dialog) override {
        m_comStarted = SUCCEEDED(CoInitialize(nullptr));
        m_dialog = dialog;
        m_tree = GetDlgItem(dialog, IDC_FOLDER_TREE);
        m_list = GetDlgItem(dialog, IDC_FILE_LIST);
        for (int id : {IDC_LARGE_VIEW, IDC_SMALL_VIEW})
            SetWindowPos(GetDlgItem(dialog, id), nullptr, 0, 0, 23, 22, SWP_NOMOVE | SWP_NOZORDER);
        SetView(true);
        SetWindowTextA(dialog, m_caption.c_str());
        EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
        FillTopLevel();
        if (m_state.FolderMode()) EnableWindow(m_list, FALSE);
    }
    void ReadBack(HWND) override { m_state.End(true); }

    void FillTopLevel() {
        SHFILEINFOA info{};
        auto small = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
        if (!small) return;
        TreeView_SetImageList(m_tree, small, TVSIL_NORMAL);
        ITEMIDLIST* root = nullptr;
        if (FAILED(SHGetSpecialFolderLocation(m_dialog, CSIDL_PROGRAMS, &root))) return;
        m_root.reset(root);
        ComPtr<IShellFolder> desktop;
        if (FAILED(SHGetDesktopFolder(desktop.GetAddressOf()))) return;
        ComPtr<IShellFolder> programs = Bind(desktop.Get(), m_root.get());
        if (!programs) return;
        TreeView_DeleteAllItems(m_tree);
        FillLevel(programs.Get(), m_root.get(), TVI_ROOT);
        SortLevel(TVI_ROOT);
    }

    // The sub-folders of folder under the tree item parent, in the shell's order.
    void FillLevel(IShellFolder* folder, LPCITEMIDLIST absolute, HTREEITEM parent) {
        ComPtr<IEnumIDList> items;
        if (FAILED(folder->EnumObjects(m_dialog, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS,
                                       items.GetAddressOf())) || !items)
            return;
        for (ITEMIDLIST* next = nullptr; items->Next(1, &next, nullptr) == S_OK; next = nullptr) {
            ItemIdList id(next);
            LPCITEMIDLIST one = id.get();
            SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
            if (FAILED(folder->GetAttributesOf(1, &one, &attributes)) || !(attributes & SFGAO_FOLDER))
                continue;
            char name[MAX_PATH];
            if (!GetItemDisplayName(folder, one, SHGDN_NORMAL, name)) return;
            auto node = std::make_unique<FolderNode>();
            node->parent = folder;
            node->absolute.reset(ILCombine(absolute, one));
            node->relative = std::move(id);
            TVINSERTSTRUCTA insert{};
            insert.hParent = parent;
            insert.hInsertAfter = TVI_LAST;
            TVITEMA& item = insert.item;
            item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
            item.pszText = name;
            item.lParam = reinterpret_cast<LPARAM>(node.get());
            item.iImage = SmallIcon(node->absolute.get(), 0);
            item.iSelectedImage = SmallIcon(node->absolute.get(), SHGFI_OPENICON);
            item.cChildren = (attributes & SFGAO_HASSUBFOLDER) ? 1 : 0;
            m_folders.push_back(std::move(node));
            SendMessageA(m_tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
        }
    }
    void SortLevel(HTREEITEM parent) {
        TVSORTCB sort{parent, CompareFolders, 0};
        TreeView_SortChildrenCB(m_tree, &sort, FALSE);
    }

    void Expanding(const NMTREEVIEWA& change) {
        HTREEITEM item = change.itemNew.hItem;
        if (TreeView_GetItemState(m_tree, item, TVIS_EXPANDEDONCE) & TVIS_EXPANDEDONCE) return;
        const auto* node = reinterpret_cast<const FolderNode*>(change.itemNew.lParam);
        if (!node) return;
        if (ComPtr<IShellFolder> folder = Bind(node->parent.Get(), node->relative.get())) {
            FillLevel(folder.Get(), node->absolute.get(), item);
            SortLevel(item);
        }
    }

    void Selected(const NMTREEVIEWA& change) {
        const auto* node = reinterpret_cast<const FolderNode*>(change.itemNew.lParam);
        std::string path;
        if (node) {
            if (ComPtr<IShellFolder> folder = Bind(node->parent.Get(), node->relative.get()))
                FillList(folder.Get(), node->absolute.get());
            char text[MAX_PATH] = "";
            ItemIdList absolute = GetAbsoluteItemId(node->parent.Get(), node->relative.get());
            if (absolute && SHGetPathFromIDListA(absolute.get(), text)) path = text;
        }
        m_state.FolderSelected(path);
        EnableWindow(GetDlgItem(m_dialog, IDOK), m_state.OkEnabled());
    }

    // Every file the folder holds, whatever its type; text and icon come on demand.
    void FillList(IShellFolder* folder, LPCITEMIDLIST absolute) {
        ListView_DeleteAllItems(m_list);
        m_files.clear();
        SHFILEINFOA info{};
        const auto path = reinterpret_cast<LPCSTR>(absolute);
        auto small = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
            path, 0, &info, sizeof info, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
        auto large = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_PIDL | SHGFI_SYSICONINDEX));
        if (!small || !large) return;
        ListView_SetImageList(m_list, small, LVSIL_SMALL);
        ListView_SetImageList(m_list, large, LVSIL_NORMAL);
        ComPtr<IEnumIDList> items;
        if (FAILED(folder->EnumObjects(m_dialog, SHCONTF_NONFOLDERS, items.GetAddressOf())) || !items)
            return;
        int index = 0;
        for (ITEMIDLIST* next = nullptr; items->Next(1, &next, nullptr) == S_OK; next = nullptr) {
            auto node = std::make_unique<FileNode>();
            node->relative.reset(next);
            LPCITEMIDLIST one = next;
            node->attributes = kFileAttributes;
            if (FAILED(folder->GetAttributesOf(1, &one, &node->attributes))) node->attributes = 0;
            node->folder = folder;
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
            item.iItem = index++;
            item.pszText = LPSTR_TEXTCALLBACKA;
            item.iImage = I_IMAGECALLBACK;
            item.lParam = reinterpret_cast<LPARAM>(node.get());
            m_files.push_back(std::move(node));
            if (SendMessageA(m_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) == -1) return;
        }
        ListView_SortItems(m_list, CompareFiles, 0);
    }

    void GiveDisplayInfo(NMLVDISPINFOA& request) {
        LVITEMA& item = request.item;
        const auto* node = reinterpret_cast<const FileNode*>(item.lParam);
        if (!node) return;
        if (item.mask & LVIF_IMAGE) {
            ItemIdList absolute = GetAbsoluteItemId(node->folder.Get(), node->relative.get());
            item.iImage = absolute ? SmallIcon(absolute.get(), 0) : 0;
            if (node->attributes & SFGAO_LINK) {
                item.mask |= LVIF_STATE;
                item.state = INDEXTOOVERLAYMASK(kShortcutOverlay);
                item.stateMask = LVIS_OVERLAYMASK;
            }
        }
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
            char name[MAX_PATH] = "";
            GetItemDisplayName(node->folder.Get(), node->relative.get(), SHGDN_NORMAL, name);
            lstrcpynA(item.pszText, name, item.cchTextMax);
        }
    }

    // A double click on a file chooses it; a shortcut gives its target and
    // working directory, any other file its own path. The item is the one
    // the list reports with the click: the pointer may have moved since, and
    // a click between an icon and its label still belongs to the item.
    void Choose(const NMITEMACTIVATE& click) {
        if (click.iItem < 0) return;
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = click.iItem;
        if (!SendMessageA(m_list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) || !item.lParam) return;
        const auto* node = reinterpret_cast<const FileNode*>(item.lParam);
        char path[MAX_PATH] = "";
        ItemIdList absolute = GetAbsoluteItemId(node->folder.Get(), node->relative.get());
        if (!absolute || !SHGetPathFromIDListA(absolute.get(), path)) path[0] = '\0';
        if (std::strstr(path, ".lnk"))
            m_state.ShortcutChosen(
                ReadShortcut(node->folder.Get(), node->relative.get(), path, m_list));
        else
            m_state.FileChosen({path, "", ""});
        EnableWindow(GetDlgItem(m_dialog, IDOK), m_state.OkEnabled());
    }

    void SetView(bool large) {
        LONG_PTR style = GetWindowLongPtrA(m_list, GWL_STYLE);
        if (large)
            style &= ~static_cast<LONG_PTR>(LVS_TYPEMASK);
        else if ((style & LVS_TYPEMASK) < LVS_LIST)
            style = (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | LVS_LIST;
        SetWindowLongPtrA(m_list, GWL_STYLE, style);
        m_state.SetLargeIcons(large);
        for (int id : {IDC_LARGE_VIEW, IDC_SMALL_VIEW}) InvalidateRect(GetDlgItem(m_dialog, id), nullptr, TRUE);
    }

    void DrawButton(const DRAWITEMSTRUCT& item) {
        const char* name = item.CtlID == IDC_LARGE_VIEW ? m_state.LargeButtonPicture()
                                                         : m_state.SmallButtonPicture();
        for (int i = 0; i < kPictureCount; ++i)
            if (std::strcmp(kPictureNames[i], name) == 0 && m_pictures[i].Get())
                DrawTransparent(item.hDC, m_pictures[i].Get(), kTransparent);
    }

    bool OnCommand(HWND, WORD id, WORD code) override {
        if (code != BN_CLICKED || (id != IDC_LARGE_VIEW && id != IDC_SMALL_VIEW)) return false;
        SetView(id == IDC_LARGE_VIEW);
        return true;
    }
    bool OnMessage(HWND, UINT message, WPARAM, LPARAM lParam) override {
        if (message == WM_DRAWITEM) {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlID != IDC_LARGE_VIEW && item.CtlID != IDC_SMALL_VIEW) return false;
            DrawButton(item);
            return true;
        }
        if (message != WM_NOTIFY) return false;
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        switch (header->code) {
        case TVN_SELCHANGEDA:
            Selected(*reinterpret_cast<NMTREEVIEWA*>(lParam));
            break;
        case TVN_ITEMEXPANDINGA:
            Expanding(*reinterpret_cast<NMTREEVIEWA*>(lParam));
            break;
        case LVN_GETDISPINFOA:
            GiveDisplayInfo(*reinterpret_cast<NMLVDISPINFOA*>(lParam));
            break;
        case NM_DBLCLK:
            if (header->idFrom == IDC_FILE_LIST)
                Choose(*reinterpret_cast<const NMITEMACTIVATE*>(lParam));
            break;
        default:
            return false;
        }
        SetWindowLongPtrA(m_dialog, DWLP_MSGRESULT, 0);
        return true;
    }

    std::string m_caption;
    AppBrowserState& m_state;
    static constexpr int kPictureCount = 4;
    static constexpr const char* kPictureNames[kPictureCount] = {"LARGEU", "LARGED", "SMALLU", "SMALLD"};
    GdiObject<HBITMAP> m_pictures[kPictureCount];
    bool m_comStarted = false;
    HWND m_dialog = nullptr, m_tree = nullptr, m_list = nullptr;
    ItemIdList m_root;
    // The nodes the controls' items point at, owned here: tree nodes for the
    // dialog's life, file nodes until the list is filled again.
    std::vector<std::unique_ptr<FolderNode>> m_folders;
    std::vector<std::unique_ptr<FileNode>> m_files;
};
} // namespace

int RunAppBrowser(HINSTANCE instance, HWND owner, const std::string& caption, AppBrowserState& state) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    AppBrowserDialog dialog(instance, caption, state);
    return static_cast<int>(dialog.Run(instance, IDD_APP_BROWSER, owner));
}
