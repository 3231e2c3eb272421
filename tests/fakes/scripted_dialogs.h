#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ports/dialog_port.h"

// Dialogs answered by the test: each shows what it was filled with (kept in
// `seen`, one line per dialog in the order shown) and ends with the scripted
// code, handing back the scripted edits. whileOpen runs inside the first
// dialog, as messages pumped by a modal loop would.
class ScriptedDialogs : public DialogPort {
public:
    int AssignmentType(AssignmentTypeData& data) override {
        seen.push_back("type " + data.keyName + (data.confirmChanges ? " [x]" : " [ ]"));
        RunWhileOpen();
        if (typeEnd != END_CANCEL && typeBox) data.confirmChanges = *typeBox;
        return typeEnd;
    }
    int EditCommand(CommandData& data) override {
        seen.push_back("command " + data.shortcutKeyText + " |" + data.command + "|" +
                       data.workingDirectory + "|" + data.description + "|" +
                       (data.switchToRunning ? " [x]" : " [ ]") +
                       (data.hideBrowseButtons ? " no browse" : ""));
        RunWhileOpen();
        if (commandEnd != END_OK) return commandEnd;
        if (typed) {
            data.command = typed->command;
            data.workingDirectory = typed->workingDirectory;
            data.description = typed->description;
            data.switchToRunning = typed->switchToRunning;
        }
        return END_OK;
    }
    int ConfirmKey(const KeyConfirmData& data) override {
        seen.push_back("confirm " + data.keyName + " |" + data.oldCommand + "|" + data.oldDirectory +
                       "|" + data.oldDescription + "| -> |" + data.newCommand + "|" +
                       data.newDirectory + "|" + data.newDescription + "|");
        return confirmEnd;
    }
    int ChooseFolder(FolderChoice& data) override {
        seen.push_back("browser " + data.caption);
        data.folderPath = folder;
        return folderEnd;
    }
    // The user ticks the list's expand box, then ends the list with keyListEnd.
    int KeyList(KeyListData& data) override {
        data.expand = !data.expand;
        return keyListEnd;
    }
    void Beep() override { seen.push_back("beep"); }

    int typeEnd = END_DIRECT;
    std::optional<bool> typeBox; // the box's final state; unset leaves it
    int commandEnd = END_OK;
    std::optional<CommandData> typed; // the fields as OK leaves them; unset leaves them
    int confirmEnd = END_OK;
    int folderEnd = END_OK;
    int keyListEnd = END_CANCEL;
    std::string folder;
    std::function<void()> whileOpen;
    std::vector<std::string> seen;

private:
    void RunWhileOpen() {
        if (!whileOpen) return;
        auto once = std::move(whileOpen);
        whileOpen = nullptr;
        once();
    }
};
