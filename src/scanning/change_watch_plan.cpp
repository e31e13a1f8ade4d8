#include "scanning/change_watch_plan.h"

#include "settings/apps_source.h"

std::vector<WatchRequest> planWatches(const std::vector<ScanDirectory>& directories, std::int32_t globalScanFlags,
                                      const std::string& packagesFolder)
{
    std::vector<WatchRequest> plan;
    if ((globalScanFlags & MonitorChanges) == 0)
        return plan;
    plan.reserve(directories.size());
    for (std::size_t index = 0; index < directories.size(); ++index) {
        if (!isAppsSource(directories[index]))
            plan.push_back(WatchRequest{directories[index].path, isRecursive(directories[index]), index});
        else if (!packagesFolder.empty())
            plan.push_back(WatchRequest{packagesFolder, false, index});
    }
    return plan;
}

bool sameFolder(const WatchRequest& a, const WatchRequest& b)
{
    return a.path == b.path && a.subtree == b.subtree;
}

void WatchSet::arm(const std::vector<WatchRequest>& plan, WatchOpener& opener)
{
    close(opener);
    for (const WatchRequest& request : plan) {
        if (watches_.size() == MaxWatchedDirectories)
            break;
        WatchHandle handle = opener.openWatch(request.path, request.subtree);
        if (handle != nullptr)
            watches_.push_back(Watch{request, handle});
    }
}

void WatchSet::close(WatchOpener& opener)
{
    for (std::size_t position = 0; position < watches_.size(); ++position)
        putDown(position, opener);
    watches_.clear();
}

bool WatchSet::armedFor(const std::vector<WatchRequest>& plan) const
{
    if (plan.size() != watches_.size())
        return false;
    for (std::size_t position = 0; position < plan.size(); ++position) {
        if (!sameFolder(plan[position], watches_[position].request) ||
            plan[position].directoryIndex != watches_[position].request.directoryIndex)
            return false;
    }
    return true;
}

void WatchSet::putDown(std::size_t watchPosition, WatchOpener& opener)
{
    Watch& watch = watches_[watchPosition];
    if (watch.handle != nullptr)
        opener.closeWatch(watch.handle);
    watch.handle = nullptr;
}

bool WatchSet::pickUp(std::size_t watchPosition, WatchOpener& opener)
{
    Watch& watch = watches_[watchPosition];
    if (watch.handle != nullptr)
        return true;
    watch.handle = opener.openWatch(watch.request.path, watch.request.subtree);
    return watch.handle != nullptr;
}

std::vector<WatchHandle> WatchSet::openHandles(std::vector<std::size_t>& positions) const
{
    std::vector<WatchHandle> handles;
    positions.clear();
    for (std::size_t position = 0; position < watches_.size(); ++position) {
        if (watches_[position].handle == nullptr)
            continue;
        handles.push_back(watches_[position].handle);
        positions.push_back(position);
    }
    return handles;
}

std::optional<std::size_t> WatchSet::directoryOf(std::size_t watchPosition) const
{
    if (watchPosition >= watches_.size())
        return std::nullopt;
    return watches_[watchPosition].request.directoryIndex;
}
