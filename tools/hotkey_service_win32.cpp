// A stand-in for the notebook's hotkey service, whose Fn+key reports never
// reach ordinary programs. Run without arguments, it registers
// Ctrl+Alt+Shift+key for every key of the built-in face (and Tab), and on
// each press sends the Kelvane window the registered message
// WM_QSERVICE_HOTKEY with the key's scan code and lParam 0, as the service
// does. Given a key name (as on the face: A, F7, ESC, SP, TAB ...) it sends
// that one report and exits: 0 when it was delivered.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

#include "common/string_ids.h"
#include "model/face_key.h"
#include "platform/portable/builtin_strings.h"

namespace {
constexpr UINT kModifiers = MOD_CONTROL | MOD_ALT | MOD_SHIFT | 0x4000; // MOD_NOREPEAT
constexpr unsigned kLastDescriptor = IDS_FIRST_DESCRIPTOR + 99; // face 0
constexpr UINT kVkTab = VK_TAB;

// Key name -> virtual-key code, from the built-in face's descriptors.
std::map<std::string, UINT> FaceKeys() {
    BuiltinStrings strings;
    const std::string prefix = strings.Get(IDS_LABEL_PREFIX);
    std::map<std::string, UINT> keys{{"TAB", kVkTab}};
    std::string descriptor;
    for (unsigned id = IDS_FIRST_DESCRIPTOR; id <= kLastDescriptor; ++id) {
        if (!strings.Load(id, descriptor)) continue;
        const FaceKey key(descriptor, strings);
        keys[key.m_strLabel.substr(prefix.size())] = static_cast<unsigned char>(key.m_strKey[0]);
    }
    return keys;
}

// Sends one report; false when no Kelvane window takes it.
bool Report(UINT virtualKey) {
    static const UINT message = RegisterWindowMessageA("WM_QSERVICE_HOTKEY");
    HWND kelvane = FindWindowA(nullptr, "Kelvane");
    if (!kelvane) return false;
    // The report comes from the user at the keyboard: let Kelvane bring the
    // program it starts, or its own window, to the foreground.
    DWORD processId = 0;
    GetWindowThreadProcessId(kelvane, &processId);
    AllowSetForegroundWindow(processId);
    const UINT scanCode = MapVirtualKeyA(virtualKey, 0); // MAPVK_VK_TO_VSC
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(kelvane, message, scanCode, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}
} // namespace

int main(int argc, char** argv) {
    const std::map<std::string, UINT> keys = FaceKeys();
    if (argc > 1) {
        const auto key = keys.find(argv[1]);
        if (key == keys.end()) {
            std::fprintf(stderr, "Unknown key %s\n", argv[1]);
            return 2;
        }
        if (Report(key->second)) return 0;
        std::fprintf(stderr, "Kelvane is not running\n");
        return 1;
    }
    int id = 0;
    std::map<int, UINT> byId;
    for (const auto& [name, virtualKey] : keys) {
        if (RegisterHotKey(nullptr, ++id, kModifiers, virtualKey))
            byId[id] = virtualKey;
        else
            std::fprintf(stderr, "Ctrl+Alt+Shift+%s is taken by another program\n", name.c_str());
    }
    std::printf("Fn+key is Ctrl+Alt+Shift+key for %zu keys; close this window to stop.\n",
                byId.size());
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        if (msg.message == WM_HOTKEY && byId.count(static_cast<int>(msg.wParam)))
            Report(byId[static_cast<int>(msg.wParam)]);
    return 0;
}
