#include "scanning/change_monitor_loop.h"

namespace {

enum class Arming { Pausing, Monitoring };

void armWatches(WatchSet& watches, MonitorPlatform& platform, Arming arming)
{
    // The old watches go first, so that a re-arm never holds more than one set of handles.
    watches.close(platform);
    if (arming == Arming::Monitoring)
        watches.arm(platform.plannedWatches(), platform);
}

void reportFiredWatch(const WatchSet& watches, MonitorPlatform& platform, std::size_t slot)
{
    const auto directoryIndex = watches.directoryOf(slot - FirstWatchSlot);
    if (!directoryIndex)
        return;
    // The watch stays signalled until the next arming replaces it, so this may repeat for
    // the same directory until the main window's rescan pauses and resumes the monitor.
    platform.settle();
    platform.reportChange(*directoryIndex);
}

} // namespace

void runChangeMonitorLoop(MonitorPlatform& platform)
{
    WatchSet watches;
    armWatches(watches, platform, Arming::Pausing);
    for (;;) {
        const std::size_t slot = platform.waitForSignal(watches.handles());
        if (slot == WaitFailed || slot == ExitSlot)
            break;
        if (slot == ResumeSlot) {
            armWatches(watches, platform, Arming::Monitoring);
            platform.clearControlEvent(ResumeSlot);
        } else if (slot == PauseSlot) {
            armWatches(watches, platform, Arming::Pausing);
            platform.clearControlEvent(PauseSlot);
        } else if (slot != WaitOther && slot >= FirstWatchSlot) {
            reportFiredWatch(watches, platform, slot);
        }
    }
    watches.close(platform);
}
