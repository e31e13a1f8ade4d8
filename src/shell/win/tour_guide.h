// The tour guide: a small scripted window that introduces a new user.
#pragma once

#include "shell/tour_script.h" // the event codes LauncherShown, QueryChanged, EntryLaunched

// While set, the launcher window neither starts its retry timer nor marks the typed text.
extern bool suppressTextMarking;

void enterTourState(int state);
void tourEvent(int eventCode);
