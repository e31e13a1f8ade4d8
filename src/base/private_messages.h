// The program's private window messages, each defined once, by receiver. Portable code knows them
// as offsets from WM_USER; window code uses the full numbers.
#pragma once

constexpr unsigned FirstPrivateMessage = 0x0400; // WM_USER

// The launcher window, from its keyboard filter and its icon loader.
enum LauncherMessageOffset : unsigned {
    MoveSelectionOffset = 1,  // Up or Down; wParam: the key
    HideSelectedOffset = 2,   // F12
    ShowPropertiesOffset = 3, // F9
    ShowHelpOffset = 4,       // F1
    IconLoadedOffset = 5,     // wParam: row and generation; lParam: image
};
constexpr unsigned WM_LAUNCHER_MOVE = FirstPrivateMessage + MoveSelectionOffset;
constexpr unsigned WM_LAUNCHER_HIDE = FirstPrivateMessage + HideSelectedOffset;
constexpr unsigned WM_LAUNCHER_PROPERTIES = FirstPrivateMessage + ShowPropertiesOffset;
constexpr unsigned WM_LAUNCHER_HELP = FirstPrivateMessage + ShowHelpOffset;
constexpr unsigned WM_LAUNCHER_ICON = FirstPrivateMessage + IconLoadedOffset;

// The live preview of the User interface page.
constexpr unsigned WM_PREVIEW_SHOW_ALPHA = FirstPrivateMessage + 5; // wParam: opacity to show
constexpr unsigned WM_PREVIEW_FADE_LATER = FirstPrivateMessage + 6; // wParam: milliseconds before fading

// The main window.
constexpr unsigned WM_DIRECTORY_CHANGED = FirstPrivateMessage + 7; // from the change monitor; wParam: directory index
constexpr unsigned WM_SECOND_START = FirstPrivateMessage + 12;     // from a second start: open the configuration
constexpr unsigned WM_ICON_LOADER_ENDED = FirstPrivateMessage + 13; // from an icon loader thread as it ends
