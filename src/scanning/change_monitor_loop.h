// The body of the change monitor thread: waits on its control events and directory watches,
// re-arms on resume, closes on pause, and reports a fired watch after the settle time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "scanning/change_watch_plan.h"

// Slots of the wait set: the control events first, so that they win over a fired watch.
enum MonitorSlot : std::size_t {
    ResumeSlot = 0,
    PauseSlot = 1,
    ExitSlot = 2,
    FirstWatchSlot = ControlEventCount,
};
// Results of a wait that name no slot.
constexpr std::size_t WaitFailed = SIZE_MAX;
constexpr std::size_t WaitOther = SIZE_MAX - 1;

// The thread's view of the system and of the launcher; faked in tests.
class MonitorPlatform : public WatchOpener {
public:
    // Waits without time limit on the control events followed by `watches`; returns the
    // lowest signalled slot, WaitFailed, or WaitOther for any other outcome.
    virtual std::size_t waitForSignal(const std::vector<WatchHandle>& watches) = 0;
    // Waits on the control events alone for at most the settle time.
    virtual void settle() = 0;
    virtual void clearControlEvent(MonitorSlot slot) = 0;
    // The watches the settings ask for now; read so that no writer of the settings overlaps.
    virtual std::vector<WatchRequest> plannedWatches() = 0;
    // Tells the main window that the directory at `directoryIndex` changed.
    virtual void reportChange(std::size_t directoryIndex) = 0;
};

// Runs until the exit event or a failed wait; every watch is closed on return.
void runChangeMonitorLoop(MonitorPlatform& platform);
