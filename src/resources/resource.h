// Identifiers of every resource of the launcher: strings, icons, dialogs, menus and controls.
#pragma once

// Icon groups
#define IDI_TANDOR_IDLE 107
#define IDI_TANDOR_BUSY 109

// Dialog templates
#define IDD_ABOUT 103
#define IDD_LAUNCHER 130
#define IDD_SCAN_PROGRESS 137

// Menus
#define IDM_TRAY 129
#define IDM_LAUNCHER_ROW 142

// Tray menu commands
#define IDC_TRAY_CONFIGURE 32771
#define IDC_TRAY_QUIT 32772
#define IDC_TRAY_ABOUT 32773
#define IDC_TRAY_RESCAN 32775
#define IDC_TRAY_TOUR 32781
#define IDC_TRAY_HELP 32782

// Launcher row menu commands
#define IDC_ROW_PATH 32776
#define IDC_ROW_OPEN 32777
#define IDC_ROW_HIDE 32778

// Launcher window controls
#define IDC_RESULT_LIST 1001
#define IDC_QUERY_EDIT 1002
#define IDC_HINT_TEXT 1035
// The query edit's label and the live region a screen reader speaks the selection from
#define IDC_QUERY_LABEL 1060
#define IDC_ANNOUNCEMENT 1061

// Scan progress window controls
#define IDC_SCAN_DIRECTORY 1020
#define IDC_SCAN_HEADING 1023
// Tooltip detail while a directory rescan loads the launch scores (kept with the scan window)
#define IDS_SCAN_DETAIL_SCORES 194

// About box controls
#define IDC_ABOUT_WEBSITE 1034
#define IDC_ABOUT_MAIL 1037

// Embedded launcher of the program placer
#define IDR_EMBEDDED_TANDOR 103

// Texts of TandorClean, the uninstaller's data remover
#define IDS_CLEAN_NOT_FOR_HANDS 200
#define IDS_CLEAN_CAPTION 201

// String table
#define IDS_TRAY_ACTIVE 106
#define IDS_HOTKEY_CTRL 107
#define IDS_HOTKEY_ALT 108
#define IDS_HOTKEY_SHIFT 109
#define IDS_DEF_APPLICATIONS 110
#define IDS_DEF_FILES_AND_FOLDERS 111
#define IDS_DEF_FILES_ONLY 112
#define IDS_STARTUP_DESCRIPTION 113
#define IDS_PREVIEW_SAMPLE 115
#define IDS_BROWSE_TITLE 116
#define IDS_YES 117
#define IDS_NO 118
#define IDS_COLUMN_RECURSIVE 119
#define IDS_COLUMN_DIRECTORY 120
#define IDS_DEFINITION_IN_USE 121
#define IDS_NEW_DEFINITION 122
#define IDS_CONFIG_CAPTION 123
#define IDS_PAGE_SCAN_OPTIONS 124
#define IDS_PAGE_SCAN_DEFINITIONS 125
#define IDS_PAGE_USER_INTERFACE 126
#define IDS_PAGE_DIRECTORIES 127
#define IDS_COLUMN_DEFINITION 128
#define IDS_RESCAN_RECOMMENDED 129
#define IDS_PRIORITY_VERY_UNIMPORTANT 130
#define IDS_PRIORITY_SOMEWHAT_UNIMPORTANT 131
#define IDS_PRIORITY_NORMAL 132
#define IDS_PRIORITY_PREFERRED 133
#define IDS_PRIORITY_FIRST_CHOICE 134
#define IDS_DIR_FAVORITES 135
#define IDS_DIR_START_MENU 136
#define IDS_DIR_COMMON_START_MENU 137
#define IDS_DIR_DOCUMENTS 138
#define IDS_TRAY_CONFIGURING 139
#define IDS_TRAY_SCANNING 140
#define IDS_HELP_MISSING 141
#define IDS_HOTKEY_WINDOWS 142
#define IDS_COLUMN_NAME 143
#define IDS_DIR_DESKTOP 144
#define IDS_DIR_COMMON_DESKTOP 145
#define IDS_PAGE_HELP 146
#define IDS_TOUR_WELCOME 147
#define IDS_TOUR_READ_DOCS_FIRST 148
#define IDS_TOUR_SHOW_ME 149
#define IDS_TOUR_PRESS_HOTKEY 150
#define IDS_TOUR_TYPE_NAME 152
#define IDS_TOUR_LOOK_AT_LIST 153
#define IDS_TOUR_HOTKEY_FAILS 154
#define IDS_TOUR_FILE_MISSING 155
#define IDS_TOUR_NICE_GOING 156
#define IDS_TOUR_TEXT_MARKING 157
#define IDS_TOUR_ANYTHING_ELSE 158
#define IDS_TOUR_READY 159
#define IDS_TOUR_READ_DOCS 160
#define IDS_TOUR_CONFIGURE 161
#define IDS_TOUR_THANKS 162
#define IDS_TOUR_TAKE_A_HIKE 163
#define IDS_TOUR_STILL_SCANNING 176
#define IDS_TOUR_DONE 177
#define IDS_WARN_NETWORK 181
#define IDS_WARN_REMOVABLE 182
#define IDS_SCAN_ABORTED 183
#define IDS_CANNOT_DELETE 184
#define IDS_DRIVE_NAME 185
#define IDS_TOUR_NOT_FINISHED 186
#define IDS_TOUR_DETAILS 187
#define IDS_STATUS_BOX_ALWAYS 191
#define IDS_STATUS_BOX_NOT_AT_STARTUP 192
#define IDS_STATUS_BOX_NEVER 193
// Shown when Settings.ini cannot be written after the configuration sheet closes
#define IDS_SETTINGS_NOT_SAVED 210
// The caption of the program's message boxes
#define IDS_MESSAGE_CAPTION 211
// What a screen reader is told about the launcher's selection, and each row's item text
#define IDS_ANNOUNCE_ROW 220
#define IDS_ANNOUNCE_ROW_NO_DIRECTORY 221
#define IDS_ANNOUNCE_NO_MATCH 222
#define IDS_KIND_PROGRAM 223
#define IDS_KIND_DOCUMENT 224
#define IDS_KIND_FOLDER 225
#define IDS_KIND_SHORTCUT 226
#define IDS_KIND_FAVOURITE 227
#define IDS_ROW_ITEM_TEXT 228
// The Directories page's entry for packaged apps, and its name in Settings.ini
#define IDS_APPS_SOURCE_NAME 230

// Identifiers of the configuration sheet's pages and of the tour window, one file per window group.
#include "resources/configuration_ids.h"
#include "resources/directory_page_ids.h"
#include "resources/tour_ids.h"
