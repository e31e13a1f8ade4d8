// The notification-area icon and its tooltip, which show the busy gate.
#pragma once

#include <windows.h>

#include "base/tray_state.h"

// Shows a state of the gate in the picture and the tooltip; `detailText` (may be null) follows ": ".
// The gate calls it on every change (see showTrayStateWith).
void showTrayState(TrayState state, const char* detailText);
// The shell's "TaskbarCreated" message, also the icon's callback message: registered once at
// start, 0 before.
void registerTaskbarCreatedMessage();
UINT taskbarCreatedMessage();
// Adds the icon; its callbacks arrive with taskbarCreatedMessage(), in the fourth version's
// layout when the shell accepts it (the event in LOWORD(lParam), the anchor in wParam).
void addTrayIcon();
// Whether the shell took that layout: it then sends WM_CONTEXTMENU after a right click, and
// NIN_KEYSELECT for Enter or Space on the keyboard-selected icon.
bool trayCallbacksTellKeyboard();
void deleteTrayIcon();
