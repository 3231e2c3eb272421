#pragma once
#include <functional>
#include <string>
#include <vector>

// End codes of the assignment dialogs.
enum DialogEnd : int {
    END_OK = 1,
    END_CANCEL = 2,
    END_CLEAR = 1006,
    END_DIRECT = 1021,
    END_POPUP = 1022,
};

// The Assignment Type dialog: the key's name and the "confirm all changes"
// box; the box's state comes back with every end but Cancel.
struct AssignmentTypeData {
    std::string keyName;
    bool confirmChanges = false;
};

// The Add/Edit Command dialog: the three texts and the switch box come back on OK.
struct CommandData {
    std::string shortcutKeyText;
    std::string command;
    std::string workingDirectory;
    std::string description;
    bool switchToRunning = false;
    bool hideBrowseButtons = false; // a dropped file: no Browse... and no Applications...
};

// The Key Assignment Confirmation dialog, shown as it is filled.
struct KeyConfirmData {
    std::string keyName;
    std::string oldCommand, oldDirectory, oldDescription;
    std::string newCommand, newDirectory, newDescription;
};

// The Application Browser asked for a folder: its file-system path on OK,
// empty when the chosen folder has none.
struct FolderChoice {
    std::string caption;
    std::string folderPath;
};

// The Function Key Assignments list: its lines for either state of the
// expand box; on OK the box's state, and after Edit... the label of the key
// whose line was chosen.
struct KeyListData {
    std::function<std::vector<std::string>(bool expand)> lines;
    bool expand = false;
    std::string editLabel;
};

// The modal dialogs of the assignment editing, each owned by the main
// window: a struct goes in, the end code comes out with the struct filled in.
class DialogPort {
public:
    virtual ~DialogPort() = default;
    virtual int AssignmentType(AssignmentTypeData& data) = 0;
    virtual int EditCommand(CommandData& data) = 0;
    virtual int ConfirmKey(const KeyConfirmData& data) = 0;
    virtual int ChooseFolder(FolderChoice& data) = 0;
    virtual int KeyList(KeyListData& data) = 0;
    virtual void Beep() = 0; // the default sound
};
