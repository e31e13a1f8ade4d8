// The worker that looks the icons of the listed entries up while the launcher window is open.
#pragma once

#include <windows.h>

// Starts the loader for this window unless one still runs; false when no loader could be started.
bool startIconLoader(HWND window);
// True while an icon loader thread of a launcher window still runs.
bool iconLoaderRunning();
// Whoever waits for the loader to end: `message` is posted to `window` as the loader thread ends.
void notifyWhenIconLoaderEnds(HWND window, UINT message);
