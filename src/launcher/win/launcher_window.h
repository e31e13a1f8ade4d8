// The popup in which the user types and launches.
#pragma once

#include <windows.h>

#include "launcher/launcher_links.h"

void connectLauncherWindow(const LauncherLinks& links);
// Opens the launcher window modally; returns when it has closed.
void openLauncherWindow(HWND owner);
// The launcher window while it is open, else null.
HWND launcherWindowHandle();
// True while a launcher window, or its icon loader, may still refer to catalogue entries.
bool launcherHoldsCatalogue();
// True once the open window has started launching: it is about to close.
bool launcherWindowLaunching();
