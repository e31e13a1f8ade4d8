// The body of the change monitor thread: waits on its control events and directory watches,
// and reports every fired watch once, after the settle time, when the monitor is not paused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
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
constexpr std::size_t WaitTimedOut = SIZE_MAX - 2;

// The thread's view of the system and of the launcher; faked in tests.
class MonitorPlatform : public WatchOpener {
public:
    // Waits on the control events followed by `watches`, without limit when `timeoutMs` is
    // empty; returns the lowest signalled slot, WaitTimedOut, WaitFailed, or WaitOther. The
    // control event it returns is taken in the same step: one signalled again while the
    // thread acts on it wakes the next wait.
    virtual std::size_t waitForSignal(const std::vector<WatchHandle>& watches,
                                      std::optional<std::uint64_t> timeoutMs) = 0;
    // Milliseconds on a clock that never goes back.
    virtual std::uint64_t now() = 0;
    // Asked once per pause: true when the pause is for a scan of every directory, which
    // makes the changes reported so far superfluous.
    virtual bool pauseCoversAllDirectories() = 0;
    // The watches the settings ask for now; read so that no writer of the settings overlaps.
    virtual std::vector<WatchRequest> plannedWatches() = 0;
    // Tells the main window that the directory at `directoryIndex` changed.
    virtual void reportChange(std::size_t directoryIndex) = 0;
};

// Runs until the exit event or a failed wait; every watch is closed on return. Returns the
// directories whose changes were still waiting to be reported.
std::vector<std::size_t> runChangeMonitorLoop(MonitorPlatform& platform);
