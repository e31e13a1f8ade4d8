// The launcher window's private messages, from its keyboard filter and its icon loader.
#pragma once

#include "base/private_messages.h"

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
