#pragma once
#include <string>
#include <vector>

// The calls that recording fakes receive, one line each ("port: call"), in
// the order they came. Fakes of several ports share one log, so a test can
// check the order across ports as well as the calls of one port.
class CallLog {
public:
    void Add(const std::string& port, const std::string& call) {
        m_calls.push_back(port + ": " + call);
    }

    const std::vector<std::string>& All() const { return m_calls; }

    // The calls of one port, without the port's name.
    std::vector<std::string> Of(const std::string& port) const {
        const std::string prefix = port + ": ";
        std::vector<std::string> calls;
        for (const std::string& call : m_calls)
            if (call.compare(0, prefix.size(), prefix) == 0) calls.push_back(call.substr(prefix.size()));
        return calls;
    }

    // Position of the first call that is exactly `call`, or -1.
    int IndexOf(const std::string& call) const {
        for (std::size_t i = 0; i < m_calls.size(); ++i)
            if (m_calls[i] == call) return static_cast<int>(i);
        return -1;
    }

    void Clear() { m_calls.clear(); }

private:
    std::vector<std::string> m_calls;
};
