// The tour guide: a small scripted window that introduces a new user.
#pragma once

enum TourEventCode {
    LauncherShown = 1,
    QueryChanged = 2,
    EntryLaunched = 3,
};

// While set, the launcher window neither starts its retry timer nor marks the typed text.
extern bool suppressTextMarking;

void enterTourState(int state);
void tourEvent(int eventCode);
