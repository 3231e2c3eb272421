// The Application Browser's OK button and what its caller reads afterwards.
#include <gtest/gtest.h>

#include <string>

#include "pickers/app_browser.h"

namespace {
TEST(AppBrowserTest, OkFollowsTheModeAndTheAccessorsTheModeAndTheEnd) {
    const struct {
        const char* what;
        bool folderMode, chooseFile, shortcutAfter, selectAfter, ok;
        bool okEnabled;
        std::string folder, chosen; // read after the end; "-" when refused
    } cases[] = {
        {"folder selected", true, false, false, false, true, true, "C:\\P\\Games", "-"},
        {"folder mode ignores files", true, true, false, false, true, true, "C:\\P\\Games", "-"},
        {"folder mode, Cancel", true, false, false, false, false, true, "-", "-"},
        {"file chosen", false, true, false, false, true, true, "-", "E.EXE|W|Ed"},
        {"shortcut, target unread", false, true, true, false, true, true, "-", "E.EXE|W|Ed"},
        {"another folder after the file", false, true, false, true, true, false, "-", "E.EXE|W|Ed"},
        {"only a folder", false, false, false, false, true, false, "-", "||"},
        {"application mode, Cancel", false, true, false, false, false, true, "-", "-"},
    };
    const auto read = [](bool given, const std::string& text) { return given ? text : "-"; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AppBrowserState state(c.folderMode);
        EXPECT_FALSE(state.OkEnabled());
        state.FolderSelected("C:\\P\\Games");
        if (c.chooseFile) state.FileChosen({"E.EXE", "W", "Ed"});
        if (c.shortcutAfter) state.ShortcutChosen({std::nullopt, "L", "Link"});
        if (c.selectAfter) state.FolderSelected("C:\\P\\Other");
        EXPECT_EQ(state.OkEnabled(), c.okEnabled);
        state.End(c.ok);
        std::string folder = "stale", command = "stale", directory, description;
        EXPECT_EQ(read(state.GetChosenFolderPath(&folder), folder), c.folder);
        const bool given = state.GetChosenCommand(&command);
        state.GetChosenWorkingDirectory(&directory);
        state.GetChosenDescription(&description);
        EXPECT_EQ(read(given, command + "|" + directory + "|" + description), c.chosen);
    }
}
} // namespace
