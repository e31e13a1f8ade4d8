#include "scanning/change_watch_plan.h"

#include <gtest/gtest.h>

#include "monitor_fakes.h"
#include "settings/apps_source.h"

TEST(PlanWatches, NothingIsWatchedWithMonitoringOff)
{
    const auto directories = numberedDirectories(3);
    const std::int32_t flagsWithoutMonitoring[] = {0, ShowScannedDirectory | ScanAtStartup,
                                                   StatusBoxModeMask | LastScanAborted, ~MonitorChanges};
    for (std::int32_t flags : flagsWithoutMonitoring)
        EXPECT_TRUE(planWatches(directories, flags).empty()) << "flags " << flags;
}

TEST(PlanWatches, SubtreeFollowsOnlyTheRecursiveFlag)
{
    const std::vector<ScanDirectory> directories = {
        directory("C:\\A\\", Recursive),
        directory("C:\\B\\", 0),
        directory("C:\\C\\", IgnoreHidden),
        directory("C:\\D\\", Recursive | IgnoreHidden),
        directory("C:\\E\\", 0xFC), // stray bits of a hand-edited file, recursive clear
    };
    const auto plan = planWatches(directories, MonitorChanges | ShowScannedDirectory);
    ASSERT_EQ(plan.size(), directories.size());
    const bool expectedSubtree[] = {true, false, false, true, false};
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].path, directories[i].path);
        EXPECT_EQ(plan[i].subtree, expectedSubtree[i]) << plan[i].path;
        EXPECT_EQ(plan[i].directoryIndex, i);
    }
}

TEST(PlanWatches, TheAppsSourceWatchesThePackagesFolderAloneOrNothing)
{
    std::vector<ScanDirectory> directories = {directory("C:\\A\\", Recursive), appsSourceDirectory("Apps"),
                                              directory("C:\\B\\", 0)};
    directories[1].flags = Recursive;
    const auto plan = planWatches(directories, MonitorChanges, "C:\\Users\\Ann\\AppData\\Local\\Packages");
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[1].path, "C:\\Users\\Ann\\AppData\\Local\\Packages");
    EXPECT_FALSE(plan[1].subtree);
    EXPECT_EQ(plan[1].directoryIndex, 1u);

    const auto withoutPackages = planWatches(directories, MonitorChanges);
    ASSERT_EQ(withoutPackages.size(), 2u);
    EXPECT_EQ(withoutPackages[1].directoryIndex, 2u);
}

TEST(PlanWatches, EveryDirectoryIsPlannedEvenPastTheWatchLimit)
{
    // The limit belongs to arming, which skips unwatchable folders before counting.
    EXPECT_EQ(planWatches(numberedDirectories(100), MonitorChanges).size(), 100u);
}

TEST(WatchSet, AnUnwatchableFolderGivesItsSlotToTheNext)
{
    FakeMonitorPlatform system;
    system.unwatchable = {"C:\\D0\\"};
    WatchSet watches;
    watches.arm(planWatches(numberedDirectories(3), MonitorChanges), system);

    ASSERT_EQ(watches.size(), 2u);
    EXPECT_EQ(watches.directoryOf(0), 1u);
    EXPECT_EQ(watches.directoryOf(1), 2u);
    EXPECT_EQ(watches.directoryOf(2), std::nullopt);
}

TEST(WatchSet, WatchesTheFirstWatchableDirectoriesUpToTheLimit)
{
    struct Case {
        int directories;
        std::set<std::string> unwatchable;
        std::size_t expectedWatches;
        std::size_t expectedLastIndex;
    };
    const Case cases[] = {
        {61, {}, 61, 60},
        {62, {}, 61, 60},
        {200, {}, 61, 60},
        {70, {"C:\\D0\\", "C:\\D7\\", "C:\\D30\\"}, 61, 63},
        {62, {"C:\\D61\\"}, 61, 60},
    };
    for (const Case& c : cases) {
        FakeMonitorPlatform system;
        system.unwatchable = c.unwatchable;
        WatchSet watches;
        watches.arm(planWatches(numberedDirectories(c.directories), MonitorChanges), system);
        EXPECT_EQ(watches.size(), c.expectedWatches) << c.directories << " directories";
        EXPECT_EQ(watches.directoryOf(watches.size() - 1), c.expectedLastIndex) << c.directories << " directories";
        EXPECT_LE(watches.size() + ControlEventCount, MaxWaitHandles);
        // Folders past the limit are not even opened, so no handle leaks.
        EXPECT_EQ(system.log.size(), c.expectedLastIndex + 1);
    }
}

TEST(WatchSet, ReArmingClosesEveryOldWatchFirst)
{
    FakeMonitorPlatform system;
    WatchSet watches;
    watches.arm(planWatches(numberedDirectories(2), MonitorChanges), system);
    system.log.clear();
    watches.arm(planWatches(numberedDirectories(1), MonitorChanges), system);

    const std::vector<std::string> expected = {"close", "close", "open C:\\D0\\ tree"};
    EXPECT_EQ(system.log, expected);
    EXPECT_EQ(system.openHandles.size(), 1u);
    watches.close(system);
    EXPECT_TRUE(system.openHandles.empty());
    watches.close(system);
    EXPECT_EQ(system.log.size(), expected.size() + 1) << "a second close must close nothing";
}
