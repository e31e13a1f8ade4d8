// The worker thread that watches the scan directories and reports changes to the main window.
#pragma once

void startChangeMonitor();
void pauseChangeMonitor();
void resumeChangeMonitor();
void stopChangeMonitor();

// Waits until the thread has made its control events; false when it never started or has ended.
bool waitForMonitorReady();

// The monitor reads `settings.directories` and `GlobalScanFlags` on its own thread while it
// arms its watches. Whoever replaces or edits either on the user-interface thread holds this
// lock meanwhile (scoped: `DirectoryListLock lock;`), so that arming never sees a half-made list.
class DirectoryListLock {
public:
    DirectoryListLock();
    ~DirectoryListLock();
    DirectoryListLock(const DirectoryListLock&) = delete;
    DirectoryListLock& operator=(const DirectoryListLock&) = delete;
};
