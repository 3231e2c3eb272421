#pragma once
#include <functional>
#include <utility>

// The nested message loops the main window is inside: modal dialogs and
// message boxes, popup menus, and the import's waits for Program Manager.
// Each of them dispatches the window's messages, so a request can arrive
// while another is half done; this decides which go ahead. A close that
// arrives meanwhile waits: the loops are asked to end, and the close is
// carried out once the last of them has returned, so nothing that a run
// still holds (a key, a dialog, a conversation) goes away under it.
class NestedRuns {
public:
    enum class Kind { Dialog, Menu, Import };
    enum class Request {
        // The editing of an assignment, a dialog of the main window's (About,
        // the list, the colours) and the import: only while nothing runs.
        Exclusive,
        // Starting a key's command or showing its list, a message box: also
        // while a dialog is open, but not inside a menu or the import.
        BesideDialog,
    };

    // endLoops asks every nested loop to end (it may be asked again while
    // they unwind); unwound is called each time the last run has ended, to
    // carry out a waiting close or what else waited for it.
    NestedRuns(std::function<void()> endLoops, std::function<void()> unwound)
        : m_endLoops(std::move(endLoops)), m_unwound(std::move(unwound)) {}

    // Marks a run for as long as it lives.
    class Scope {
    public:
        Scope(NestedRuns& runs, Kind kind) : m_runs(runs), m_kind(kind) { ++m_runs.Count(kind); }
        ~Scope() { m_runs.Leave(m_kind); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        NestedRuns& m_runs;
        Kind m_kind;
    };

    // Whether a request may start now; once a close waits, none may.
    bool Allows(Request request) const;
    bool Idle() const { return !Any(); }
    // A close: true when it may be carried out at once. Otherwise it is
    // remembered and the loops are asked to end.
    bool RequestClose();
    bool ClosePending() const { return m_closePending; }
    // Asks the loops once more, for one that opened after the first asking.
    void RepeatEndRequest() const;

private:
    int& Count(Kind kind) { return m_counts[static_cast<int>(kind)]; }
    int Count(Kind kind) const { return m_counts[static_cast<int>(kind)]; }
    bool Any() const;
    void Leave(Kind kind);

    std::function<void()> m_endLoops;
    std::function<void()> m_unwound;
    int m_counts[3] = {};
    bool m_closePending = false;
};
