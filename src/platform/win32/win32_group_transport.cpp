#include "platform/win32/win32_group_transport.h"

#include <algorithm>
#include <vector>

namespace {
constexpr char kProgman[] = "PROGMAN"; // service and topic
constexpr DWORD kTimeoutMs = 5000;
} // namespace

HDDEDATA CALLBACK DDECallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    MessageBoxA(nullptr, "DDECallback()!!!\n", "KlvFnKey", MB_OK);
    return nullptr;
}

void Win32GroupTransport::Connect() {
    // A client only: every server transaction is refused.
    m_instance = 0;
    DdeInitializeA(&m_instance, DDECallback, CBF_FAIL_ALLSVRXACTIONS, 0);
    HSZ progman = DdeCreateStringHandleA(m_instance, kProgman, CP_WINANSI);
    m_conversation = DdeConnect(m_instance, progman, progman, nullptr);
    DdeFreeStringHandle(m_instance, progman);
}

std::optional<std::string> Win32GroupTransport::Request(const std::string& item,
                                                        std::size_t bufferSize) {
    if (!m_conversation) return std::nullopt;
    HSZ name = DdeCreateStringHandleA(m_instance, item.c_str(), CP_WINANSI);
    HDDEDATA data = DdeClientTransaction(nullptr, 0, m_conversation, name, CF_TEXT, XTYP_REQUEST,
                                         kTimeoutMs, nullptr);
    DdeFreeStringHandle(m_instance, name);
    if (!data) return std::nullopt;
    std::vector<BYTE> buffer(bufferSize);
    const DWORD copied = DdeGetData(data, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    DdeFreeDataHandle(data);
    return std::string(buffer.begin(), buffer.begin() + std::min<std::size_t>(copied, bufferSize));
}

void Win32GroupTransport::Disconnect() {
    if (m_conversation) DdeDisconnect(m_conversation);
    DdeUninitialize(m_instance);
    m_conversation = nullptr;
    m_instance = 0;
}

void Win32GroupTransport::ShowWaitCursor() {
    HCURSOR replaced = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514))); // IDC_WAIT
    if (!m_keeping) m_keptCursor = replaced;
    m_keeping = true;
}

void Win32GroupTransport::RestoreCursor() {
    SetCursor(m_keptCursor);
    m_keeping = false;
}
