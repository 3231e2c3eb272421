#include <gtest/gtest.h>

#include <wrl/client.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "pickers/shortcut_resolution_win32.h"

using Microsoft::WRL::ComPtr;
namespace fs = std::filesystem;

namespace {

// A fresh folder under the temporary directory, removed with its content.
// Its path is in long form because the shell answers with long names.
class TempFolder {
public:
    TempFolder() {
        char temp[MAX_PATH], longTemp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        GetLongPathNameA(temp, longTemp, MAX_PATH);
        static int counter = 0;
        path_ = fs::path(longTemp) / ("klv-shell-" + std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(++counter));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string Path(const std::string& name = "") const {
        return name.empty() ? path_.string() : (path_ / name).string();
    }

private:
    fs::path path_;
};

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void SaveShortcut(const std::string& path, const std::string& target, const std::string& arguments,
                  const std::string& workingDirectory) {
    ComPtr<IShellLinkA> link;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IShellLinkA,
                                              reinterpret_cast<void**>(link.GetAddressOf())));
    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    link->SetWorkingDirectory(workingDirectory.c_str());
    ComPtr<IPersistFile> file;
    ASSERT_HRESULT_SUCCEEDED(link.As(&file));
    std::wstring widePath(path.begin(), path.end());
    ASSERT_HRESULT_SUCCEEDED(file->Save(widePath.c_str(), TRUE));
}

std::string NameText(IShellFolder* folder, LPCITEMIDLIST itemId, DWORD flags) {
    STRRET name{};
    if (FAILED(folder->GetDisplayNameOf(itemId, flags, &name)) || name.uType != STRRET_WSTR) return "?";
    std::wstring wide = name.pOleStr;
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
    if (FAILED(SHGetDesktopFolder(desktop.GetAddressOf()))) return listing;
    std::wstring wide(folderPath.begin(), folderPath.end());
    LPITEMIDLIST folderId = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, &wide[0], nullptr, &folderId, nullptr)))
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

std::string Stem(const std::string& fileName) {
    return fileName.substr(0, fileName.rfind('.'));
}

class ShellFolders : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }

    ShortcutItems Collect(const std::string& folderPath) {
        ShortcutItems items;
        EXPECT_EQ(1, Win32ShellFolders().CollectFolderItems(folderPath, items));
        return items;
    }
};

TEST_F(ShellFolders, ResolvesShortcutsAndListsFilesInTheShellsOrder) {
    TempFolder folder;
    const std::string tools = folder.Path("tools");
    fs::create_directory(tools);
    WriteBytes(tools + "\\editor.exe", "MZ");
    WriteBytes(tools + "\\viewer.exe", "MZ");
    SaveShortcut(folder.Path("Editor.lnk"), tools + "\\editor.exe", "-n notes.txt", tools);
    SaveShortcut(folder.Path("Viewer.lnk"), tools + "\\viewer.exe", "", "");
    WriteBytes(folder.Path("x.exe"), "MZ");

    struct Expected {
        std::string command, workingDirectory;
    };
    const std::map<std::string, Expected> byFileName = {
        {"Editor.lnk", {tools + "\\editor.exe", tools}},
        {"Viewer.lnk", {tools + "\\viewer.exe", ""}},
        {"x.exe", {folder.Path("x.exe"), ""}},
    };

    std::vector<ListedFile> listing = ShellListing(folder.Path());
    ASSERT_EQ(3u, listing.size());
    ShortcutItems items = Collect(folder.Path());
    ASSERT_EQ(3u, items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const ListedFile& listed = listing[i];
        SCOPED_TRACE(listed.fileName);
        ASSERT_EQ(1u, byFileName.count(listed.fileName));
        EXPECT_EQ(byFileName.at(listed.fileName).command, items[i]->command);
        EXPECT_EQ(byFileName.at(listed.fileName).workingDirectory, items[i]->workingDirectory);
        // The shell decides whether an extension shows; either way it is the file's name.
        EXPECT_EQ(listed.displayName, items[i]->title);
        EXPECT_TRUE(items[i]->title == listed.fileName || items[i]->title == Stem(listed.fileName));
    }
}

// Only a full path holding the lower-case ".lnk" is read as a shortcut; a file
// read as one that is no shortcut leaves all three fields empty.
struct SpellingCase {
    const char* folderName;
    const char* fileName;
    bool savedAsShortcut;
    bool readAsShortcut;
};

void PrintTo(const SpellingCase& spelling, std::ostream* out) {
    *out << spelling.folderName << "\\" << spelling.fileName;
}

class ShellFolderSpelling : public ShellFolders, public ::testing::WithParamInterface<SpellingCase> {};

TEST_P(ShellFolderSpelling, DecidesShortcutsByTheLowerCaseExtensionInThePath) {
    const SpellingCase& spelling = GetParam();
    TempFolder root;
    const std::string folderPath = root.Path(spelling.folderName);
    const std::string filePath = folderPath + "\\" + spelling.fileName;
    fs::create_directories(folderPath);
    WriteBytes(root.Path("target.exe"), "MZ");
    if (spelling.savedAsShortcut)
        SaveShortcut(filePath, root.Path("target.exe"), "", root.Path());
    else
        WriteBytes(filePath, "not a shortcut");

    std::vector<ListedFile> listing = ShellListing(folderPath);
    ASSERT_EQ(1u, listing.size());
    ShortcutItems items = Collect(folderPath);
    ASSERT_EQ(1u, items.size());
    if (spelling.readAsShortcut) {
        EXPECT_EQ("", items[0]->command);
        EXPECT_EQ("", items[0]->workingDirectory);
        EXPECT_EQ("", items[0]->title);
    } else {
        EXPECT_EQ(filePath, items[0]->command);
        EXPECT_EQ("", items[0]->workingDirectory);
        EXPECT_EQ(listing[0].displayName, items[0]->title);
        EXPECT_NE("", items[0]->title);
    }
}

INSTANTIATE_TEST_SUITE_P(Shell, ShellFolderSpelling,
                         ::testing::Values(SpellingCase{"links", "Tool.LNK", true, false},
                                           SpellingCase{"links", "Tool.Lnk", true, false},
                                           SpellingCase{"old.lnk files", "readme.txt", false, true},
                                           SpellingCase{"notes", "notes.lnk.txt", false, true}));

TEST_F(ShellFolders, MissingAndEmptyFoldersGiveNoItems) {
    TempFolder folder;
    fs::create_directory(folder.Path("empty"));
    for (const std::string path : {folder.Path("missing"), folder.Path("empty")}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(Collect(path).empty());
    }
}

TEST_F(ShellFolders, AbsoluteItemIdNamesTheFileInItsFolder) {
    TempFolder folder;
    WriteBytes(folder.Path("data.txt"), "x");
    ComPtr<IShellFolder> desktop, shellFolder;
    ASSERT_HRESULT_SUCCEEDED(SHGetDesktopFolder(desktop.GetAddressOf()));
    const std::string folderPath = folder.Path();
    std::wstring wide(folderPath.begin(), folderPath.end());
    LPITEMIDLIST folderId = nullptr;
    ASSERT_HRESULT_SUCCEEDED(
        desktop->ParseDisplayName(nullptr, nullptr, &wide[0], nullptr, &folderId, nullptr));
    ItemIdList ownedFolderId(folderId);
    ASSERT_HRESULT_SUCCEEDED(desktop->BindToObject(folderId, nullptr, IID_IShellFolder,
                                                   reinterpret_cast<void**>(shellFolder.GetAddressOf())));
    ComPtr<IEnumIDList> entries;
    ASSERT_EQ(S_OK, shellFolder->EnumObjects(nullptr, SHCONTF_NONFOLDERS, entries.GetAddressOf()));
    LPITEMIDLIST next = nullptr;
    ASSERT_EQ(S_OK, entries->Next(1, &next, nullptr));
    ItemIdList itemId(next);

    char text[MAX_PATH];
    ASSERT_EQ(1, GetItemDisplayName(shellFolder.Get(), next, SHGDN_INFOLDER | SHGDN_FORPARSING, text));
    EXPECT_STREQ("data.txt", text);
    ItemIdList absolute = GetAbsoluteItemId(shellFolder.Get(), next);
    ASSERT_TRUE(absolute);
    char path[MAX_PATH] = "";
    ASSERT_TRUE(SHGetPathFromIDListA(absolute.get(), path));
    EXPECT_EQ(folder.Path("data.txt"), path);
}

// A folder that answers GetDisplayNameOf with a prepared STRRET, to reach
// every kind of name the shell may hand back.
class NamingFolder : public IShellFolder {
public:
    HRESULT answer = S_OK;
    STRRET name{};
    std::wstring wideName;

    HRESULT STDMETHODCALLTYPE GetDisplayNameOf(LPCITEMIDLIST, SHGDNF, STRRET* result) override {
        *result = name;
        if (name.uType == STRRET_WSTR) {
            size_t bytes = (wideName.size() + 1) * sizeof(wchar_t);
            result->pOleStr = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
            std::memcpy(result->pOleStr, wideName.c_str(), bytes);
        }
        return answer;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, LPITEMIDLIST*,
                                               ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BindToObject(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE BindToStorage(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, LPCITEMIDLIST, LPCITEMIDLIST) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, LPCITEMIDLIST*, SFGAOF*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND, UINT, LPCITEMIDLIST*, REFIID, UINT*, void**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetNameOf(HWND, LPCITEMIDLIST, LPCWSTR, SHGDNF, LPITEMIDLIST*) override {
        return E_NOTIMPL;
    }
};

// One item identifier holding "ab" and then the name "Notepad", and the list's terminator.
struct OneItemId {
    USHORT cb = sizeof(USHORT) + 10;
    char bytes[10] = {'a', 'b', 'N', 'o', 't', 'e', 'p', 'a', 'd', '\0'};
    USHORT terminator = 0;
};

TEST(ShellItemNames, ReadsEveryKindOfNameAndRefusesTheRest) {
    const OneItemId itemId;
    const auto* id = reinterpret_cast<LPCITEMIDLIST>(&itemId);
    const std::string longName(300, 'n');
    struct Case {
        const char* what;
        HRESULT answer;
        UINT kind;
        std::wstring wide;
        const char* ansi;
        UINT offset;
        int result;
        std::string text;
    } cases[] = {
        {"wide", S_OK, STRRET_WSTR, L"Notepad", "", 0, 1, "Notepad"},
        {"wide, cut to 259", S_OK, STRRET_WSTR, std::wstring(300, L'n'), "", 0, 1, longName.substr(0, 259)},
        {"inside the identifier", S_OK, STRRET_OFFSET, L"", "", 4, 1, "Notepad"},
        {"offset past the identifier", S_OK, STRRET_OFFSET, L"", "", 40, 0, ""},
        {"in the answer", S_OK, STRRET_CSTR, L"", "Notepad", 0, 1, "Notepad"},
        {"unknown kind", S_OK, 3, L"", "Notepad", 0, 0, ""},
        {"refused", E_FAIL, STRRET_CSTR, L"", "Notepad", 0, 0, ""},
        {"not S_OK", S_FALSE, STRRET_CSTR, L"", "Notepad", 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NamingFolder folder;
        folder.answer = c.answer;
        folder.name.uType = c.kind;
        folder.wideName = c.wide;
        if (c.kind == STRRET_OFFSET) folder.name.uOffset = c.offset;
        if (c.kind == STRRET_CSTR || c.kind == 3) std::strcpy(folder.name.cStr, c.ansi);
        char text[MAX_PATH] = "";
        EXPECT_EQ(c.result, GetItemDisplayName(&folder, id, SHGDN_NORMAL, text));
        if (c.result == 1) EXPECT_EQ(c.text, text);
    }
}

TEST(ShellItemNames, NoAbsoluteIdForAnItemWithoutAName) {
    NamingFolder folder;
    folder.answer = E_FAIL;
    const OneItemId itemId;
    EXPECT_FALSE(GetAbsoluteItemId(&folder, reinterpret_cast<LPCITEMIDLIST>(&itemId)));
}

}  // namespace
