#include "scanning/change_monitor_loop.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "monitor_fakes.h"

namespace {

std::size_t countOf(const std::vector<std::string>& log, const std::string& line)
{
    return static_cast<std::size_t>(std::count(log.begin(), log.end(), line));
}

} // namespace

TEST(ChangeMonitorLoop, StartsPausedAndReadsNoSettingsUntilResumed)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(2);
    system.script = {wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.watchCountAtWait, std::vector<std::size_t>{0});
    EXPECT_TRUE(system.log.empty());
    EXPECT_FALSE(system.scriptExhausted);
}

TEST(ChangeMonitorLoop, ResumeArmsFromTheSettingsThenClearsItsEvent)
{
    FakeMonitorPlatform system;
    system.directories = {directory("C:\\Programs\\", Recursive), directory("C:\\Flat\\", 0)};
    system.script = {wakeAt(ResumeSlot), wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    const std::vector<std::string> expected = {"plan", "open C:\\Programs\\ tree", "open C:\\Flat\\ flat", "clear 0",
                                               "close", "close"};
    EXPECT_EQ(system.log, expected);
    EXPECT_EQ(system.watchCountAtWait, (std::vector<std::size_t>{0, 2}));
    EXPECT_TRUE(system.openHandles.empty());
}

TEST(ChangeMonitorLoop, ResumeWithMonitoringOffStaysPaused)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(3);
    system.globalScanFlags = ShowScannedDirectory | ScanAtStartup;
    system.script = {wakeAt(ResumeSlot), wakeAt(ResumeSlot), wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.watchCountAtWait, (std::vector<std::size_t>{0, 0, 0}));
    EXPECT_TRUE(system.reported.empty());
    EXPECT_EQ(countOf(system.log, "clear 0"), 2u);
}

TEST(ChangeMonitorLoop, PauseClosesEveryWatchAndClearsItsEvent)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(3);
    system.script = {wakeAt(ResumeSlot), wakeAt(PauseSlot), wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.watchCountAtWait, (std::vector<std::size_t>{0, 3, 0}));
    EXPECT_EQ(countOf(system.log, "close"), 3u);
    EXPECT_EQ(system.log.back(), "clear 1");
    EXPECT_TRUE(system.openHandles.empty());
}

TEST(ChangeMonitorLoop, AFiredWatchSettlesThenNamesItsDirectory)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(3);
    system.unwatchable = {"C:\\D0\\"};
    // Watch position 1 belongs to the third directory once the first is left out.
    system.script = {wakeAt(ResumeSlot), watchFires(1), watchFires(0), wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.reported, (std::vector<std::size_t>{2, 1}));
    const auto settle = std::find(system.log.begin(), system.log.end(), "settle");
    ASSERT_NE(settle, system.log.end());
    EXPECT_EQ(*(settle + 1), "report 2");
}

TEST(ChangeMonitorLoop, AWatchThatStaysSignalledReportsAgainUntilReArmed)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(1);
    system.script = {wakeAt(ResumeSlot), watchFires(0), watchFires(0), wakeAt(PauseSlot), wakeAt(ResumeSlot),
                     wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.reported, (std::vector<std::size_t>{0, 0}));
    EXPECT_EQ(countOf(system.log, "open C:\\D0\\ tree"), 2u) << "only a resume opens a fresh watch";
}

TEST(ChangeMonitorLoop, EachResumeReadsTheCurrentDirectoryList)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(1);
    auto replaceList = [](FakeMonitorPlatform& platform) {
        platform.directories = {directory("C:\\New\\", 0), directory("C:\\Other\\")};
        return std::size_t{ResumeSlot};
    };
    system.script = {wakeAt(ResumeSlot), replaceList, watchFires(1), wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.watchCountAtWait, (std::vector<std::size_t>{0, 1, 2, 2}));
    EXPECT_EQ(countOf(system.log, "open C:\\New\\ flat"), 1u);
    EXPECT_EQ(system.reported, std::vector<std::size_t>{1});
    EXPECT_TRUE(system.openHandles.empty());
}

TEST(ChangeMonitorLoop, ManyDirectoriesKeepTheMonitorRunning)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(75);
    system.script = {wakeAt(ResumeSlot), watchFires(MaxWatchedDirectories - 1), wakeAt(PauseSlot),
                     wakeAt(ResumeSlot), watchFires(0), wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.reported, (std::vector<std::size_t>{60, 0}));
    for (std::size_t count : system.watchCountAtWait)
        EXPECT_LE(count, MaxWatchedDirectories);
    EXPECT_FALSE(system.scriptExhausted);
}

TEST(ChangeMonitorLoop, WakeupsThatNameNoWatchAreIgnored)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(2);
    system.script = {watchFires(0), wakeAt(WaitOther), wakeAt(ResumeSlot), watchFires(2), watchFires(50),
                     wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    EXPECT_TRUE(system.reported.empty());
    EXPECT_EQ(countOf(system.log, "settle"), 0u);
    EXPECT_FALSE(system.scriptExhausted);
}

TEST(ChangeMonitorLoop, EndsAndClosesEverythingOnExitOrAFailedWait)
{
    for (std::size_t ending : {std::size_t{ExitSlot}, WaitFailed}) {
        FakeMonitorPlatform system;
        system.directories = numberedDirectories(4);
        system.script = {wakeAt(ResumeSlot), wakeAt(ending), wakeAt(ResumeSlot)};
        runChangeMonitorLoop(system);

        EXPECT_TRUE(system.openHandles.empty()) << "ending " << ending;
        EXPECT_EQ(system.watchCountAtWait.size(), 2u) << "the loop must not wait again after ending " << ending;
        EXPECT_EQ(countOf(system.log, "close of an unknown handle"), 0u);
    }
}
