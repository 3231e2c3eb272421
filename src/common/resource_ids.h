/* Resource and command ids shared by kelvane.rc and the program. */
#pragma once

#define IDR_MAINFRAME 31234 /* the menu and the program icon */
#define IDD_ABOUTBOX 132
#define IDC_ABOUT_TIMESTAMP 1035
#define IDC_ABOUT_VERSION 1036
#define IDC_MAIN_CURSOR 110
#define IDC_DRAG_ICON 122

/* Menu and internal commands of the main window. */
#define ID_ABOUT 300
#define ID_ASSIGNMENTS 303
#define ID_NOTHING 307
#define ID_MINIMIZE_ON_USE 470
#define ID_CONFIRM_CHANGES 471
#define ID_HINTS 472
#define ID_FNTAB_MINIMIZE 474
#define ID_BUILD_GROUPS 480
#define ID_TOPMOST 482
#define ID_COLOR_HINT 483
#define ID_COLOR_HIGHLITE 485
#define ID_COLOR_DISABLE 486
#define ID_MARK_POPUPS 487
#define ID_COLOR_MARK 489
#define ID_EXIT 491
#define ID_LOGOFF 492
#define ID_LOGOFF2 493
#define ID_SAVE_OPTIONS 494
#define ID_NO_HELP 495
#define ID_POPUP_FIRST 800
#define ID_POPUP_LAST 832

#define ID_CLOCK_PANE 1111

/* Standard frame commands the window answers. */
#define ID_APP_ABOUT_CMD 0xE140
#define ID_APP_EXIT_CMD 0xE141
#define ID_HELP_INDEX_CMD 57666
#define ID_HELP_USING_CMD 57668
#define ID_CONTEXT_HELP_CMD 57669
#define ID_HELP_CMD 57670
#define ID_DEFAULT_HELP_CMD 57671

/* System-menu commands of the platform that the window answers itself. */
#define SC_ABOUT_CMD 0xE140
#define SC_HELP_INDEX_CMD 0xE142
#define SC_HELP_USING_CMD 0xE144
#define SC_HELP_CMD 0xE146

/* Commands that the reserved keys "o" and "q" post; no menu item carries them. */
#define ID_RESERVED_O 484
#define ID_RESERVED_Q 490

/* Posted to itself: write the popup lists read at start-up once no dialog or menu is open. */
#define ID_WRITE_POPUP_LISTS 496
