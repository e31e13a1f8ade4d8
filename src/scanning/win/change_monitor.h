// The worker thread that watches the scan directories and reports changes to whoever started it.
#pragma once

#include <windows.h>

#include "shell/lock.h"

// Starts the thread; it posts `message` to `target` with a changed directory's index in wParam.
void startChangeMonitor(HWND target, UINT message);
void pauseChangeMonitor();
void resumeChangeMonitor();
void stopChangeMonitor();

// Waits until the thread has made its control events; false when it never started or has ended.
bool waitForMonitorReady();

// The monitor reads `settings.directories` and `GlobalScanFlags` on its own thread while it
// arms its watches. Whoever replaces or edits either on the user-interface thread holds this
// lock meanwhile (scoped: `DirectoryListLock lock;`), so that arming never sees a half-made list.
class DirectoryListLock : public HeldLock {
public:
    DirectoryListLock();
};
