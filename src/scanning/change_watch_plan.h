// Which directories the change monitor watches, and the watch slots it holds for them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_model.h"

// One wait of the system takes at most 64 handles; the monitor's three control events
// (resume, pause, exit) come first, which leaves room for 61 directory watches.
constexpr std::size_t MaxWaitHandles = 64;
constexpr std::size_t ControlEventCount = 3;
constexpr std::size_t MaxWatchedDirectories = MaxWaitHandles - ControlEventCount;

// Creating, deleting or renaming files and folders, and attribute changes (file name 1,
// folder name 2, attributes 4). Writes, sizes and times stay out: saving a document
// in place must not cause a rescan.
constexpr std::uint32_t WatchedChangeKinds = 0x7;

// A burst of changes (an installer copying files) is let to end before the rescan is asked for.
constexpr unsigned long ChangeSettleMilliseconds = 1600;
// How often pause, resume and stop look whether the thread is ready or has ended.
constexpr unsigned long MonitorPollMilliseconds = 10;

struct WatchRequest {
    std::string path;
    bool subtree = false;
    std::size_t directoryIndex = 0;
};

// The watches wanted for the current settings: one per directory in list order, or none
// when "monitor changes" is off. Copied out so that the caller can let go of the list.
// The packaged apps source watches `packagesFolder` alone, for packages that come or go; it
// has no watch where the system has no such folder (empty).
std::vector<WatchRequest> planWatches(const std::vector<ScanDirectory>& directories, std::int32_t globalScanFlags,
                                      const std::string& packagesFolder = std::string());

// Opens and closes the system's change notifications; faked in tests.
using WatchHandle = void*;
class WatchOpener {
public:
    virtual ~WatchOpener() = default;
    // Null when the folder cannot be watched (missing, no access, no medium).
    virtual WatchHandle openWatch(const std::string& path, bool subtree) = 0;
    virtual void closeWatch(WatchHandle watch) = 0;
};

bool sameFolder(const WatchRequest& a, const WatchRequest& b);

// The armed watches in slot order and, for each, the request it was opened for. A watch can be
// put down for a while (its handle is null then) and picked up again in the same position.
class WatchSet {
public:
    // Opens the planned watches in order. A folder that cannot be watched gives its slot to
    // the next one; once every slot is taken the remaining directories go unwatched.
    void arm(const std::vector<WatchRequest>& plan, WatchOpener& opener);
    void close(WatchOpener& opener);
    // True when arming for `plan` would open exactly the watches held now.
    bool armedFor(const std::vector<WatchRequest>& plan) const;

    void putDown(std::size_t watchPosition, WatchOpener& opener);
    // Opens a put-down watch afresh (an open one stays as it is); false when the folder
    // cannot be watched any more.
    bool pickUp(std::size_t watchPosition, WatchOpener& opener);

    // The handles that are open, and for each its position in the set.
    std::vector<WatchHandle> openHandles(std::vector<std::size_t>& positions) const;
    std::size_t size() const { return watches_.size(); }
    const WatchRequest& request(std::size_t watchPosition) const { return watches_[watchPosition].request; }
    // The directory index of a watch; none for a position past the armed watches.
    std::optional<std::size_t> directoryOf(std::size_t watchPosition) const;

private:
    struct Watch {
        WatchRequest request;
        WatchHandle handle = nullptr;
    };
    std::vector<Watch> watches_;
};
