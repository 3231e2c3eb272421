#include "pickers/app_browser_win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/dialog_ids.h"
#include "pickers/start_menu.h"
#include "pickers/view_button_win32.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/modal_dialog.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_shell_folders.h"

using Microsoft::WRL::ComPtr;

namespace {
constexpr COLORREF kTransparent = RGB(192, 192, 192);
constexpr SFGAOF kFileAttributes = SFGAO_LINK | SFGAO_SHARE | SFGAO_READONLY | SFGAO_GHOSTED;
constexpr int kShortcutOverlay = 2;

// A folder of the tree in one part of the Start menu: the folder holding it and its ids.
struct FolderPart {
    start_menu::Part part;
    ComPtr<IShellFolder> parent;
    ItemIdList relative, absolute;
};
// A folder of the tree: its folder in one or both parts, the user's first.
struct FolderNode {
    std::vector<FolderPart> parts;
};
// A file of the list.
struct FileNode {
    ComPtr<IShellFolder> folder;
    ItemIdList relative;
    SFGAOF attributes = 0;
};
// A folder bound for enumeration: one part of a tree level or of the list.
struct Source {
    start_menu::Part part;
    ComPtr<IShellFolder> folder;
    LPCITEMIDLIST absolute;
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

// The parts of a node, bound; a part that cannot be bound is left out.
std::vector<Source> BindParts(const FolderNode& node) {
    std::vector<Source> sources;
    for (const FolderPart& part : node.parts)
        if (ComPtr<IShellFolder> folder = Bind(part.parent.Get(), part.relative.get()))
            sources.push_back({part.part, std::move(folder), part.absolute.get()});
    return sources;
}

// What merging goes by: the item's name in its folder's file system and the
// name the shell shows. The first is empty when the shell has none.
start_menu::Entry EntryOf(IShellFolder* folder, LPCITEMIDLIST item, const std::string& shown,
                          start_menu::Part part, std::size_t handle) {
    std::string name;
    GetItemDisplayName(folder, item, SHGDN_INFOLDER | SHGDN_FORPARSING, name); // empty when none
    return {name, shown, part, handle};
}

class AppBrowserDialog : public ModalDialog {
public:
    AppBrowserDialog(HINSTANCE instance, std::string caption, AppBrowserState& state)
        : m_caption(std::move(caption)), m_state(state) {
        for (int i = 0; i < kPictureCount; ++i) m_pictures[i].Reset(LoadBitmapA(instance, kPictureNames[i]));
    }

private:
    // COM is the thread's, initialised at start-up (ComApartment in WinMain).
    void OnInit(HWND dialog) override {
        m_dialog = dialog;
        m_tree = GetDlgItem(dialog, IDC_FOLDER_TREE);
        m_list = GetDlgItem(dialog, IDC_FILE_LIST);
        m_multiple = ScaleOfWindow(dialog).Multiple();
        for (int id : {IDC_LARGE_VIEW, IDC_SMALL_VIEW})
            SetWindowPos(GetDlgItem(dialog, id), nullptr, 0, 0, kViewButtonWidth * m_multiple,
                         kViewButtonHeight * m_multiple, SWP_NOMOVE | SWP_NOZORDER);
        SetView(true);
        SetWindowTextA(dialog, m_caption.c_str());
        EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
        FillTopLevel();
        if (m_state.FolderMode()) EnableWindow(m_list, FALSE);
    }
    void ReadBack(HWND) override { m_state.End(true); }

    // The sub-folders of both parts of the Start menu's Programs folder: the
    // user's own (CSIDL_PROGRAMS) and that of all users (CSIDL_COMMON_PROGRAMS),
    // as learn.microsoft.com's "CSIDL" names them (FOLDERID_Programs and
    // FOLDERID_CommonPrograms among the KNOWNFOLDERIDs).
    void FillTopLevel() {
        SHFILEINFOA info{};
        auto small = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
        if (!small) return;
        TreeView_SetImageList(m_tree, small, TVSIL_NORMAL);
        ComPtr<IShellFolder> desktop;
        if (FAILED(SHGetDesktopFolder(desktop.GetAddressOf()))) return;
        std::vector<Source> roots;
        for (const auto& [part, id] : {std::pair{start_menu::Part::User, CSIDL_PROGRAMS},
                                       std::pair{start_menu::Part::AllUsers, CSIDL_COMMON_PROGRAMS}}) {
            ITEMIDLIST* root = nullptr;
            if (FAILED(SHGetSpecialFolderLocation(m_dialog, id, &root))) continue;
            m_roots.emplace_back(root);
            if (ComPtr<IShellFolder> programs = Bind(desktop.Get(), root))
                roots.push_back({part, std::move(programs), root});
        }
        if (roots.empty()) return;
        TreeView_DeleteAllItems(m_tree);
        FillLevel(roots, TVI_ROOT);
    }

    // The sub-folders of the sources under the tree item parent, merged and
    // ordered by start_menu::Merge.
    void FillLevel(const std::vector<Source>& sources, HTREEITEM parent) {
        struct Found {
            const Source* source;
            ItemIdList id;
            bool hasSubfolders;
        };
        std::vector<Found> found;
        std::vector<start_menu::Entry> entries;
        for (const Source& source : sources) {
            IShellFolder* folder = source.folder.Get();
            ComPtr<IEnumIDList> items;
            if (FAILED(folder->EnumObjects(m_dialog, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS,
                                           items.GetAddressOf())) || !items)
                continue;
            for (ITEMIDLIST* next = nullptr; items->Next(1, &next, nullptr) == S_OK; next = nullptr) {
                ItemIdList id(next);
                LPCITEMIDLIST one = id.get();
                SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
                if (FAILED(folder->GetAttributesOf(1, &one, &attributes)) || !(attributes & SFGAO_FOLDER))
                    continue;
                std::string shown;
                if (!GetItemDisplayName(folder, one, SHGDN_NORMAL, shown)) break;
                entries.push_back(EntryOf(folder, one, shown, source.part, found.size()));
                found.push_back({&source, std::move(id), (attributes & SFGAO_HASSUBFOLDER) != 0});
            }
        }
        for (const start_menu::Merged& merged : start_menu::Merge(std::move(entries))) {
            auto node = std::make_unique<FolderNode>();
            bool hasSubfolders = false;
            for (const start_menu::Entry& entry : merged.parts) {
                Found& one = found[entry.handle];
                FolderPart part{entry.part, one.source->folder, nullptr, nullptr};
                part.absolute.reset(ILCombine(one.source->absolute, one.id.get()));
                part.relative = std::move(one.id);
                node->parts.push_back(std::move(part));
                hasSubfolders = hasSubfolders || one.hasSubfolders;
            }
            std::string name = merged.displayName;
            TVINSERTSTRUCTA insert{};
            insert.hParent = parent;
            insert.hInsertAfter = TVI_LAST;
            TVITEMA& item = insert.item;
            item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
            item.pszText = &name[0];
            item.lParam = reinterpret_cast<LPARAM>(node.get());
            const LPCITEMIDLIST icon = node->parts.front().absolute.get();
            item.iImage = SmallIcon(icon, 0);
            item.iSelectedImage = SmallIcon(icon, SHGFI_OPENICON);
            item.cChildren = hasSubfolders ? 1 : 0;
            m_folders.push_back(std::move(node));
            SendMessageA(m_tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
        }
    }

    void Expanding(const NMTREEVIEWA& change) {
        HTREEITEM item = change.itemNew.hItem;
        if (TreeView_GetItemState(m_tree, item, TVIS_EXPANDEDONCE) & TVIS_EXPANDEDONCE) return;
        const auto* node = reinterpret_cast<const FolderNode*>(change.itemNew.lParam);
        if (node) FillLevel(BindParts(*node), item);
    }

    // The list shows the files of every part of the node; a popup list takes
    // the folder of one part (start_menu::PopupFolderPath).
    void Selected(const NMTREEVIEWA& change) {
        const auto* node = reinterpret_cast<const FolderNode*>(change.itemNew.lParam);
        std::vector<start_menu::Folder> folders;
        if (node) {
            const std::vector<Source> sources = BindParts(*node);
            const std::vector<std::size_t> files = FillList(sources);
            for (const FolderPart& part : node->parts) {
                start_menu::Folder folder{part.part, "", 0};
                ItemIdList absolute = GetAbsoluteItemId(part.parent.Get(), part.relative.get());
                if (absolute) folder.path = PathOfItemId(absolute.get());
                for (std::size_t i = 0; i < sources.size(); ++i)
                    if (sources[i].part == part.part) folder.files = files[i];
                folders.push_back(std::move(folder));
            }
        }
        m_state.FolderSelected(folders);
        EnableWindow(GetDlgItem(m_dialog, IDOK), m_state.OkEnabled());
    }

    // Every file the sources hold, whatever its type, merged and ordered by
    // start_menu::Merge; text and icon come on demand. Gives the number of
    // files of each source.
    std::vector<std::size_t> FillList(const std::vector<Source>& sources) {
        ListView_DeleteAllItems(m_list);
        m_files.clear();
        std::vector<std::size_t> counts(sources.size(), 0);
        std::vector<std::unique_ptr<FileNode>> found;
        std::vector<start_menu::Entry> entries;
        for (std::size_t i = 0; i < sources.size(); ++i) {
            IShellFolder* folder = sources[i].folder.Get();
            ComPtr<IEnumIDList> items;
            if (FAILED(folder->EnumObjects(m_dialog, SHCONTF_NONFOLDERS, items.GetAddressOf())) || !items)
                continue;
            for (ITEMIDLIST* next = nullptr; items->Next(1, &next, nullptr) == S_OK; next = nullptr) {
                auto node = std::make_unique<FileNode>();
                node->relative.reset(next);
                LPCITEMIDLIST one = next;
                node->attributes = kFileAttributes;
                if (FAILED(folder->GetAttributesOf(1, &one, &node->attributes))) node->attributes = 0;
                node->folder = folder;
                std::string shown;
                GetItemDisplayName(folder, one, SHGDN_NORMAL, shown);
                entries.push_back(EntryOf(folder, one, shown, sources[i].part, found.size()));
                found.push_back(std::move(node));
                ++counts[i];
            }
        }
        if (sources.empty()) return counts;
        SHFILEINFOA info{};
        const auto path = reinterpret_cast<LPCSTR>(sources.front().absolute);
        auto small = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
            path, 0, &info, sizeof info, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
        auto large = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_PIDL | SHGFI_SYSICONINDEX));
        if (!small || !large) return counts;
        ListView_SetImageList(m_list, small, LVSIL_SMALL);
        ListView_SetImageList(m_list, large, LVSIL_NORMAL);
        int index = 0;
        for (const start_menu::Merged& merged : start_menu::Merge(std::move(entries))) {
            // A file both parts hold opens the user's own copy.
            std::unique_ptr<FileNode>& node = found[merged.parts.front().handle];
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
            item.iItem = index++;
            item.pszText = LPSTR_TEXTCALLBACKA;
            item.iImage = I_IMAGECALLBACK;
            item.lParam = reinterpret_cast<LPARAM>(node.get());
            m_files.push_back(std::move(node));
            if (SendMessageA(m_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) == -1) break;
        }
        return counts;
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
            std::string name;
            GetItemDisplayName(node->folder.Get(), node->relative.get(), SHGDN_NORMAL, name);
            lstrcpynA(item.pszText, name.c_str(), item.cchTextMax);
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
        ItemIdList absolute = GetAbsoluteItemId(node->folder.Get(), node->relative.get());
        const std::string path = absolute ? PathOfItemId(absolute.get()) : std::string();
        // The user asked for this one: the shell may ask about a moved target.
        if (path.find(".lnk") != std::string::npos)
            m_state.ShortcutChosen(ReadShortcut(node->folder.Get(), node->relative.get(), path.c_str(),
                                                link_resolution::Search::AskingUser, m_list));
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
                DrawTransparent(item.hDC, m_pictures[i].Get(), kTransparent, m_multiple);
    }

    bool OnCommand(HWND, WORD id, WORD code) override {
        if (code != BN_CLICKED || (id != IDC_LARGE_VIEW && id != IDC_SMALL_VIEW)) return false;
        SetView(id == IDC_LARGE_VIEW);
        return true;
    }
    bool OnMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) override {
        // Moved to a monitor of another DPI: the system scales the dialog
        // and its buttons, the pictures follow at the next paint.
        if (message == WM_DPICHANGED) m_multiple = FaceScale::ForDpi(LOWORD(wParam)).Multiple();
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
    HWND m_dialog = nullptr, m_tree = nullptr, m_list = nullptr;
    int m_multiple = 1; // the view buttons' pictures, at the dialog's DPI
    std::vector<ItemIdList> m_roots; // of the Programs folder's parts
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
