#pragma once
#include <windows.h>

#include <string>

#include "platform/ports/dialog_port.h"

class StringTable;

// The dialogs of the assignment editing on their templates: each runs
// modally over owner with the data it is given and returns the end code.
int RunAssignmentTypeDialog(HINSTANCE instance, HWND owner, AssignmentTypeData& data);
// caption: of the message box that refuses a working directory.
int RunCommandDialog(HINSTANCE instance, HWND owner, const StringTable& strings,
                     const std::string& caption, CommandData& data);
int RunKeyConfirmDialog(HINSTANCE instance, HWND owner, const KeyConfirmData& data);
int RunKeyListDialog(HINSTANCE instance, HWND owner, KeyListData& data);
