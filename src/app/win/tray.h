// The notification-area icon and its tooltip, which show the gate `ui.trayState`, and the hotkey.
#pragma once

#include <windows.h>

#include "app/win/app_state.h"

// Changes the gate, the picture and the tooltip; `detailText` (may be null) follows ": ".
void setTrayState(TrayState state, const char* detailText);
// Adds the icon; its callbacks arrive with app.taskbarCreatedMessage.
void addTrayIcon();
void deleteTrayIcon();
BOOL registerHotkey();
void unregisterHotkey();
