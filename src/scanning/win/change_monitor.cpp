#include "scanning/win/change_monitor.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <utility>
#include <vector>

#include "base/win/critical_section.h"
#include "base/win/owners.h"
#include "base/win/packages_folder.h"
#include "scanning/change_monitor_loop.h"
#include "settings/win/settings_store.h"

namespace {

// The three control events in slot order; made and closed by the thread under `controlLock`,
// so that pause, resume and stop never signal a handle the thread has already closed. They
// reset themselves as the wait returns them: a resume given while the thread arms its watches
// for the last one is kept for the next wait.
HANDLE controlEvents[ControlEventCount] = {};
std::atomic<bool> monitorReady{false};
std::atomic<HANDLE> monitorThread{nullptr};
// Where and how the thread reports a change: given at start, read by the thread only after.
HWND reportWindow = nullptr;
UINT reportMessage = 0;
// Set with the pause of a scan of every directory; taken by the thread when it pauses.
std::atomic<bool> pauseForFullScan{false};
// The directories whose changes the thread had not reported yet when it ended.
std::vector<std::size_t> changesLeftAtExit;

// Made before main() runs, so that both locks exist before any thread can take them. Never
// deleted: a thread still running while the process ends must not find them gone.
struct LockMadeAtStart : CriticalSectionLock {
    LockMadeAtStart() { create(); }
};
LockMadeAtStart controlLock;
LockMadeAtStart directoryListLock;

class Win32MonitorPlatform : public MonitorPlatform {
public:
    WatchHandle openWatch(const std::string& path, bool subtree) override
    {
        OwnedChangeNotification watch(
            FindFirstChangeNotificationA(path.c_str(), subtree ? TRUE : FALSE, WatchedChangeKinds));
        if (!watch.valid())
            return nullptr;
        openWatches_.push_back(std::move(watch));
        return openWatches_.back().get();
    }

    void closeWatch(WatchHandle watch) override
    {
        const auto open = std::find_if(openWatches_.begin(), openWatches_.end(),
                                       [watch](const OwnedChangeNotification& held) { return held.get() == watch; });
        if (open != openWatches_.end())
            openWatches_.erase(open);
    }

    std::size_t waitForSignal(const std::vector<WatchHandle>& watches, std::optional<std::uint64_t> timeoutMs) override
    {
        HANDLE waitSet[MaxWaitHandles];
        std::size_t count = 0;
        for (HANDLE control : controlEvents)
            waitSet[count++] = control;
        for (WatchHandle watch : watches)
            waitSet[count++] = watch;
        const DWORD timeout = timeoutMs ? static_cast<DWORD>(std::min<std::uint64_t>(*timeoutMs, INFINITE - 1)) : INFINITE;
        const DWORD result = WaitForMultipleObjects(static_cast<DWORD>(count), waitSet, FALSE, timeout);
        if (result == WAIT_FAILED)
            return WaitFailed;
        if (result == WAIT_TIMEOUT)
            return WaitTimedOut;
        if (result < WAIT_OBJECT_0 + count)
            return result - WAIT_OBJECT_0;
        return WaitOther;
    }

    std::uint64_t now() override
    {
        using namespace std::chrono;
        return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }

    bool pauseCoversAllDirectories() override { return pauseForFullScan.exchange(false); }

    std::vector<WatchRequest> plannedWatches() override
    {
        DirectoryListLock lock;
        return planWatches(settings.directories, settings.global.GlobalScanFlags, packagesFolderPath());
    }

    void reportChange(std::size_t directoryIndex) override
    {
        PostMessageA(reportWindow, reportMessage, static_cast<WPARAM>(directoryIndex), 0);
    }

private:
    // The loop decides when each watch closes; those it leaves open close with the platform.
    std::vector<OwnedChangeNotification> openWatches_;
};

bool createControlEvents()
{
    HeldLock lock(controlLock);
    for (HANDLE& control : controlEvents) {
        control = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        if (control == nullptr)
            return false;
    }
    return true;
}

void closeControlEvents()
{
    HeldLock lock(controlLock);
    monitorReady = false;
    for (HANDLE& control : controlEvents) {
        OwnedHandle(control).close();
        control = nullptr;
    }
}

DWORD WINAPI changeMonitorThread(LPVOID)
{
    if (createControlEvents()) {
        monitorReady = true;
        Win32MonitorPlatform platform;
        changesLeftAtExit = runChangeMonitorLoop(platform);
    }
    closeControlEvents();
    OwnedHandle(monitorThread.load()).close();
    // Last action: stopChangeMonitor waits for this.
    monitorThread = nullptr;
    return 0;
}

// Signals one control event after clearing another; nothing once the thread has ended.
void steerMonitor(MonitorSlot clear, MonitorSlot set)
{
    if (!waitForMonitorReady())
        return;
    HeldLock lock(controlLock);
    if (controlEvents[set] == nullptr)
        return;
    ResetEvent(controlEvents[clear]);
    SetEvent(controlEvents[set]);
}

} // namespace

DirectoryListLock::DirectoryListLock() : HeldLock(directoryListLock) {}

void startChangeMonitor(HWND target, UINT message)
{
    if (monitorThread.load() != nullptr)
        return;
    reportWindow = target;
    reportMessage = message;
    // Suspended until its handle is stored: the thread closes that handle itself when it ends.
    HANDLE thread = CreateThread(nullptr, 0, changeMonitorThread, nullptr, CREATE_SUSPENDED, nullptr);
    if (thread == nullptr)
        return;
    monitorThread = thread;
    ResumeThread(thread);
}

bool waitForMonitorReady()
{
    for (;;) {
        if (monitorThread.load() == nullptr)
            return false;
        if (monitorReady)
            return true;
        Sleep(MonitorPollMilliseconds);
    }
}

void pauseChangeMonitor(PauseScope scope)
{
    pauseForFullScan = scope == PauseScope::EveryDirectory;
    steerMonitor(ResumeSlot, PauseSlot);
}

void resumeChangeMonitor() { steerMonitor(PauseSlot, ResumeSlot); }

void stopChangeMonitor()
{
    if (waitForMonitorReady()) {
        HeldLock lock(controlLock);
        if (controlEvents[ExitSlot] != nullptr)
            SetEvent(controlEvents[ExitSlot]);
    }
    while (monitorThread.load() != nullptr)
        Sleep(MonitorPollMilliseconds);
}

std::vector<std::size_t> changesUnreportedAtStop()
{
    return changesLeftAtExit;
}
