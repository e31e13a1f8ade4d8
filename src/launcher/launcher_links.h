// How the launcher window reaches the rest of the program: what it tells whoever opens it, for
// the tour guide to follow, whether it may mark the typed text, and which entries have vanished.
#pragma once

enum class LauncherEvent { Shown, QueryChanged, EntryLaunched };

// Handed over once at start-up.
struct LauncherLinks {
    void (*reportEvent)(LauncherEvent event);
    // False while the typed text must stay unmarked (and the retry timer unstarted).
    bool (*marksTypedText)();
    // An entry's file was gone when it was launched: its directory's listing is out of date.
    void (*entryVanished)(int directoryIndex);
};
