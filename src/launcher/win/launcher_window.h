// The popup in which the user types and launches.
#pragma once

#include <windows.h>

// Opens the launcher window modally; returns when it has closed.
void openLauncherWindow(HWND owner);
// True while an icon loader thread of a launcher window still runs.
bool iconLoaderRunning();
// The launcher window while it is open, else null.
HWND launcherWindowHandle();
// True once the open window has started launching: it is about to close.
bool launcherWindowLaunching();
