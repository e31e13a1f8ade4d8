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
// Adds the icon; its callbacks arrive with taskbarCreatedMessage().
void addTrayIcon();
void deleteTrayIcon();
