/* Templates and control ids of the assignment dialogs, shared by the .rc and the program. */
#pragma once

#define IDD_ADD_EDIT_COMMAND 113
#define IDD_ASSIGNMENT_TYPE 125
#define IDD_KEY_CONFIRM 126
#define IDD_KEY_LIST 128
#define IDD_OPEN_FILE 550

#define IDC_HELP_BUTTON 495
#define IDC_BROWSE 1005
#define IDC_CLEAR 1006
#define IDC_APPLICATIONS 1007
#define IDC_KEY_LIST 1009
#define IDC_EDIT_KEY 1010
#define IDC_OPTION_BOX 1013 /* switch to running, confirm changes, expand lists */
#define IDC_DIRECT 1021
#define IDC_POPUP 1022
#define IDC_CONFIRM_KEY 1027
#define IDC_OLD_COMMAND 1028
#define IDC_OLD_DIRECTORY 1029
#define IDC_OLD_DESCRIPTION 1030
#define IDC_NEW_COMMAND 1031
#define IDC_NEW_DIRECTORY 1032
#define IDC_NEW_DESCRIPTION 1033
#define IDC_COMMAND_LINE 2101
#define IDC_KEY_NAME 2102
#define IDC_WORKING_DIRECTORY 2103
#define IDC_DESCRIPTION 2104

#define IDD_APP_BROWSER 1039
#define IDC_FOLDER_TREE 1000
#define IDC_FILE_LIST 1001
#define IDC_LARGE_VIEW 1002
#define IDC_SMALL_VIEW 1003
