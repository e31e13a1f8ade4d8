// How the launcher window reaches the rest of the program: what it tells whoever opens it, for
// the tour guide to follow, and whether it may mark the typed text.
#pragma once

enum class LauncherEvent { Shown, QueryChanged, EntryLaunched };

// Handed over once at start-up.
struct LauncherLinks {
    void (*reportEvent)(LauncherEvent event);
    // False while the typed text must stay unmarked (and the retry timer unstarted).
    bool (*marksTypedText)();
};
