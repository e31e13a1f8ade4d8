// What the program is busy with: the one gate that keeps a scan, the configuration sheet and the
// launcher from starting inside each other. The notification-area icon shows it, in the picture
// and the tooltip; whoever changes the gate has it shown.
#pragma once

enum TrayState {
    Idle = 0,
    Configuring = 1,
    Scanning = 2,
};

TrayState trayState();
// Changes the gate and shows it; `detailText` (may be null) follows ": " in the tooltip. The same
// state again without a detail shows nothing new.
void setTrayState(TrayState state, const char* detailText);

// How a change is shown: handed over once at start by the program, which owns the icon.
using TrayStateDisplay = void (*)(TrayState state, const char* detailText);
void showTrayStateWith(TrayStateDisplay display);
