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
