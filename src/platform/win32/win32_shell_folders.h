#pragma once
#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/link_resolution.h"
#include "platform/ports/shell_folder_port.h"

// COM for the calling thread, apartment-threaded, for as long as it lives.
// The main thread holds one from start-up to exit: "Because ShellExecuteEx
// can delegate execution to Shell extensions ... that are activated using
// COM, COM should be initialized before ShellExecuteEx is called. Some Shell
// extensions require the COM single-threaded apartment (STA) type. In that
// case, COM should be initialized as shown here: CoInitializeEx(NULL,
// COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)" (learn.microsoft.com,
// ShellExecuteExA, Remarks); the shell namespace and link objects need it
// too. "To close the COM library gracefully on a thread, each successful
// call to CoInitialize or CoInitializeEx, including any call that returns
// S_FALSE, must be balanced by a corresponding call to CoUninitialize"
// (CoInitializeEx, Remarks): a thread already in another kind of apartment
// (RPC_E_CHANGED_MODE) keeps it and is not uninitialised here.
class ComApartment {
public:
    ComApartment()
        : m_initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED |
                                                              COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (m_initialised) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_initialised;
};

// An item identifier list from the shell's allocator, freed when it goes.
struct ItemIdListFree {
    void operator()(ITEMIDLIST* itemId) const { CoTaskMemFree(itemId); }
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListFree>;

// The display name of itemId (relative to folder) for the SHGDN_ flags, in
// the program's code page, into text. False when the shell refuses or answers
// with a kind of name we do not read.
bool GetItemDisplayName(IShellFolder* folder, LPCITEMIDLIST itemId, DWORD flags, std::string& text);

// The file-system path of an identifier list relative to the desktop, in the
// program's code page; empty for an item that is no file or folder.
std::string PathOfItemId(LPCITEMIDLIST absolute);

// The identifier list of itemId relative to the desktop, the form that
// SHGetPathFromIDListA and SHGetFileInfoA take; null on failure.
ItemIdList GetAbsoluteItemId(IShellFolder* folder, LPCITEMIDLIST itemId);

// Reads the target and working directory of the shortcut file at path
// (itemId in folder) and its display name as the title, on a thread whose
// COM is initialised. search: whether the shell may put a window on screen
// while it looks for a moved target; owner: of that window (AskingUser).
// links: the link class object to make it with, when many are read.
ShortcutParts ReadShortcut(IShellFolder* folder, LPCITEMIDLIST itemId, const char* path,
                           link_resolution::Search search, HWND owner, IClassFactory* links = nullptr);

// Posted to the main window when the folders read in the background are
// done; lParam owns a new std::vector<ShortcutItems>, one per folder.
constexpr UINT WM_FOLDERS_READ = WM_APP + 1;

// The folders of the real shell, shortcuts read through its link object
// quietly: this is how the popup lists are read again at every start.
class Win32ShellFolders : public ShellFolderPort {
public:
    explicit Win32ShellFolders(std::function<HWND()> mainWindow) : m_mainWindow(std::move(mainWindow)) {}
    // Lets a reading thread end after the folder it is reading.
    ~Win32ShellFolders() override;

    int CollectFolderItems(const std::string& folderPath, ShortcutItems& items) override;
    void ReadFoldersInBackground(const std::vector<std::string>& folders) override;

private:
    // What a reading thread uses, shared with it: the thread may outlive us.
    struct Reading {
        std::vector<std::string> folders;
        HWND mainWindow;
        std::atomic<bool> stop{false};
    };
    static DWORD WINAPI ReadFolders(void* reading);

    std::function<HWND()> m_mainWindow;
    std::shared_ptr<Reading> m_reading;
    HANDLE m_thread = nullptr;
};
