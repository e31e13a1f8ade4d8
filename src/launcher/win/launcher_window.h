// The popup in which the user types and launches.
#pragma once

#include <windows.h>

// What the window tells whoever opens it, for the tour guide to follow.
enum class LauncherEvent { Shown, QueryChanged, EntryLaunched };

// How the window reaches the rest of the program; handed over once at start-up.
struct LauncherLinks {
    void (*reportEvent)(LauncherEvent event);
    // False while the typed text must stay unmarked (and the retry timer unstarted).
    bool (*marksTypedText)();
    // An entry's file was gone when it was launched: its directory's listing is out of date.
    void (*entryVanished)(int directoryIndex);
};

void connectLauncherWindow(const LauncherLinks& links);
// Opens the launcher window modally; returns when it has closed.
void openLauncherWindow(HWND owner);
// The launcher window while it is open, else null.
HWND launcherWindowHandle();
// True while a launcher window, or its icon loader, may still refer to catalogue entries.
bool launcherHoldsCatalogue();
// True once the open window has started launching: it is about to close.
bool launcherWindowLaunching();
