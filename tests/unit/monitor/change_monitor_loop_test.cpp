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

TEST(ChangeMonitorLoop, ABurstInOneFolderIsReportedOnce)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(1);
    system.script = {wakeAt(ResumeSlot), folderChanges("C:\\D0\\"), folderChanges("C:\\D0\\"),
                     timePasses(ChangeSettleMilliseconds / 2), folderChanges("C:\\D0\\"),
                     timePasses(ChangeSettleMilliseconds), timePasses(ChangeSettleMilliseconds)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.reported, std::vector<std::size_t>{0});
}

TEST(ChangeMonitorLoop, AFullScanCoversTheChangesBeforeItButNotThoseDuringIt)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(2);
    auto fullScanPause = [](FakeMonitorPlatform& platform, const std::vector<WatchHandle>&,
                            std::optional<std::uint64_t>) -> std::optional<std::size_t> {
        platform.nextPauseCoversAll = true;
        return PauseSlot;
    };
    system.script = {wakeAt(ResumeSlot),         folderChanges("C:\\D0\\"), fullScanPause,
                     folderChanges("C:\\D1\\"), wakeAt(ResumeSlot),         timePasses(ChangeSettleMilliseconds)};
    runChangeMonitorLoop(system);

    EXPECT_EQ(system.reported, std::vector<std::size_t>{1});
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

// One step of a generated history.
enum class Event { Change, TimePasses, Pause, FullScanPause, Resume };

struct History {
    std::vector<std::pair<Event, std::size_t>> steps; // the folder, for a change
};

// A change must be reported after it unless a full scan started after it; a report must have a
// change before it that no earlier report or full scan covered; nothing is reported while paused.
void expectEveryChangeReportedOnce(const History& history, std::size_t folders)
{
    FakeMonitorPlatform system;
    system.directories = numberedDirectories(static_cast<int>(folders));
    bool paused = false;
    auto note = [](std::string line) {
        return [line](FakeMonitorPlatform& platform, const std::vector<WatchHandle>&,
                                 std::optional<std::uint64_t>) -> std::optional<std::size_t> {
            platform.log.push_back(line);
            return std::nullopt;
        };
    };
    auto pause = [&paused](bool coversAll) {
        return [&paused, coversAll](FakeMonitorPlatform& platform, const std::vector<WatchHandle>&,
                                    std::optional<std::uint64_t>) -> std::optional<std::size_t> {
            paused = true;
            platform.nextPauseCoversAll = coversAll;
            platform.log.push_back(coversAll ? "full scan" : "paused");
            return PauseSlot;
        };
    };
    auto resume = [&paused](FakeMonitorPlatform& platform, const std::vector<WatchHandle>&,
                            std::optional<std::uint64_t>) -> std::optional<std::size_t> {
        paused = false;
        platform.log.push_back("resumed");
        return ResumeSlot;
    };
    system.script = {wakeAt(ResumeSlot)};
    std::string description;
    for (const auto& [event, folder] : history.steps) {
        switch (event) {
        case Event::Change:
            description += " change" + std::to_string(folder);
            system.script.push_back(note("change " + std::to_string(folder)));
            system.script.push_back(folderChanges("C:\\D" + std::to_string(folder) + "\\"));
            system.script.push_back(timePasses(300));
            break;
        case Event::TimePasses:
            description += " settle";
            system.script.push_back(timePasses(ChangeSettleMilliseconds));
            break;
        case Event::Pause:
            description += " pause";
            system.script.push_back(pause(false));
            break;
        case Event::FullScanPause:
            description += " full-scan";
            system.script.push_back(pause(true));
            break;
        case Event::Resume:
            description += " resume";
            system.script.push_back(resume);
            break;
        }
    }
    // The monitor ends up resumed and given time to report what is left.
    system.script.push_back(resume);
    system.script.push_back(timePasses(ChangeSettleMilliseconds));
    system.script.push_back(timePasses(ChangeSettleMilliseconds));
    runChangeMonitorLoop(system);

    std::vector<bool> uncovered(folders, false);
    bool pausedNow = false;
    for (const std::string& line : system.log) {
        if (line.rfind("change ", 0) == 0) {
            uncovered[std::stoul(line.substr(7))] = true;
        } else if (line.rfind("report ", 0) == 0) {
            const std::size_t folder = std::stoul(line.substr(7));
            ASSERT_TRUE(uncovered[folder]) << "a report without a change of its own:" << description;
            ASSERT_FALSE(pausedNow) << "a report while paused:" << description;
            uncovered[folder] = false;
        } else if (line == "full scan") {
            pausedNow = true;
            std::fill(uncovered.begin(), uncovered.end(), false);
        } else if (line == "paused") {
            pausedNow = true;
        } else if (line == "resumed") {
            pausedNow = false;
        }
    }
    for (std::size_t folder = 0; folder < folders; ++folder)
        ASSERT_FALSE(uncovered[folder]) << "folder " << folder << " lost its change:" << description;
    ASSERT_TRUE(system.openHandles.empty()) << description;
    ASSERT_EQ(countOf(system.log, "close of an unknown handle"), 0u) << description;
}

// Every history of `length` steps over the changes of each folder, time passing, the two kinds
// of pause, and resume.
void forEveryHistory(std::size_t folders, std::size_t length, const std::function<void(const History&)>& check)
{
    std::vector<std::pair<Event, std::size_t>> alphabet = {
        {Event::TimePasses, 0}, {Event::Pause, 0}, {Event::FullScanPause, 0}, {Event::Resume, 0}};
    for (std::size_t folder = 0; folder < folders; ++folder)
        alphabet.push_back({Event::Change, folder});
    std::vector<std::size_t> digits(length, 0);
    for (;;) {
        History history;
        for (std::size_t digit : digits)
            history.steps.push_back(alphabet[digit]);
        check(history);
        std::size_t position = 0;
        while (position < length && ++digits[position] == alphabet.size())
            digits[position++] = 0;
        if (position == length)
            return;
    }
}

} // namespace

TEST(ChangeMonitorLoop, EveryInterleavingReportsEachChangedFolderOnce)
{
    forEveryHistory(2, 6, [](const History& history) { expectEveryChangeReportedOnce(history, 2); });
    forEveryHistory(3, 5, [](const History& history) { expectEveryChangeReportedOnce(history, 3); });
}
