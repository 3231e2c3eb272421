#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ports/group_transport.h"

// Program Manager with scripted replies by item, and `otherwise` for the
// rest (none: refused); without `reachable` every request is refused.
// Records the items requested and how many were asked without the wait
// cursor showing; as on Windows, the window sets its own cursor again while
// a request waits.
class ScriptedGroups : public GroupTransport {
  public:
    void Connect() override { m_connected = reachable; }
    std::optional<std::string> Request(const std::string& item, std::size_t bufferSize) override {
        requested.push_back(item);
        unwaitedRequests += waitCursor ? 0 : 1;
        waitCursor = false;
        const auto reply = replies.find(item);
        const std::optional<std::string> answer =
            reply != replies.end() ? reply->second : otherwise;
        if (!m_connected || !answer) return std::nullopt;
        return answer->substr(0, bufferSize); // as much as the buffer takes
    }
    void Disconnect() override { m_connected = false; }
    void ShowWaitCursor() override { waitCursor = true; }
    void RestoreCursor() override { waitCursor = false; }

    bool reachable = true;
    std::map<std::string, std::string> replies;
    std::optional<std::string> otherwise;
    std::vector<std::string> requested;
    int unwaitedRequests = 0;
    bool waitCursor = false;

  private:
    bool m_connected = false;
};
