// The worker thread that watches the scan directories and reports changes to whoever started it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "base/lock.h"

// What a pause is for: a scan of every directory makes the changes seen so far superfluous.
enum class PauseScope { SomeDirectories, EveryDirectory };

// Starts the thread; it posts `message` to `target` with a changed directory's index in wParam.
void startChangeMonitor(HWND target, UINT message);
// While paused the monitor still watches, but holds its reports until it is resumed.
void pauseChangeMonitor(PauseScope scope = PauseScope::SomeDirectories);
// Resumes reporting and re-arms the watches if the directory list or the flags have changed.
void resumeChangeMonitor();
void stopChangeMonitor();
// After stopChangeMonitor: the directories that changed but were not reported yet.
std::vector<std::size_t> changesUnreportedAtStop();

// Waits until the thread has made its control events; false when it never started or has ended.
bool waitForMonitorReady();

// The monitor reads `settings.directories` and `GlobalScanFlags` on its own thread while it
// arms its watches. Whoever replaces or edits either on the user-interface thread holds this
// lock meanwhile (scoped: `DirectoryListLock lock;`), so that arming never sees a half-made list.
class DirectoryListLock : public HeldLock {
public:
    DirectoryListLock();
};
