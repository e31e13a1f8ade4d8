// Fakes of the change monitor's system for the monitor tests.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "scanning/change_monitor_loop.h"

inline ScanDirectory directory(const std::string& path, std::uint8_t flags = Recursive)
{
    ScanDirectory result;
    result.path = path;
    result.flags = flags;
    return result;
}

inline std::vector<ScanDirectory> numberedDirectories(int count)
{
    std::vector<ScanDirectory> list;
    for (int i = 0; i < count; ++i)
        list.push_back(directory("C:\\D" + std::to_string(i) + "\\"));
    return list;
}

// A scripted stand-in for the monitor thread's system. Each wait runs script steps until one
// wakes the thread; a step that wakes nothing (a change in a folder whose watch is down, time
// passing without a time-out) lets the next one run. Every call is logged as a short line.
class FakeMonitorPlatform : public MonitorPlatform {
public:
    using Step = std::function<std::optional<std::size_t>(FakeMonitorPlatform&, const std::vector<WatchHandle>&,
                                                          std::optional<std::uint64_t>)>;

    std::vector<ScanDirectory> directories;
    std::int32_t globalScanFlags = MonitorChanges;
    std::set<std::string> unwatchable;
    std::vector<Step> script;
    std::vector<std::string> log;
    std::vector<std::size_t> watchCountAtWait;
    std::map<WatchHandle, std::string> openHandles;
    std::vector<std::size_t> reported;
    std::uint64_t clock = 0;
    bool nextPauseCoversAll = false;
    bool scriptExhausted = false;

    WatchHandle openWatch(const std::string& path, bool subtree) override
    {
        log.push_back("open " + path + (subtree ? " tree" : " flat"));
        armingStep();
        if (unwatchable.count(path) != 0)
            return nullptr;
        WatchHandle watch = reinterpret_cast<WatchHandle>(++lastHandle_);
        openHandles[watch] = path;
        return watch;
    }
    void closeWatch(WatchHandle watch) override
    {
        log.push_back("close");
        if (openHandles.erase(watch) == 0)
            log.push_back("close of an unknown handle");
    }
    std::size_t waitForSignal(const std::vector<WatchHandle>& watches, std::optional<std::uint64_t> timeoutMs) override
    {
        watchCountAtWait.push_back(watches.size());
        for (std::size_t slot = 0; slot < ControlEventCount; ++slot)
            if (std::exchange(signalled_[slot], false))
                return slot;
        while (next_ < script.size())
            if (const auto slot = script[next_++](*this, watches, timeoutMs))
                return *slot;
        scriptExhausted = true;
        return ExitSlot;
    }
    std::uint64_t now() override { return clock; }
    bool pauseCoversAllDirectories() override { return std::exchange(nextPauseCoversAll, false); }
    std::vector<WatchRequest> plannedWatches() override
    {
        log.push_back("plan");
        armingStep();
        return planWatches(directories, globalScanFlags);
    }
    void reportChange(std::size_t directoryIndex) override
    {
        log.push_back("report " + std::to_string(directoryIndex));
        reported.push_back(directoryIndex);
    }

    // The user-interface thread steers the monitor as the launcher does: a pause withdraws a
    // resume that was not taken yet, and the other way round.
    void userPauses() { steer(ResumeSlot, PauseSlot); }
    void userResumes() { steer(PauseSlot, ResumeSlot); }

    // Lets `action` run on the user-interface thread during the monitor's `step`th reading of
    // the directory list or opening of a watch, counted from 0.
    void duringArmingStep(std::size_t step, std::function<void(FakeMonitorPlatform&)> action)
    {
        armingStepsLeft_ = step;
        armingAction_ = std::move(action);
    }

private:
    void steer(MonitorSlot withdrawn, MonitorSlot given)
    {
        signalled_[withdrawn] = false;
        signalled_[given] = true;
    }

    void armingStep()
    {
        if (armingAction_ && armingStepsLeft_-- == 0)
            std::exchange(armingAction_, nullptr)(*this);
    }

    bool signalled_[ControlEventCount] = {};
    std::size_t armingStepsLeft_ = 0;
    std::function<void(FakeMonitorPlatform&)> armingAction_;
    std::size_t next_ = 0;
    std::uintptr_t lastHandle_ = 0x100;
};

inline FakeMonitorPlatform::Step wakeAt(std::size_t slot)
{
    return [slot](FakeMonitorPlatform&, const std::vector<WatchHandle>&, std::optional<std::uint64_t>) {
        return std::optional<std::size_t>(slot);
    };
}

// The watch at this position of the wait set fires.
inline FakeMonitorPlatform::Step watchFires(std::size_t watchPosition)
{
    return wakeAt(FirstWatchSlot + watchPosition);
}

// Something changes in the folder: its watch fires if it is open.
inline FakeMonitorPlatform::Step folderChanges(const std::string& path)
{
    return [path](FakeMonitorPlatform& system, const std::vector<WatchHandle>& watches,
                  std::optional<std::uint64_t>) -> std::optional<std::size_t> {
        for (std::size_t position = 0; position < watches.size(); ++position)
            if (system.openHandles.count(watches[position]) != 0 && system.openHandles.at(watches[position]) == path)
                return FirstWatchSlot + position;
        return std::nullopt;
    };
}

// The clock moves on; a wait with a shorter time limit times out.
inline FakeMonitorPlatform::Step timePasses(std::uint64_t milliseconds)
{
    return [milliseconds](FakeMonitorPlatform& system, const std::vector<WatchHandle>&,
                          std::optional<std::uint64_t> timeoutMs) -> std::optional<std::size_t> {
        system.clock += milliseconds;
        if (timeoutMs && *timeoutMs <= milliseconds)
            return WaitTimedOut;
        return std::nullopt;
    };
}
