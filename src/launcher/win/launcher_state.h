// What the launcher window shares with its icon loader thread, process-wide: one window is open at
// a time, and a loader may outlive its window by one step.
#pragma once

#include <windows.h>

#include "base/win/critical_section.h"
#include "launcher/launcher_messages.h"
#include "launcher/result_list.h"

#include <atomic>

// The lock is the one called LauncherLock: created by the window as it opens, deleted by the loader
// as it ends.
struct LauncherShared {
    CriticalSectionLock lock;
    SharedResultList results;
    // Non-null from the loader's start until its last act.
    std::atomic<HANDLE> loaderThread{nullptr};
};

extern LauncherShared launcherShared;
