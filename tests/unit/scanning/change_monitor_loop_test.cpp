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

TEST(ChangeMonitorLoop, ResumeArmsFromTheSettings)
{
    FakeMonitorPlatform system;
    system.directories = {directory("C:\\Programs\\", Recursive), directory("C:\\Flat\\", 0)};
    system.script = {wakeAt(ResumeSlot), wakeAt(ExitSlot)};
    runChangeMonitorLoop(system);

    const std::vector<std::string> expected = {"plan", "open C:\\Programs\\ tree", "open C:\\Flat\\ flat", "close",
                                               "close"};
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
    EXPECT_EQ(countOf(system.log, "plan"), 2u);
}

TEST(ChangeMonitorLoop, APausedMonitorKeepsWatchingAndReportsAfterTheResume)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(2);
    system.script = {wakeAt(ResumeSlot), wakeAt(PauseSlot),  folderChanges("C:\\D1\\"),
                     timePasses(5000),   wakeAt(ResumeSlot), timePasses(ChangeSettleMilliseconds)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.watchCountAtWait[2], 2u) << "the pause must not close the watches";
    EXPECT_EQ(system.reported, std::vector<std::size_t>{1});
    EXPECT_EQ(system.log[system.log.size() - 3], "report 1") << "reported right after the resume";
    EXPECT_EQ(countOf(system.log, "plan"), 2u);
    EXPECT_EQ(countOf(system.log, "open C:\\D0\\ tree"), 1u) << "an unchanged list keeps its watches";
}

TEST(ChangeMonitorLoop, AFiredWatchSettlesThenNamesItsDirectory)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(3);
    system.unwatchable = {"C:\\D0\\"};
    // Watch position 1 belongs to the third directory once the first is left out.
    system.script = {wakeAt(ResumeSlot), watchFires(1), timePasses(ChangeSettleMilliseconds - 1), watchFires(0),
                     timePasses(1), timePasses(ChangeSettleMilliseconds)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.reported, (std::vector<std::size_t>{2, 1}));
    EXPECT_EQ(system.watchCountAtWait, (std::vector<std::size_t>{0, 2, 1, 0, 1, 2}))
        << "a fired watch is down until its report";
    EXPECT_TRUE(system.openHandles.empty());
}

TEST(ChangeMonitorLoop, ChangesNotReportedAtExitAreHandedBack)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(3);
    system.script = {wakeAt(ResumeSlot), folderChanges("C:\\D2\\"), wakeAt(PauseSlot), folderChanges("C:\\D0\\"),
                     wakeAt(ExitSlot)};
    const auto left = runChangeMonitorLoop(system);

    EXPECT_EQ(left, (std::vector<std::size_t>{2, 0}));
    EXPECT_TRUE(system.reported.empty());
    EXPECT_TRUE(system.openHandles.empty());
}

TEST(ChangeMonitorLoop, EachResumeReadsTheCurrentDirectoryList)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(1);
    auto replaceList = [](FakeMonitorPlatform& platform, const std::vector<WatchHandle>&,
                          std::optional<std::uint64_t>) {
        platform.directories = {directory("C:\\New\\", 0), directory("C:\\Other\\")};
        return std::optional<std::size_t>(ResumeSlot);
    };
    system.script = {wakeAt(ResumeSlot), replaceList, watchFires(1), timePasses(ChangeSettleMilliseconds)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.watchCountAtWait, (std::vector<std::size_t>{0, 1, 2, 1, 2}));
    EXPECT_EQ(countOf(system.log, "open C:\\New\\ flat"), 1u);
    EXPECT_EQ(system.reported, std::vector<std::size_t>{1});
    EXPECT_TRUE(system.openHandles.empty());
}

// The configuration sheet closes (pause, new list, resume) at each moment of the monitor's
// arming for the last resume: from the reading of the list to the last watch opened. The new
// resume is kept, so the new list is watched and its folders reported at their new positions.
TEST(ChangeMonitorLoop, AResumeWhileWatchesAreArmedIsNotLost)
{
    for (std::size_t step = 0; step < 4; ++step) {
        FakeMonitorPlatform system;
        system.directories = numberedDirectories(3);
        system.duringArmingStep(step, [](FakeMonitorPlatform& platform) {
            platform.userPauses();
            platform.directories = {directory("C:\\New\\"), directory("C:\\D2\\")};
            platform.userResumes();
        });
        system.script = {wakeAt(ResumeSlot), folderChanges("C:\\D2\\"), folderChanges("C:\\New\\"),
                         timePasses(ChangeSettleMilliseconds)};
        runChangeMonitorLoop(system);

        EXPECT_EQ(system.reported, (std::vector<std::size_t>{1, 0})) << "list edited at arming step " << step;
        EXPECT_TRUE(system.openHandles.empty());
    }
}

TEST(ChangeMonitorLoop, ManyDirectoriesKeepTheMonitorRunning)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(75);
    auto addDirectory = [](FakeMonitorPlatform& platform, const std::vector<WatchHandle>&,
                           std::optional<std::uint64_t>) {
        platform.directories.insert(platform.directories.begin(), directory("C:\\First\\"));
        return std::optional<std::size_t>(ResumeSlot);
    };
    system.script = {wakeAt(ResumeSlot), watchFires(MaxWatchedDirectories - 1), timePasses(ChangeSettleMilliseconds),
                     addDirectory, watchFires(0), timePasses(ChangeSettleMilliseconds), wakeAt(ExitSlot)};
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

namespace {

// A step that logs its line and wakes the thread at `slot`, if any; a pause may be for a full scan.
FakeMonitorPlatform::Step logged(const std::string& line, std::optional<std::size_t> slot = std::nullopt,
                                 bool coversAll = false)
{
    return [=](FakeMonitorPlatform& system, const std::vector<WatchHandle>&, std::optional<std::uint64_t>) {
        system.log.push_back(line);
        system.nextPauseCoversAll = coversAll;
        return slot;
    };
}

// The steps a history is made of: a change in a folder (the digit after 'c'), time passing for
// the settle time, a pause, the pause of a full scan, a resume.
std::vector<FakeMonitorPlatform::Step> stepsFor(const std::string& event)
{
    if (event[0] == 'c') {
        const std::string folder = event.substr(1);
        return {logged("change " + folder), folderChanges("C:\\D" + folder + "\\"), timePasses(300)};
    }
    if (event == "settle")
        return {timePasses(ChangeSettleMilliseconds)};
    if (event == "pause")
        return {logged("pause", PauseSlot)};
    if (event == "full-scan")
        return {logged("full-scan", PauseSlot, true)};
    return {logged("resume", ResumeSlot)};
}

// After the history the monitor is resumed and given time. Then every change must have been
// reported after it, unless a full scan started after it; every report must follow a change
// that no earlier report or full scan covered; and nothing is reported while paused.
void expectEveryChangeReportedOnce(const std::vector<std::string>& history, std::size_t folders)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(static_cast<int>(folders));
    std::string description;
    system.script = {wakeAt(ResumeSlot)};
    for (const std::string& event : history) {
        description += " " + event;
        for (auto& step : stepsFor(event))
            system.script.push_back(step);
    }
    for (const char* event : {"resume", "settle", "settle"})
        for (auto& step : stepsFor(event))
            system.script.push_back(step);
    runChangeMonitorLoop(system);

    std::vector<bool> uncovered(folders, false);
    bool paused = false;
    for (const std::string& line : system.log) {
        const bool report = line.rfind("report ", 0) == 0;
        if (report || line.rfind("change ", 0) == 0) {
            const std::size_t folder = std::stoul(line.substr(7));
            ASSERT_TRUE(!report || uncovered[folder]) << "a report without a change of its own:" << description;
            ASSERT_FALSE(report && paused) << "a report while paused:" << description;
            uncovered[folder] = !report;
        } else if (line == "pause" || line == "full-scan" || line == "resume") {
            paused = line != "resume";
            if (line == "full-scan")
                std::fill(uncovered.begin(), uncovered.end(), false);
        }
    }
    for (std::size_t folder = 0; folder < folders; ++folder)
        ASSERT_FALSE(uncovered[folder]) << "folder " << folder << " lost its change:" << description;
    ASSERT_TRUE(system.openHandles.empty()) << description;
    ASSERT_EQ(countOf(system.log, "close of an unknown handle"), 0u) << description;
}

// Every history of `length` events over the changes of each folder and the other events.
void forEveryHistory(std::size_t folders, std::size_t length)
{
    std::vector<std::string> alphabet = {"settle", "pause", "full-scan", "resume"};
    for (std::size_t folder = 0; folder < folders; ++folder)
        alphabet.push_back("c" + std::to_string(folder));
    std::vector<std::size_t> digits(length, 0);
    for (std::size_t position = 0; position < length;) {
        std::vector<std::string> history;
        for (std::size_t digit : digits)
            history.push_back(alphabet[digit]);
        expectEveryChangeReportedOnce(history, folders);
        for (position = 0; position < length && ++digits[position] == alphabet.size(); ++position)
            digits[position] = 0;
    }
}

} // namespace

TEST(ChangeMonitorLoop, EveryInterleavingReportsEachChangedFolderOnce)
{
    forEveryHistory(2, 6);
    forEveryHistory(3, 5);
}
