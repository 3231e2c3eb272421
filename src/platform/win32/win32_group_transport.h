#pragma once
#include <windows.h>

#include <ddeml.h>

#include "platform/ports/group_transport.h"

// The DDE management library's callback of the program's client instance,
// exported under this name.
extern "C" __declspec(dllexport) HDDEDATA CALLBACK
    DDECallback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                ULONG_PTR data1, ULONG_PTR data2);

// Program Manager over the DDE management library.
class Win32GroupTransport : public GroupTransport {
public:
    void Connect() override;
    std::optional<std::string> Request(const std::string& item, std::size_t bufferSize) override;
    void Disconnect() override;
    void ShowWaitCursor() override;
    void RestoreCursor() override;

private:
    DWORD m_instance = 0;
    HCONV m_conversation = nullptr;
    HCURSOR m_keptCursor = nullptr;
    bool m_keeping = false;
};
