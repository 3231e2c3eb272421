#pragma once

// How the shell's link object looks for the target of a shortcut that has
// moved: the flags of IShellLink::Resolve. Without SLR_NO_UI the shell may
// put its search window, or a box asking the user, on screen and wait for
// an answer; with it "the high-order word of fFlags can be set to a time-out
// value that specifies the maximum amount of time to be spent resolving the
// link", in milliseconds, 3000 when it is 0 (learn.microsoft.com,
// IShellLinkA::Resolve). Wine shows no such window, so the choice is made
// and tested here.
namespace link_resolution {

enum class Search {
    // Nothing on screen and a short wait: the popup lists read again from
    // their folders at every start, when no one asked for a window and a
    // missing target must not hold the start up; an unresolved shortcut
    // gives its empty item, and the next start tries again.
    Quiet,
    // The shell may ask the user, over the window that asked: a shortcut
    // double-clicked in the Application Browser.
    AskingUser,
};

constexpr unsigned kNoUi = 0x1;     // SLR_NO_UI
constexpr unsigned kAnyMatch = 0x2; // SLR_ANY_MATCH, as the shortcut reading always asked
constexpr unsigned kQuietTimeoutMs = 250;

constexpr unsigned Flags(Search search) {
    return search == Search::Quiet ? kAnyMatch | kNoUi | (kQuietTimeoutMs << 16) : kAnyMatch;
}

} // namespace link_resolution
