#include "scanning/change_monitor_loop.h"

#include <algorithm>

namespace {

// A fired watch is put down until its change has been reported: the rescan that follows the
// report reads the folder afresh, so whatever else happens there meanwhile is covered, and
// a busy folder cannot keep the others' watches from being seen.
struct PendingChange {
    WatchRequest folder;
    std::uint64_t dueAt = 0;
};

class ChangeMonitor {
public:
    explicit ChangeMonitor(MonitorPlatform& platform) : platform_(platform) {}

    std::vector<std::size_t> run()
    {
        for (;;) {
            std::vector<std::size_t> positions;
            const std::vector<WatchHandle> handles = watches_.openHandles(positions);
            const std::size_t slot = platform_.waitForSignal(handles, timeUntilNextReport());
            if (slot == WaitFailed || slot == ExitSlot)
                break;
            if (slot == ResumeSlot)
                onResume();
            else if (slot == PauseSlot)
                onPause();
            else if (slot >= FirstWatchSlot && slot - FirstWatchSlot < positions.size())
                onWatchFired(positions[slot - FirstWatchSlot]);
            reportDueChanges();
        }
        watches_.close(platform_);
        std::vector<std::size_t> left;
        for (const PendingChange& change : pending_)
            left.push_back(change.folder.directoryIndex);
        return left;
    }

private:
    std::optional<std::uint64_t> timeUntilNextReport()
    {
        if (paused_ || pending_.empty())
            return std::nullopt;
        std::uint64_t due = pending_.front().dueAt;
        for (const PendingChange& change : pending_)
            due = std::min(due, change.dueAt);
        const std::uint64_t now = platform_.now();
        return due > now ? due - now : 0;
    }

    void onResume()
    {
        paused_ = false;
        const std::vector<WatchRequest> plan = platform_.plannedWatches();
        if (watches_.armedFor(plan)) {
            // Nothing to re-arm: keeping the watches keeps what they have seen meanwhile. One
            // that could not be opened again after its report is tried once more.
            for (std::size_t position = 0; position < watches_.size(); ++position)
                if (findPending(watches_.request(position)) == pending_.end())
                    watches_.pickUp(position, platform_);
        } else {
            watches_.arm(plan, platform_);
            followNewPlan(plan);
        }
    }

    // A change in a folder that is no longer in the list is dropped; the others follow their
    // folder to its new place in the list.
    void followNewPlan(const std::vector<WatchRequest>& plan)
    {
        std::vector<PendingChange> kept;
        for (PendingChange& change : pending_) {
            const auto planned = std::find_if(plan.begin(), plan.end(), [&](const WatchRequest& request) {
                return sameFolder(request, change.folder);
            });
            if (planned == plan.end())
                continue;
            change.folder = *planned;
            kept.push_back(change);
        }
        pending_.swap(kept);
        for (const PendingChange& change : pending_)
            putDownWatchOf(change.folder);
    }

    void onPause()
    {
        // Watches stay armed while paused: a change during a scan is reported after it.
        paused_ = true;
        if (platform_.pauseCoversAllDirectories()) {
            for (const PendingChange& change : pending_)
                pickUpWatchOf(change.folder);
            pending_.clear();
        }
    }

    void onWatchFired(std::size_t position)
    {
        const WatchRequest& folder = watches_.request(position);
        if (findPending(folder) == pending_.end())
            pending_.push_back(PendingChange{folder, platform_.now() + ChangeSettleMilliseconds});
        watches_.putDown(position, platform_);
    }

    void reportDueChanges()
    {
        if (paused_)
            return;
        const std::uint64_t now = platform_.now();
        std::vector<PendingChange> due;
        std::vector<PendingChange> waiting;
        for (const PendingChange& change : pending_)
            (change.dueAt <= now ? due : waiting).push_back(change);
        pending_.swap(waiting);
        for (const PendingChange& change : due) {
            // Picked up before the report, so that a change during the rescan fires again.
            pickUpWatchOf(change.folder);
            platform_.reportChange(change.folder.directoryIndex);
        }
    }

    std::vector<PendingChange>::iterator findPending(const WatchRequest& folder)
    {
        return std::find_if(pending_.begin(), pending_.end(),
                            [&](const PendingChange& change) { return sameFolder(change.folder, folder); });
    }

    std::optional<std::size_t> positionOf(const WatchRequest& folder) const
    {
        for (std::size_t position = 0; position < watches_.size(); ++position)
            if (sameFolder(watches_.request(position), folder))
                return position;
        return std::nullopt;
    }

    void putDownWatchOf(const WatchRequest& folder)
    {
        if (const auto position = positionOf(folder))
            watches_.putDown(*position, platform_);
    }

    void pickUpWatchOf(const WatchRequest& folder)
    {
        if (const auto position = positionOf(folder))
            watches_.pickUp(*position, platform_);
    }

    MonitorPlatform& platform_;
    WatchSet watches_;
    std::vector<PendingChange> pending_;
    // The thread starts paused: the first resume, at the end of start-up, arms the watches.
    bool paused_ = true;
};

} // namespace

std::vector<std::size_t> runChangeMonitorLoop(MonitorPlatform& platform)
{
    return ChangeMonitor(platform).run();
}
