// The Application Browser's OK button and what its caller reads afterwards.
#include <gtest/gtest.h>

#include <string>

#include "pickers/app_browser.h"

namespace {
TEST(AppBrowserTest, OkFollowsTheModeAndTheAccessorsTheModeAndTheEnd) {
    const struct {
        const char* what;
        bool folderMode, chooseFile, selectAfter, ok;
        bool okEnabled;
        std::string folder, command; // read after the end; "-" when refused
    } cases[] = {
        {"folder selected", true, false, false, true, true, "C:\\P\\Games", "-"},
        {"folder mode ignores files", true, true, false, true, true, "C:\\P\\Games", "-"},
        {"folder mode, Cancel", true, false, false, false, true, "-", "-"},
        {"file chosen", false, true, false, true, true, "-", "C:\\W\\ED.EXE"},
        {"another folder after the file", false, true, true, true, false, "-", "C:\\W\\ED.EXE"},
        {"only a folder", false, false, false, true, false, "-", ""},
        {"application mode, Cancel", false, true, false, false, true, "-", "-"},
    };
    const auto read = [](bool given, const std::string& text) { return given ? text : "-"; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AppBrowserState state(c.folderMode);
        EXPECT_FALSE(state.OkEnabled());
        state.FolderSelected("C:\\P\\Games");
        if (c.chooseFile) state.FileChosen({"C:\\W\\ED.EXE", "C:\\W", "Editor"});
        if (c.selectAfter) state.FolderSelected("C:\\P\\Other");
        EXPECT_EQ(state.OkEnabled(), c.okEnabled);
        state.End(c.ok);
        std::string folder = "stale", command = "stale";
        EXPECT_EQ(read(state.GetChosenFolderPath(&folder), folder), c.folder);
        EXPECT_EQ(read(state.GetChosenCommand(&command), command), c.command);
    }
}
} // namespace
