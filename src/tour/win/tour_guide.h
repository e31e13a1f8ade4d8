// The tour guide: a small scripted window that introduces a new user.
#pragma once

#include <windows.h>

#include "tour/tour_script.h" // the event codes LauncherShown, QueryChanged, EntryLaunched

// How the tour reaches the windows it talks about; handed over once at start-up.
struct TourLinks {
    HWND (*launcherWindow)(); // null while no launcher window is open
    void (*openConfiguration)();
};

void connectTour(const TourLinks& links);
void enterTourState(int state);
void tourEvent(int eventCode);
// False while the current state asks the launcher window to leave the typed text unmarked.
bool tourLetsLauncherMarkText();
