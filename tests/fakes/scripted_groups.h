#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ports/group_transport.h"

// Program Manager with scripted replies by item, and `otherwise` for the
// rest (none: refused, as by a conversation that never came about). Records
// the items requested and how many were asked without the wait cursor
// showing; as on Windows, the window sets its own cursor again while a
// request waits.
class ScriptedGroups : public GroupTransport {
public:
    void Connect() override {}
    std::optional<std::string> Request(const std::string& item, std::size_t bufferSize) override {
        requested.push_back(item);
        if (whileWaiting) whileWaiting(item);
        unwaitedRequests += waitCursor ? 0 : 1;
        waitCursor = false;
        const auto reply = replies.find(item);
        const std::optional<std::string> answer =
            reply != replies.end() ? reply->second : otherwise;
        return answer ? answer->substr(0, bufferSize) : answer; // as much as the buffer takes
    }
    void Disconnect() override {}
    void ShowWaitCursor() override { waitCursor = true; }
    void RestoreCursor() override { waitCursor = false; }

    std::map<std::string, std::string> replies;
    std::optional<std::string> otherwise;
    std::vector<std::string> requested;
    std::function<void(const std::string& item)> whileWaiting; // inside each request's wait
    int unwaitedRequests = 0;
    bool waitCursor = false;
};
