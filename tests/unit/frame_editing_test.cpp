// The main window's ways into the editing: a file dropped on the face and
// the assignment list's Edit... and expand box.
#include <string>
#include <vector>

#include "common/resource_ids.h"
#include "model_fixture.h"

namespace {
class FrameEditingTest : public ModelTest {
protected:
    FrameEditingTest() {
        const std::uint32_t none = 0;
        frame.LoadSettings(&none);
        frame.LoadKeyTable(0);
        frame.LoadAssignments();
    }
    void DropOn(const char* key) {
        const Rect r = key ? frame.Keys().FindKey(key)->m_rect : Rect{};
        frame.OnDropFiles(r.left, r.top, "C:\\TOOLS\\NOTEPAD.EXE");
    }
    CKeyboardFrame frame{Ports()};
};

TEST_F(FrameEditingTest, ADropOnAnAssignableKeyOpensTheCommandDialogForIt) {
    dialogs.commandEnd = END_CANCEL;
    DropOn(nullptr); // between the keys
    DropOn("I");     // not assignable
    EXPECT_TRUE(dialogs.seen.empty());
    DropOn("Q");
    EXPECT_EQ(dialogs.seen,
              std::vector<std::string>{"command Fn-Q |C:\\TOOLS\\NOTEPAD.EXE|C:\\TOOLS|Notepad| [x] no browse"});
}

// The list's expand box is kept by OK (and so by Edit...), never by Cancel;
// Edit... asks for the chosen key's editing once the list has closed.
TEST_F(FrameEditingTest, AssignmentListKeepsTheExpandBoxOnOkAndPostsTheEdit) {
    const struct {
        int end;
        bool expand;
        std::string edit;
        std::string options;
        std::vector<std::string> posted;
    } cases[] = {
        {END_CANCEL, true, "Fn-Q", "<absent>", {}},
        {END_OK, true, "", "4096", {}},
        {END_OK, false, "Fn-Q", "0", {"post key 81 1036"}},
        {END_OK, true, "Fn-NOSUCH", "4096", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        dialogs.listEnd = c.end;
        dialogs.listExpand = c.expand;
        dialogs.listEdit = c.edit;
        platform.requests.clear();
        frame.OnCommand(ID_ASSIGNMENTS, 0);
        EXPECT_FALSE(dialogs.listShown.empty());
        EXPECT_EQ(Stored("cfg", "opts"), c.options);
        EXPECT_EQ(platform.requests, c.posted);
    }
}
} // namespace
