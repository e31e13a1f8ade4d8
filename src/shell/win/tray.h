// The notification-area icon, its tooltip and the process-wide gate `trayState`.
#pragma once

#include <windows.h>

enum TrayState {
    Idle = 0,
    Configuring = 1,
    Scanning = 2,
};

constexpr int TrayTooltipSize = 64;

extern int trayState;

// Changes the gate, the picture and the tooltip; `detailText` (may be null) follows ": ".
void setTrayState(int state, const char* detailText);
void addTrayIcon();
void deleteTrayIcon();
BOOL registerHotkey();
// The message the icon's callbacks arrive with: the number registered for "TaskbarCreated".
UINT trayIconCallbackMessage();
void unregisterHotkey();
