// The Application Browser's OK button and what its caller reads afterwards.
#include <gtest/gtest.h>

#include <string>

#include "pickers/app_browser.h"

namespace {
struct Read {
    bool given;
    std::string text;
};
Read Folder(const AppBrowserState& s) {
    Read r{false, "stale"};
    r.given = s.GetChosenFolderPath(&r.text);
    return r;
}
Read Command(const AppBrowserState& s) {
    Read r{false, "stale"};
    r.given = s.GetChosenCommand(&r.text);
    return r;
}

TEST(AppBrowserTest, OkFollowsTheModeAndTheAccessorsTheModeAndTheEnd) {
    const AppBrowserState::Application notepad{"C:\\W\\NOTEPAD.EXE", "C:\\W", "Notepad"};
    const struct {
        const char* what;
        bool folderMode, chooseFile, selectAfter, ok;
        bool okEnabled;
        Read folder, command;
    } cases[] = {
        {"folder selected", true, false, false, true, true, {true, "C:\\P\\Games"}, {false, ""}},
        {"folder mode ignores files", true, true, false, true, true, {true, "C:\\P\\Games"}, {false, ""}},
        {"folder mode, Cancel", true, false, false, false, true, {false, ""}, {false, ""}},
        {"file chosen", false, true, false, true, true, {false, ""}, {true, "C:\\W\\NOTEPAD.EXE"}},
        {"another folder after the file", false, true, true, true, false, {false, ""},
         {true, "C:\\W\\NOTEPAD.EXE"}},
        {"only a folder", false, false, false, true, false, {false, ""}, {true, ""}},
        {"application mode, Cancel", false, true, false, false, true, {false, ""}, {false, ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AppBrowserState state(c.folderMode);
        EXPECT_FALSE(state.OkEnabled());
        state.FolderSelected("C:\\P\\Games");
        if (c.chooseFile) state.FileChosen(notepad);
        if (c.selectAfter) state.FolderSelected("C:\\P\\Other");
        EXPECT_EQ(state.OkEnabled(), c.okEnabled);
        state.End(c.ok);
        EXPECT_EQ(Folder(state).given, c.folder.given);
        EXPECT_EQ(Folder(state).text, c.folder.text);
        EXPECT_EQ(Command(state).given, c.command.given);
        EXPECT_EQ(Command(state).text, c.command.text);
        EXPECT_FALSE(state.GetChosenDescription(nullptr) && c.folderMode);
    }
}

TEST(AppBrowserTest, TheButtonOfTheCurrentViewShowsPressed) {
    AppBrowserState state(false);
    EXPECT_STREQ(state.LargeButtonPicture(), "LARGED");
    EXPECT_STREQ(state.SmallButtonPicture(), "SMALLU");
    state.SetLargeIcons(false);
    EXPECT_STREQ(state.LargeButtonPicture(), "LARGEU");
    EXPECT_STREQ(state.SmallButtonPicture(), "SMALLD");
}
} // namespace
