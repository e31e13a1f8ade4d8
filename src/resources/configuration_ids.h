// Identifiers of the configuration windows; included by resource.h.
#pragma once

// Dialog templates of the sheet's pages and of the transparency preview
#define IDD_USER_INTERFACE_PAGE 133
#define IDD_LIVE_PREVIEW 138
#define IDD_WELCOME_PAGE 139
#define IDD_SCAN_OPTIONS_PAGE 141

// Welcome page
#define IDC_WELCOME_HOW_TO_CONFIGURE 1037
#define IDC_WELCOME_HOW_TO_USE 1038
#define IDC_WELCOME_FAQ 1039
#define IDC_WELCOME_TEXT 1040

// User interface page
#define IDC_UI_TRANSPARENCY_ON 1008
#define IDC_UI_TRANSPARENCY 1009
#define IDC_UI_HOTKEY 1010
#define IDC_UI_SHOW_ICONS 1011
#define IDC_UI_START_WITH_WINDOWS 1012
#define IDC_UI_SHOW_EXTENSIONS 1013
#define IDC_UI_RETRY 1024

// Scan options page
#define IDC_SCAN_MONITOR 1026
#define IDC_SCAN_AT_STARTUP 1027
#define IDC_SCAN_STATUS_BOX 1030
#define IDC_SCAN_SHOW_DIRECTORY 1031
