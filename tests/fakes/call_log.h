#pragma once
#include <string>
#include <vector>

// The calls that recording fakes receive, one line each ("port: call"), in
// the order they came. Fakes of several ports share one log, so a test can
// check the order across ports as well as the calls of one port.
struct CallLog {
    void Add(const std::string& port, const std::string& call) {
        calls.push_back(port + ": " + call);
    }

    // The calls of one port, without the port's name.
    std::vector<std::string> Of(const std::string& port) const {
        std::vector<std::string> found;
        for (const std::string& call : calls)
            if (call.rfind(port + ": ", 0) == 0) found.push_back(call.substr(port.size() + 2));
        return found;
    }

    // Position of the first call that is exactly `call`, or -1.
    int IndexOf(const std::string& call) const {
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i] == call) return static_cast<int>(i);
        return -1;
    }

    std::vector<std::string> calls;
};
