#include "platform/win32/win32_shell_folders.h"

#include <shellapi.h>
#include <wrl/client.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "launch/wow64_paths.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_text.h"

using Microsoft::WRL::ComPtr;

static_assert(link_resolution::kNoUi == SLR_NO_UI && link_resolution::kAnyMatch == SLR_ANY_MATCH,
              "the resolve flags are the shell's");

namespace {

ItemIdList ParseWithDesktop(IShellFolder* desktop, std::vector<wchar_t> name) {
    ITEMIDLIST* parsed = nullptr;
    HRESULT result = desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &parsed, nullptr);
    ItemIdList owned(parsed);
    if (FAILED(result)) owned.reset();
    return owned;
}

ComPtr<IShellFolder> BindFolder(IShellFolder* desktop, const std::string& folderPath) {
    ComPtr<IShellFolder> folder;
    ItemIdList folderId = ParseWithDesktop(desktop, WideFrom(folderPath));
    if (folderId &&
        FAILED(desktop->BindToObject(folderId.get(), nullptr, __uuidof(IShellFolder),
                                     reinterpret_cast<void**>(folder.GetAddressOf())))) {
        folder.Reset();
    }
    return folder;
}

}  // namespace

ShortcutParts ReadShortcut(IShellFolder* folder, LPCITEMIDLIST itemId, const char* path,
                           link_resolution::Search search, HWND owner, IClassFactory* links) {
    ShortcutParts parts;
    // The wide interface: the ANSI one hands paths back through buffers of
    // MAX_PATH bytes, too few for a long path in UTF-8.
    ComPtr<IShellLinkW> link;
    void** made = reinterpret_cast<void**>(link.GetAddressOf());
    if (FAILED(links ? links->CreateInstance(nullptr, __uuidof(IShellLinkW), made)
                     : CoCreateInstance(__uuidof(ShellLink), nullptr, CLSCTX_INPROC_SERVER,
                                        __uuidof(IShellLinkW), made)))
        return parts;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(__uuidof(IPersistFile),
                                    reinterpret_cast<void**>(file.GetAddressOf()))))
        return parts;
    if (FAILED(file->Load(WideFrom(path).data(), STGM_READ))) return parts;
    // Quiet: SLR_NO_UI and a short time-out, nothing on screen. Asking the
    // user: the shell may show its search window over owner when the target
    // has moved, and the call blocks until it is answered.
    if (FAILED(link->Resolve(owner, link_resolution::Flags(search)))) return parts;

    wchar_t text[MAX_PATH] = L"";
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_UNCPRIORITY))) {
        text[MAX_PATH - 1] = L'\0';
        // Under WOW64 a 64-bit target can come back under "Program Files (x86)".
        Win32SystemInfo system;
        parts.command = NativeShortcutTarget(
            NarrowFrom(text), system.Wow64(), [&system](const std::string& p) { return system.FileExists(p); });
    }
    text[0] = L'\0';
    if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) {
        text[MAX_PATH - 1] = L'\0';
        parts.workingDirectory = NarrowFrom(text);
    }
    std::string title;
    if (GetItemDisplayName(folder, itemId, SHGDN_NORMAL, title)) parts.title = title;
    return parts;
}

namespace {

// The path of itemId in a folder of the file system: its parsing name, the
// full path ("the name returned ... is a fully qualified path", IShellFolder::
// GetDisplayNameOf with SHGDN_FORPARSING, learn.microsoft.com). Empty for an
// item that is no file. Read from the folder at hand, not by parsing the
// path again from the desktop, which costs most of a refresh.
std::string ItemPath(IShellFolder* folder, LPCITEMIDLIST itemId) {
    std::string path;
    if (!GetItemDisplayName(folder, itemId, SHGDN_FORPARSING, path)) return std::string();
    const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
    const bool share = path.rfind("\\\\", 0) == 0;
    return drive || share ? path : std::string();
}

std::unique_ptr<ShortcutItem> ReadItem(IShellFolder* folder, LPCITEMIDLIST itemId, IClassFactory* links) {
    auto item = std::make_unique<ShortcutItem>();
    const std::string path = ItemPath(folder, itemId);

    // Only the lower-case spelling marks a shortcut; "X.LNK" is a plain file.
    if (path.find(".lnk") != std::string::npos) {
        // Every part that could be read is taken.
        const ShortcutParts parts =
            ReadShortcut(folder, itemId, path.c_str(), link_resolution::Search::Quiet, nullptr, links);
        item->command = parts.command.value_or("");
        item->workingDirectory = parts.workingDirectory.value_or("");
        item->title = parts.title.value_or("");
        return item;
    }
    // The name the file shows in its folder (SHGetFileInfo's SHGFI_DISPLAYNAME).
    GetItemDisplayName(folder, itemId, SHGDN_INFOLDER, item->title);
    item->command = path;
    return item;
}

}  // namespace

bool GetItemDisplayName(IShellFolder* folder, LPCITEMIDLIST itemId, DWORD flags, std::string& text) {
    STRRET name{};
    if (folder->GetDisplayNameOf(itemId, flags, &name) != S_OK) return false;
    switch (name.uType) {
    case STRRET_WSTR:
        text = NarrowFrom(name.pOleStr);
        CoTaskMemFree(name.pOleStr);
        return true;
    case STRRET_OFFSET: {
        // The name lies inside the identifier itself; read no further than its end.
        const UINT size = ILGetSize(itemId);
        if (name.uOffset >= size) return false;
        const char* start = reinterpret_cast<const char*>(itemId) + name.uOffset;
        text.assign(start, strnlen(start, size - name.uOffset));
        return true;
    }
    case STRRET_CSTR:
        text.assign(name.cStr, strnlen(name.cStr, sizeof name.cStr));
        return true;
    default:
        return false;
    }
}

// Wide: the ANSI call fills MAX_PATH bytes, too few for a long path in UTF-8.
std::string PathOfItemId(LPCITEMIDLIST absolute) {
    wchar_t path[MAX_PATH] = L"";
    return SHGetPathFromIDListW(absolute, path) ? NarrowFrom(path) : std::string();
}

ItemIdList GetAbsoluteItemId(IShellFolder* folder, LPCITEMIDLIST itemId) {
    std::string path;
    if (!GetItemDisplayName(folder, itemId, SHGDN_FORPARSING, path)) return nullptr;
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.GetAddressOf()))) return nullptr;
    return ParseWithDesktop(desktop.Get(), WideFrom(path));
}

namespace {
// The items of one folder, on a thread whose COM is initialised.
int CollectItems(const std::string& folderPath, ShortcutItems& items) {
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.GetAddressOf()))) return 0;
    ComPtr<IShellFolder> folder = BindFolder(desktop.Get(), folderPath);
    if (!folder) return 1;

    ComPtr<IEnumIDList> entries;
    if (FAILED(folder->EnumObjects(nullptr, SHCONTF_NONFOLDERS, entries.GetAddressOf())) || !entries)
        return 1;
    // One class object makes every link of the folder: CoCreateInstance would
    // look the class up in the registry again for each (CoGetClassObject,
    // learn.microsoft.com: "call CoGetClassObject ... when you want to create
    // multiple objects through a class object").
    ComPtr<IClassFactory> links;
    CoGetClassObject(__uuidof(ShellLink), CLSCTX_INPROC_SERVER, nullptr, __uuidof(IClassFactory),
                     reinterpret_cast<void**>(links.GetAddressOf()));
    for (;;) {
        ITEMIDLIST* next = nullptr;
        HRESULT result = entries->Next(1, &next, nullptr);
        ItemIdList itemId(next);
        if (result != S_OK) break;
        try {
            items.push_back(ReadItem(folder.Get(), itemId.get(), links.Get()));
        } catch (const std::bad_alloc&) {
            break;
        }
    }
    return 1;
}
} // namespace

int Win32ShellFolders::CollectFolderItems(const std::string& folderPath, ShortcutItems& items) {
    return CollectItems(folderPath, items);
}

void Win32ShellFolders::ReadFoldersInBackground(const std::vector<std::string>& folders) {
    if (m_reading) return; // one reading a run
    m_reading = std::make_shared<Reading>();
    m_reading->folders = folders;
    m_reading->mainWindow = m_mainWindow();
    auto shared = std::make_unique<std::shared_ptr<Reading>>(m_reading);
    m_thread = CreateThread(nullptr, 0, ReadFolders, shared.get(), 0, nullptr);
    if (m_thread) shared.release();
}

DWORD WINAPI Win32ShellFolders::ReadFolders(void* parameter) {
    const std::unique_ptr<std::shared_ptr<Reading>> shared(static_cast<std::shared_ptr<Reading>*>(parameter));
    Reading& reading = **shared;
    // The link objects are apartment-threaded; this thread is their apartment.
    const ComApartment com;
    auto read = std::make_unique<std::vector<ShortcutItems>>();
    for (const std::string& folder : reading.folders) {
        if (reading.stop) break;
        read->emplace_back();
        CollectItems(folder, read->back());
    }
    // Only a complete reading is handed over; a window already gone takes none.
    if (!reading.stop &&
        PostMessageA(reading.mainWindow, WM_FOLDERS_READ, 0, reinterpret_cast<LPARAM>(read.get())))
        read.release();
    return 0;
}

Win32ShellFolders::~Win32ShellFolders() {
    if (!m_thread) return;
    m_reading->stop = true;
    // A shortcut on an unreachable drive can keep one reading for a while;
    // the program does not wait long for it.
    WaitForSingleObject(m_thread, 3000);
    CloseHandle(m_thread);
}
