// The kinds of names the shell may hand back for an item, as the application
// browser reads them. Listing real folders through the shell (shortcuts
// resolved, other files listed, the lower-case ".lnk" rule) is part of the
// editing test's run, where the browsers and popup lists read them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win32/win32_shell_folders.h"

namespace {

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
