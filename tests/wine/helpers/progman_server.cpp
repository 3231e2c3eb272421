// A scripted Program Manager for the end-to-end tests: a DDE server of
// service and topic "PROGMAN" that answers text requests from a script and
// refuses every other item. The script file, named on the command line,
// holds NUL-ended pairs: an item, then its reply. Its one window, of class
// "PROGMAN" like the shell's, is the server; closing it ends the program.
// A reply that begins with "<slow>" comes a second late, without that mark.
//
// It speaks the DDE messages itself rather than through the DDE management
// library: under Wine that library's server follows the data of each
// answered request with an acknowledgement, which a client takes as the
// refusal of its next request (a small server of this kind built on the
// library failed every second request of a conversation).
#include <windows.h>

#include <dde.h>

#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {
// By item; DDE names are atoms, which ignore case.
struct IgnoringCase {
    bool operator()(const std::string& a, const std::string& b) const {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    }
};
std::map<std::string, std::string, IgnoringCase> replies;
constexpr char kSlow[] = "<slow>";
struct Late {
    HWND client;
    UINT_PTR format, item;
} late{};

// An atom of a conversation's initiation names PROGMAN, or is left open (0).
bool NamesProgman(ATOM atom) {
    char name[256] = "";
    return atom == 0 ||
           (GlobalGetAtomNameA(atom, name, sizeof name) && !lstrcmpiA(name, "PROGMAN"));
}

void Answer(HWND server, HWND client, UINT_PTR format, UINT_PTR item) {
    char name[256] = "";
    GlobalGetAtomNameA(static_cast<ATOM>(item), name, sizeof name);
    const auto reply = replies.find(name);
    if (format != CF_TEXT || reply == replies.end()) {
        PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(server),
                     PackDDElParam(WM_DDE_ACK, 0, item)); // refused
        return;
    }
    std::string text = reply->second;
    if (text.rfind(kSlow, 0) == 0) text.erase(0, sizeof kSlow - 1);
    const std::size_t size = text.size() + 1;
    HGLOBAL data = GlobalAlloc(GHND | GMEM_DDESHARE, offsetof(DDEDATA, Value) + size);
    auto* header = static_cast<DDEDATA*>(GlobalLock(data));
    header->fResponse = 1;
    header->fRelease = 1;
    header->cfFormat = CF_TEXT;
    std::memcpy(header->Value, text.c_str(), size);
    GlobalUnlock(data);
    PostMessageA(client, WM_DDE_DATA, reinterpret_cast<WPARAM>(server),
                 PackDDElParam(WM_DDE_DATA, reinterpret_cast<UINT_PTR>(data), item));
}

LRESULT CALLBACK Serve(HWND server, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND client = reinterpret_cast<HWND>(wParam);
    switch (message) {
    case WM_DDE_INITIATE:
        if (NamesProgman(LOWORD(lParam)) && NamesProgman(HIWORD(lParam)))
            SendMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(server),
                         MAKELPARAM(GlobalAddAtomA("PROGMAN"), GlobalAddAtomA("PROGMAN")));
        return 0;
    case WM_DDE_REQUEST: {
        UINT_PTR format = 0, item = 0;
        UnpackDDElParam(WM_DDE_REQUEST, lParam, &format, &item);
        FreeDDElParam(WM_DDE_REQUEST, lParam);
        char name[256] = "";
        GlobalGetAtomNameA(static_cast<ATOM>(item), name, sizeof name);
        const auto reply = replies.find(name);
        if (reply != replies.end() && reply->second.rfind(kSlow, 0) == 0) {
            late = {client, format, item};
            SetTimer(server, 1, 1000, nullptr);
        } else {
            Answer(server, client, format, item);
        }
        return 0;
    }
    case WM_TIMER:
        KillTimer(server, 1);
        Answer(server, late.client, late.format, late.item);
        return 0;
    case WM_DDE_TERMINATE:
        PostMessageA(client, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(server), 0);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(server, message, wParam, lParam);
    }
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::ifstream in(argv[1], std::ios::binary);
    const std::string script{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (std::size_t at = 0; at < script.size();) {
        const std::size_t itemEnd = script.find('\0', at),
                          replyEnd = script.find('\0', itemEnd + 1);
        if (replyEnd == std::string::npos) return 2;
        replies[script.substr(at, itemEnd - at)] =
            script.substr(itemEnd + 1, replyEnd - itemEnd - 1);
        at = replyEnd + 1;
    }

    WNDCLASSA wc{};
    wc.lpfnWndProc = Serve;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PROGMAN";
    if (!RegisterClassA(&wc) || !CreateWindowA("PROGMAN", "Scripted Program Manager", WS_POPUP, 0,
                                               0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr))
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
