// Ending the launchers of every session on the machine: they all listen to one machine-wide
// event, which only an administrator may signal (the uninstaller does, before it removes every
// user's data, through "/CLOSEALL").
#pragma once

#include "base/win/owners.h"

#include <windows.h>

// Signals the event; false when no launcher listens or the caller may not signal it.
bool closeEverySessionsLauncher();

// While it lives, a signal of the event asks `window`'s thread to quit, as "/CLOSE" does.
class EverySessionCloseListener {
public:
    explicit EverySessionCloseListener(HWND window);
    ~EverySessionCloseListener();
    EverySessionCloseListener(const EverySessionCloseListener&) = delete;
    EverySessionCloseListener& operator=(const EverySessionCloseListener&) = delete;

private:
    static void CALLBACK onSignal(PVOID window, BOOLEAN timedOut);

    OwnedHandle event_;
    HANDLE wait_ = nullptr;
};
