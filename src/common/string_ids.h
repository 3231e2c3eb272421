#pragma once

// Ids of the string-table entries the program reads by name. The texts live
// in resources/strings.def; menu prompts share their command's id.
enum StringId : unsigned {
    IDS_EMPTY_GROUP = 18,       // a popup list's section is missing or empty
    IDS_INVALID_DIRECTORY = 19, // a command's directory cannot be made current
    IDS_LAUNCH_ERROR_FIRST = 20, // the text of launch error code n is id n + 20
    IDS_LAUNCH_ERROR_LAST = 44,
    IDS_BAD_DIRECTORY = 44,    // the Add/Edit Command dialog refuses a working directory
    IDS_DISABLE_DEFAULT = 51,  // colour defaults, "red green blue"
    IDS_HIGHLITE_DEFAULT = 52,
    IDS_MARK_DEFAULT = 54,
    IDS_HINT_DEFAULT = 55,
    IDS_WHITE_DEFAULT = 56,
    IDS_DARKGRAY_DEFAULT = 57,
    IDS_PRODUCT_NAME = 60,     // the main window's title
    IDS_SCRATCH_SIZE = 64,     // first size of the pressed-key scratch picture
    IDS_CONFIG_POPUP = 65,     // the system menu's configuration popup
    IDS_MORE_ITEMS = 70,       // the item of a long popup list that opens its next menu
    IDS_NONE = 75,             // the command of an unassigned key
    IDS_NOT_ASSIGNABLE = 76,
    IDS_LABEL_PREFIX = 77,     // "Fn-", before a key's name
    IDS_CLICK_HINT = 78,
    IDS_POPUP_LIST = 79,       // "Popup List... ", before a list's name
    IDS_INI_FILE = 80,         // settings and assignments
    IDS_PRG_FILE = 81,         // popup lists
    IDS_CFG_FILE = 82,         // names the face and key-layout files
    IDS_FACE_FILE = 83,
    IDS_KEY_FILE = 84,
    IDS_BROWSER_CAPTION = 89,  // the open-file dialog's caption
    IDS_FILTER_FIRST = 90,     // the open-file dialog's filter, 90 to 99
    IDS_FILTER_LAST = 99,
    IDS_DESCRIPTION_TOO_LONG = 100, // a field longer than a value may be, "%u" its limit
    IDS_COMMAND_TOO_LONG = 101,     // also a command too long to start
    IDS_DIRECTORY_TOO_LONG = 102,
    IDS_APP_EXPLORER = 490,    // the Application Browser's caption
    IDS_NO_PROCESS_LIST = 491, // the running processes cannot be listed
    IDS_NO_TOOLHELP = 492,     // the process snapshot functions are missing
    IDS_NO_HELP = 495,
    IDS_FIRST_DESCRIPTOR = 5000, // key descriptors: 5000 + 100 x face + position
};
