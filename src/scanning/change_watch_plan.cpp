#include "scanning/change_watch_plan.h"

std::vector<WatchRequest> planWatches(const std::vector<ScanDirectory>& directories, std::int32_t globalScanFlags)
{
    std::vector<WatchRequest> plan;
    if ((globalScanFlags & MonitorChanges) == 0)
        return plan;
    plan.reserve(directories.size());
    for (std::size_t index = 0; index < directories.size(); ++index)
        plan.push_back(WatchRequest{directories[index].path, isRecursive(directories[index]), index});
    return plan;
}

void WatchSet::arm(const std::vector<WatchRequest>& plan, WatchOpener& opener)
{
    close(opener);
    for (const WatchRequest& request : plan) {
        if (handles_.size() == MaxWatchedDirectories)
            break;
        WatchHandle watch = opener.openWatch(request.path, request.subtree);
        if (watch == nullptr)
            continue;
        handles_.push_back(watch);
        directoryIndices_.push_back(request.directoryIndex);
    }
}

void WatchSet::close(WatchOpener& opener)
{
    for (WatchHandle watch : handles_)
        opener.closeWatch(watch);
    handles_.clear();
    directoryIndices_.clear();
}

std::optional<std::size_t> WatchSet::directoryOf(std::size_t watchPosition) const
{
    if (watchPosition >= directoryIndices_.size())
        return std::nullopt;
    return directoryIndices_[watchPosition];
}
