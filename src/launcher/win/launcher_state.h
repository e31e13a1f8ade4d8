// What the launcher window shares with its icon loader thread, process-wide: one window is open at
// a time, and a loader may outlive its window by one step.
#pragma once

#include <windows.h>

#include "launcher/result_list.h"
#include "shell/private_messages.h"

#include <atomic>

// The critical section called LauncherLock: created by the window as it opens, deleted by the
// loader as it ends.
class CriticalSectionLock : public LauncherLockInterface {
public:
    void create() { InitializeCriticalSection(&section_); }
    void destroy() { DeleteCriticalSection(&section_); }
    void enter() override { EnterCriticalSection(&section_); }
    void leave() override { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_{};
};

struct LauncherShared {
    CriticalSectionLock lock;
    SharedResultList results;
    // Non-null from the loader's start until its last act.
    std::atomic<HANDLE> loaderThread{nullptr};
};

extern LauncherShared launcherShared;
