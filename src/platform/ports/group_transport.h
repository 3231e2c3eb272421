#pragma once
#include <cstddef>
#include <optional>
#include <string>

// The conversation with Program Manager as the group import holds it: a DDE
// client conversation with service and topic "PROGMAN", and the wait cursor
// shown while its requests block the thread.
class GroupTransport {
public:
    virtual ~GroupTransport() = default;

    // Starts a client-only DDE instance and connects. A failed connection is
    // not reported: every request then brings no data.
    virtual void Connect() = 0;
    // Requests item as text (5000 ms at most). Nothing when no data came
    // back; else the reply's first bufferSize bytes at most, as they came.
    virtual std::optional<std::string> Request(const std::string& item, std::size_t bufferSize) = 0;
    // Ends the conversation and the instance.
    virtual void Disconnect() = 0;

    // Makes the wait cursor current; the first call since the last
    // RestoreCursor keeps the cursor it replaces, for RestoreCursor to put back.
    virtual void ShowWaitCursor() = 0;
    virtual void RestoreCursor() = 0;
};
