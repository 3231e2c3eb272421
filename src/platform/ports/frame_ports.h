#pragma once

class AssetPort;
class ColourChooser;
class DesktopPort;
class DialogPort;
class GroupTransport;
class HintPort;
class LaunchPort;
class PopupMenuPort;
class ProcessPort;
class ProfilePort;
class ShellFolderPort;
class StringTable;
class SystemInfo;
class WindowPort;

// The outside world as the main window's logic reaches it. Each pointer is
// owned by whoever builds the frame (the Win32 program or a test) and outlives it.
struct FramePorts {
    ProfilePort* profile = nullptr;
    const StringTable* strings = nullptr;
    ShellFolderPort* shell = nullptr;
    ColourChooser* colours = nullptr;
    SystemInfo* system = nullptr;
    WindowPort* window = nullptr;
    DesktopPort* desktop = nullptr;
    AssetPort* assets = nullptr;
    LaunchPort* launch = nullptr;
    ProcessPort* processes = nullptr;
    PopupMenuPort* menus = nullptr;
    HintPort* hint = nullptr;
    GroupTransport* groups = nullptr;
    DialogPort* dialogs = nullptr;
};
