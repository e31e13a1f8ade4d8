// A scripted stand-in for the monitor thread's system: each wait takes the next scripted
// result, and every call is logged as a short line so that tests can check order.
#pragma once

#include <functional>
#include <set>
#include <string>
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

class FakeMonitorPlatform : public MonitorPlatform {
public:
    using Step = std::function<std::size_t(FakeMonitorPlatform&)>;

    std::vector<ScanDirectory> directories;
    std::int32_t globalScanFlags = MonitorChanges;
    std::set<std::string> unwatchable;
    std::vector<Step> script;
    std::vector<std::string> log;
    std::vector<std::size_t> watchCountAtWait;
    std::set<WatchHandle> openHandles;
    bool scriptExhausted = false;

    WatchHandle openWatch(const std::string& path, bool subtree) override
    {
        log.push_back("open " + path + (subtree ? " tree" : " flat"));
        if (unwatchable.count(path) != 0)
            return nullptr;
        WatchHandle watch = reinterpret_cast<WatchHandle>(++lastHandle_);
        openHandles.insert(watch);
        return watch;
    }
    void closeWatch(WatchHandle watch) override
    {
        log.push_back("close");
        if (openHandles.erase(watch) == 0)
            log.push_back("close of an unknown handle");
    }
    std::size_t waitForSignal(const std::vector<WatchHandle>& watches) override
    {
        watchCountAtWait.push_back(watches.size());
        if (next_ == script.size()) {
            scriptExhausted = true;
            return ExitSlot;
        }
        return script[next_++](*this);
    }
    void settle() override { log.push_back("settle"); }
    void clearControlEvent(MonitorSlot slot) override { log.push_back("clear " + std::to_string(slot)); }
    std::vector<WatchRequest> plannedWatches() override
    {
        log.push_back("plan");
        return planWatches(directories, globalScanFlags);
    }
    void reportChange(std::size_t directoryIndex) override
    {
        log.push_back("report " + std::to_string(directoryIndex));
        reported.push_back(directoryIndex);
    }

    std::vector<std::size_t> reported;

private:
    std::size_t next_ = 0;
    std::uintptr_t lastHandle_ = 0x100;
};

inline FakeMonitorPlatform::Step wakeAt(std::size_t slot)
{
    return [slot](FakeMonitorPlatform&) { return slot; };
}

inline FakeMonitorPlatform::Step watchFires(std::size_t watchPosition)
{
    return wakeAt(FirstWatchSlot + watchPosition);
}
