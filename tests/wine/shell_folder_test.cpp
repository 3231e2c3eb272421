// The shell's folders as the application browser reads them: shortcuts
// resolved, other files listed, in the shell's order, and the kinds of names
// the shell hands back.
#include <gtest/gtest.h>

#include <wrl/client.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/win32_shell_folders.h"
#include "wine/e2e/klv_process.h"

using Microsoft::WRL::ComPtr;
namespace fs = std::filesystem;

namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string NameText(IShellFolder* folder, LPCITEMIDLIST itemId, DWORD flags) {
    STRRET name{};
    if (FAILED(folder->GetDisplayNameOf(itemId, flags, &name)) || name.uType != STRRET_WSTR)
        return "?";
    const std::wstring wide = name.pOleStr;
    CoTaskMemFree(name.pOleStr);
    return std::string(wide.begin(), wide.end());
}

struct ListedFile {
    std::string fileName;
    std::string displayName;
};

// The non-folder entries of a folder as a plain enumeration of the shell gives them.
std::vector<ListedFile> ShellListing(const std::string& folderPath) {
    std::vector<ListedFile> listing;
    ComPtr<IShellFolder> desktop, folder;
    std::wstring wide = fs::path(folderPath).wstring();
    LPITEMIDLIST folderId = nullptr;
    if (FAILED(SHGetDesktopFolder(desktop.GetAddressOf())) ||
        FAILED(desktop->ParseDisplayName(nullptr, nullptr, &wide[0], nullptr, &folderId, nullptr)))
        return listing;
    ItemIdList ownedFolderId(folderId);
    desktop->BindToObject(folderId, nullptr, IID_IShellFolder,
                          reinterpret_cast<void**>(folder.GetAddressOf()));
    ComPtr<IEnumIDList> entries;
    if (!folder || folder->EnumObjects(nullptr, SHCONTF_NONFOLDERS, entries.GetAddressOf()) != S_OK)
        return listing;
    LPITEMIDLIST next = nullptr;
    while (entries->Next(1, &next, nullptr) == S_OK) {
        ItemIdList itemId(next);
        listing.push_back({NameText(folder.Get(), next, SHGDN_INFOLDER | SHGDN_FORPARSING),
                           NameText(folder.Get(), next, SHGDN_NORMAL)});
    }
    return listing;
}

// COM set up, and a fresh folder under the temporary directory, removed with
// its content. Its path is in long form because the shell answers with long names.
class ShellFolders : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(CoInitialize(nullptr));
        char temp[MAX_PATH], longTemp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        GetLongPathNameA(temp, longTemp, MAX_PATH);
        root_ = fs::path(longTemp) / ("klv-shell-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(root_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
        CoUninitialize();
    }
    std::string Path(const std::string& name) const { return (root_ / name).string(); }

    ShortcutItems Collect(const std::string& folderPath) {
        ShortcutItems items;
        EXPECT_EQ(1, Win32ShellFolders().CollectFolderItems(folderPath, items));
        return items;
    }

  private:
    fs::path root_;
};

// A shortcut gives its target and working directory (not its arguments); a
// file is listed with its own path. Only a path holding the lower-case
// ".lnk" is read as a shortcut: "Tool.LNK" is a plain file, and a file in a
// folder named "old.lnk files" is read as a shortcut that is none, which
// leaves all three fields empty. Missing and empty folders give no items.
TEST_F(ShellFolders, ResolvesShortcutsAndListsFilesInTheShellsOrder) {
    const std::string folder = Path("menu"), tools = Path("menu\\tools");
    fs::create_directories(tools);
    WriteBytes(tools + "\\editor.exe", "MZ");
    ASSERT_TRUE(e2e::SaveShortcut(folder + "\\Editor.lnk", tools + "\\editor.exe", "-n notes.txt", tools));
    ASSERT_TRUE(e2e::SaveShortcut(folder + "\\Tool.LNK", tools + "\\editor.exe", "", ""));
    WriteBytes(folder + "\\x.exe", "MZ");
    struct Expected {
        std::string command, workingDirectory;
    };
    const std::map<std::string, Expected> byFileName = {
        {"Editor.lnk", {tools + "\\editor.exe", tools}},
        {"Tool.LNK", {folder + "\\Tool.LNK", ""}},
        {"x.exe", {folder + "\\x.exe", ""}},
    };
    std::vector<ListedFile> listing = ShellListing(folder);
    ASSERT_EQ(3u, listing.size());
    ShortcutItems items = Collect(folder);
    ASSERT_EQ(3u, items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string& fileName = listing[i].fileName;
        SCOPED_TRACE(fileName);
        ASSERT_EQ(1u, byFileName.count(fileName));
        EXPECT_EQ(byFileName.at(fileName).command, items[i]->command);
        EXPECT_EQ(byFileName.at(fileName).workingDirectory, items[i]->workingDirectory);
        // The shell decides whether an extension shows; either way it is the file's name.
        EXPECT_EQ(listing[i].displayName, items[i]->title);
        EXPECT_TRUE(items[i]->title == fileName ||
                    items[i]->title == fileName.substr(0, fileName.rfind('.')));
    }

    fs::create_directories(Path("old.lnk files"));
    WriteBytes(Path("old.lnk files\\readme.txt"), "not a shortcut");
    items = Collect(Path("old.lnk files"));
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ(items[0]->command + items[0]->workingDirectory + items[0]->title, "");

    fs::create_directory(Path("empty"));
    EXPECT_TRUE(Collect(Path("missing")).empty());
    EXPECT_TRUE(Collect(Path("empty")).empty());
}

// A folder that answers GetDisplayNameOf with a prepared STRRET, to reach
// every kind of name the shell may hand back.
class NamingFolder : public IShellFolder {
  public:
    HRESULT answer = S_OK;
    STRRET name{};

    IFACEMETHODIMP GetDisplayNameOf(LPCITEMIDLIST, SHGDNF, STRRET* result) override {
        *result = name;
        if (name.uType == STRRET_WSTR) {
            result->pOleStr = static_cast<LPWSTR>(CoTaskMemAlloc(sizeof L"Notepad"));
            std::memcpy(result->pOleStr, L"Notepad", sizeof L"Notepad");
        }
        return answer;
    }
    IFACEMETHODIMP QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    IFACEMETHODIMP_(ULONG) AddRef() override { return 1; }
    IFACEMETHODIMP_(ULONG) Release() override { return 1; }
    IFACEMETHODIMP ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, LPITEMIDLIST*,
                                    ULONG*) override {
        return E_NOTIMPL;
    }
    IFACEMETHODIMP EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
    IFACEMETHODIMP BindToObject(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override {
        return E_NOTIMPL;
    }
    IFACEMETHODIMP BindToStorage(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override {
        return E_NOTIMPL;
    }
    IFACEMETHODIMP CompareIDs(LPARAM, LPCITEMIDLIST, LPCITEMIDLIST) override { return E_NOTIMPL; }
    IFACEMETHODIMP CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
    IFACEMETHODIMP GetAttributesOf(UINT, LPCITEMIDLIST*, SFGAOF*) override { return E_NOTIMPL; }
    IFACEMETHODIMP GetUIObjectOf(HWND, UINT, LPCITEMIDLIST*, REFIID, UINT*, void**) override {
        return E_NOTIMPL;
    }
    IFACEMETHODIMP SetNameOf(HWND, LPCITEMIDLIST, LPCWSTR, SHGDNF, LPITEMIDLIST*) override {
        return E_NOTIMPL;
    }
};

// One item identifier holding "ab" and then the name "Notepad", and the list's terminator.
struct OneItemId {
    USHORT cb = sizeof(USHORT) + 10;
    char bytes[10] = {'a', 'b', 'N', 'o', 't', 'e', 'p', 'a', 'd', '\0'};
    USHORT terminator = 0;
};

// Every kind of name the shell may hand back is read, an offset no further
// than the identifier's end; any other answer gives no name and no absolute
// identifier.
TEST(ShellItemNames, ReadsEveryKindOfNameAndRefusesTheRest) {
    const OneItemId itemId;
    const auto* id = reinterpret_cast<LPCITEMIDLIST>(&itemId);
    const struct {
        const char* what;
        HRESULT answer;
        UINT kind;
        UINT offset;
        int result;
    } cases[] = {
        {"wide", S_OK, STRRET_WSTR, 0, 1},
        {"inside the identifier", S_OK, STRRET_OFFSET, 4, 1},
        {"offset past the identifier", S_OK, STRRET_OFFSET, 40, 0},
        {"in the answer", S_OK, STRRET_CSTR, 0, 1},
        {"unknown kind", S_OK, 3, 0, 0},
        {"refused", E_FAIL, STRRET_CSTR, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        NamingFolder folder;
        folder.answer = c.answer;
        folder.name.uType = c.kind;
        if (c.kind == STRRET_OFFSET) folder.name.uOffset = c.offset;
        if (c.kind != STRRET_WSTR && c.kind != STRRET_OFFSET)
            std::strcpy(folder.name.cStr, "Notepad");
        char text[MAX_PATH] = "";
        EXPECT_EQ(c.result, GetItemDisplayName(&folder, id, SHGDN_NORMAL, text));
        if (c.result == 1) {
            EXPECT_STREQ("Notepad", text);
        } else {
            EXPECT_FALSE(GetAbsoluteItemId(&folder, id));
        }
    }
}

} // namespace
