#include "app/main_window_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

// A stand-in for the program. Every act of the rules is logged as a short line, and one that
// breaks a rule of safety (a scan under a busy gate or a launcher that holds the catalogue, a
// window opened during a scan, under the sheet or beside a running loader) as "UNSAFE ...".
class FakeProgram : public MainWindowProgram {
public:
    TrayState busy = Idle;
    bool windowOpen = false;
    bool launching = false;
    bool loaderRunning = false;
    bool sheetOpen = false;
    unsigned fullScans = 0;
    std::vector<std::string> directories = {"C:\\D0\\", "C:\\D1\\"};
    std::uint32_t clock = 0;
    std::set<RulesTimer> timers;
    bool aborted = false;
    bool rescanAfterAbort = false;
    std::vector<std::string> log;
    // What happens while the launcher window is open.
    std::function<void()> whileWindowOpen;

    TrayState busyState() override { return busy; }
    bool launcherHoldsCatalogue() override { return windowOpen || loaderRunning; }
    bool launcherWindowOpen() override { return windowOpen; }
    bool launcherWindowLaunching() override { return launching; }
    bool iconLoaderRunning() override { return loaderRunning; }
    bool configurationSheetOpen() override { return sheetOpen; }
    unsigned fullScansStarted() override { return fullScans; }
    std::size_t directoryCount() override { return directories.size(); }
    std::string directoryPath(std::size_t directoryIndex) override { return directories.at(directoryIndex); }
    std::uint32_t now() override { return clock; }
    void startTimer(RulesTimer timer) override { timers.insert(timer); }
    void stopTimer(RulesTimer timer) override { timers.erase(timer); }
    void rescanDirectory(std::size_t directoryIndex) override { logScan("rescan " + std::to_string(directoryIndex)); }
    void scanAllDirectories() override
    {
        ++fullScans;
        logScan("full scan");
    }
    void openConfiguration() override { log.push_back("configure"); }
    void openLauncherWindow() override
    {
        if (busy != Idle || loaderRunning)
            log.push_back("UNSAFE window");
        log.push_back("window");
        windowOpen = loaderRunning = true;
        if (whileWindowOpen)
            whileWindowOpen();
        windowOpen = launching = false;
    }
    bool lastScanAborted() override { return aborted; }
    bool askToRescanAfterAbort() override
    {
        aborted = false;
        log.push_back("ask");
        return rescanAfterAbort;
    }

    bool timerRunning(RulesTimer timer) const { return timers.count(timer) != 0; }

private:
    void logScan(const std::string& line)
    {
        if (busy != Idle || launcherHoldsCatalogue())
            log.push_back("UNSAFE " + line);
        log.push_back(line);
    }
};

// The icon loader of a closed window ends, as the main window hears it.
void loaderEnds(FakeProgram& program, MainWindowRules& rules)
{
    program.loaderRunning = false;
    rules.onHeldPressTimer();
}

} // namespace

TEST(MainWindowRules, ChangesWhileAWindowIsOpenAreServedBeforeTheNextWindowByPath)
{
    FakeProgram program;
    MainWindowRules rules(program);
    program.whileWindowOpen = [&] {
        rules.onDirectoryChanged(0);
        rules.onDirectoryChanged(1);
        rules.onDirectoryChanged(0);
        rules.onDirectoryChanged(2); // no such folder
    };
    rules.onHotkey();
    program.whileWindowOpen = nullptr;
    // The sheet, applied meanwhile, dropped the first folder and moved the second up.
    program.directories = {"C:\\D1\\", "C:\\New\\"};
    rules.onDeferredWorkTimer();
    EXPECT_TRUE(program.timerRunning(RulesTimer::DeferredWork)) << "the loader still holds the catalogue";
    program.loaderRunning = false;
    rules.onHotkey();

    program.loaderRunning = false;
    rules.onDeferredWorkTimer();

    EXPECT_EQ(program.log, (std::vector<std::string>{"window", "rescan 0", "window"}));
    EXPECT_FALSE(program.timerRunning(RulesTimer::DeferredWork)) << "its last look finds nothing left";
}

TEST(MainWindowRules, AFullScanAskedForDuringAScanRunsOnceAfterItAndCoversTheQueuedChanges)
{
    FakeProgram program;
    MainWindowRules rules(program);
    program.busy = Scanning;
    rules.onDirectoryChanged(1);
    rules.onRescanAllFromMenu();
    rules.onRescanAllFromMenu();
    rules.onDeferredWorkTimer();
    program.busy = Idle;
    rules.onDeferredWorkTimer();
    rules.onDeferredWorkTimer();

    EXPECT_EQ(program.log, std::vector<std::string>{"full scan"});
    EXPECT_TRUE(program.timers.empty());

    program.busy = Configuring;
    rules.onRescanAllFromMenu();
    program.busy = Idle;
    rules.onDeferredWorkTimer();
    EXPECT_EQ(program.log.size(), 1u) << "a rescan from the menu under the sheet is dropped";
}

TEST(MainWindowRules, TheSheetAskedForWhileALauncherHoldsTheCatalogueOpensOnceItLetsGo)
{
    FakeProgram program;
    MainWindowRules rules(program);
    program.loaderRunning = true;
    rules.requestConfiguration();
    rules.onDeferredWorkTimer();
    EXPECT_TRUE(program.log.empty());
    program.loaderRunning = false;
    rules.onDeferredWorkTimer();
    EXPECT_EQ(program.log, std::vector<std::string>{"configure"});

    // An open sheet is only brought forward, and the hotkey under it does the same.
    program.sheetOpen = true;
    program.busy = Configuring;
    program.loaderRunning = true;
    rules.requestConfiguration();
    rules.onHotkey();
    EXPECT_EQ(program.log, (std::vector<std::string>{"configure", "configure", "configure"}));
}

TEST(MainWindowRules, AHeldPressOpensTheWindowOnceTheWayIsClearOrIsDroppedWhenTooOld)
{
    // The tick count wraps around while the press waits.
    for (std::uint32_t start : {0u, 0xFFFFFC00u}) {
        FakeProgram program;
        MainWindowRules rules(program);
        program.clock = start;
        program.loaderRunning = true; // the last window's loader is ending
        rules.onHotkey();
        program.clock += 1000;
        rules.onHotkey(); // a second press does not make the first younger
        program.clock += HeldPressLifetimeMs - 1000 - 1;
        rules.onHeldPressTimer();
        EXPECT_TRUE(program.timerRunning(RulesTimer::HeldPress));
        loaderEnds(program, rules);
        EXPECT_EQ(program.log, std::vector<std::string>{"window"}) << start;
        EXPECT_FALSE(program.timerRunning(RulesTimer::HeldPress));

        program.busy = Scanning;
        rules.onHotkey();
        program.clock += HeldPressLifetimeMs;
        rules.onHeldPressTimer();
        program.busy = Idle;
        rules.onHeldPressTimer();
        loaderEnds(program, rules);
        EXPECT_EQ(program.log.size(), 1u) << "a press older than its lifetime is dropped; start " << start;
        EXPECT_TRUE(program.timers.empty());
    }
}

TEST(MainWindowRules, APressWhileTheWindowIsOpenIsDroppedButOneWhileItLaunchesWaits)
{
    FakeProgram program;
    MainWindowRules rules(program);
    program.whileWindowOpen = [&] {
        rules.onHotkey();
        program.launching = true;
        rules.onHotkey();
    };
    rules.onHotkey();
    program.whileWindowOpen = nullptr;
    loaderEnds(program, rules);
    EXPECT_EQ(program.log, (std::vector<std::string>{"window", "window"}));
}

TEST(MainWindowRules, AnAbortedLastScanIsOfferedAgainBeforeTheWindowOpens)
{
    for (bool yes : {false, true}) {
        FakeProgram program;
        MainWindowRules rules(program);
        program.aborted = true;
        program.rescanAfterAbort = yes;
        rules.onHotkey();
        loaderEnds(program, rules);
        rules.onHotkey();
        const std::vector<std::string> expected =
            yes ? std::vector<std::string>{"ask", "full scan", "window", "window"}
                : std::vector<std::string>{"ask", "window", "window"};
        EXPECT_EQ(program.log, expected);
    }
}

TEST(MainWindowRules, AtExitTheQueuedAndTheUnreportedChangesAreRescannedUnlessAFullScanCoversThem)
{
    FakeProgram program;
    MainWindowRules rules(program);
    program.directories.push_back("C:\\D2\\");
    program.loaderRunning = true;
    rules.onDirectoryChanged(2);
    program.loaderRunning = false;
    rules.rescanChangesLeftAtExit({0, 7});
    EXPECT_EQ(program.log, (std::vector<std::string>{"rescan 2", "rescan 0"}));

    program.log.clear();
    program.loaderRunning = true;
    rules.onDirectoryChanged(1);
    program.loaderRunning = false;
    ++program.fullScans;
    rules.rescanChangesLeftAtExit({});
    EXPECT_TRUE(program.log.empty());
}

namespace {

// Plays a history of events on the rules. The launcher window, once the rules open it, takes the
// events that follow up to a "close" (or to the end) as those that happen while it is open.
class History {
public:
    explicit History(const std::vector<std::string>& events) : events_(events), rules_(program_)
    {
        program_.whileWindowOpen = [this] { play(true); };
    }

    // Plays the history, then lets every busy thing end and the timers run until they stop.
    const std::vector<std::string>& run()
    {
        play(false);
        program_.busy = Idle;
        program_.sheetOpen = false;
        for (int round = 0; round < 4 && (program_.loaderRunning || !program_.timers.empty()); ++round) {
            loaderEnds(program_, rules_);
            tick();
        }
        if (!program_.timers.empty() || program_.loaderRunning)
            program_.log.push_back("STUCK");
        return program_.log;
    }

private:
    void play(bool insideWindow)
    {
        while (next_ < events_.size()) {
            const std::string& event = events_[next_++];
            if (event == "close" && insideWindow)
                return;
            apply(event);
        }
    }

    void apply(const std::string& event)
    {
        if (event[0] == 'c' && event.size() == 2) {
            program_.log.push_back("change " + event.substr(1));
            rules_.onDirectoryChanged(static_cast<std::size_t>(event[1] - '0'));
        } else if (event == "hotkey") {
            // A window that stays open is already there: the press asks for nothing more.
            const bool windowStays = program_.windowOpen && !program_.launching;
            const bool closing = program_.windowOpen ? program_.launching : program_.loaderRunning;
            const bool waits = !windowStays && (program_.busy == Scanning || closing);
            program_.log.push_back(program_.busy == Configuring ? "hotkey under the sheet"
                                   : waits                      ? "hotkey waits"
                                                                : "hotkey");
            rules_.onHotkey();
        } else if (event == "menu") {
            program_.log.push_back(program_.busy == Configuring ? "menu under the sheet" : "menu");
            rules_.onRescanAllFromMenu();
        } else if (event == "configure") {
            program_.log.push_back("asked to configure");
            rules_.requestConfiguration();
        } else if (event == "tick") {
            tick();
        } else if (event == "loader-ends" && !program_.windowOpen && program_.loaderRunning) {
            loaderEnds(program_, rules_);
        } else if (event == "launch" && program_.windowOpen) {
            program_.launching = true;
        } else if (event == "time") {
            program_.log.push_back("time");
            program_.clock += HeldPressLifetimeMs / 2;
        } else if (event == "scan") {
            toggleBusy(Scanning);
        } else if (event == "sheet") {
            toggleBusy(Configuring);
        }
    }

    // A scan or the sheet, started or ended elsewhere; the scans that start so are full ones.
    void toggleBusy(TrayState state)
    {
        if (program_.busy == Idle) {
            program_.busy = state;
            program_.sheetOpen = state == Configuring;
            if (state == Scanning) {
                ++program_.fullScans;
                program_.log.push_back("full scan elsewhere");
            }
        } else if (program_.busy == state) {
            program_.busy = Idle;
            program_.sheetOpen = false;
        }
    }

    void tick()
    {
        if (program_.timerRunning(RulesTimer::DeferredWork))
            rules_.onDeferredWorkTimer();
        if (program_.timerRunning(RulesTimer::HeldPress))
            rules_.onHeldPressTimer();
    }

    std::vector<std::string> events_;
    std::size_t next_ = 0;
    FakeProgram program_;
    MainWindowRules rules_;
};

// Nothing unsafe happens and nothing is left waiting. Every change is served by a rescan of its
// folder or a full scan after it, and no folder is rescanned more often than it changed. A
// rescan asked for from the menu (not under the sheet) is followed by a full scan, and a request
// for the sheet by its opening. A press that had to wait opens a window (or brings the
// sheet forward) unless time passed.
void expectEveryRequestServed(const std::vector<std::string>& events)
{
    const std::vector<std::string> log = History(events).run();
    std::string description;
    for (const std::string& event : events)
        description += " " + event;

    std::vector<bool> unserved(2, false);
    std::vector<int> changes(2, 0);
    std::vector<int> rescans(2, 0);
    bool fullScanOwed = false;
    bool configurationOwed = false;
    bool pressOwed = false;
    for (const std::string& line : log) {
        ASSERT_NE(line.substr(0, 6), "UNSAFE") << line << " in" << description;
        ASSERT_NE(line, "STUCK") << description;
        if (line.rfind("change ", 0) == 0) {
            unserved[std::stoul(line.substr(7))] = true;
            ++changes[std::stoul(line.substr(7))];
        } else if (line.rfind("rescan ", 0) == 0) {
            const std::size_t folder = std::stoul(line.substr(7));
            ASSERT_LE(++rescans[folder], changes[folder]) << "more rescans than changes:" << description;
            unserved[folder] = false;
        } else if (line == "full scan" || line == "full scan elsewhere") {
            std::fill(unserved.begin(), unserved.end(), false);
            fullScanOwed = fullScanOwed && line != "full scan";
        } else if (line == "menu") {
            fullScanOwed = true;
        } else if (line == "asked to configure" || line == "hotkey under the sheet") {
            configurationOwed = true;
        } else if (line == "configure") {
            configurationOwed = false;
            pressOwed = false; // the sheet opened meanwhile: the press brings it forward
        } else if (line == "hotkey waits") {
            pressOwed = true;
        } else if (line == "window" || line == "time") {
            pressOwed = false;
        }
    }
    ASSERT_FALSE(unserved[0] || unserved[1]) << "a change left unserved:" << description;
    ASSERT_FALSE(fullScanOwed) << "a full scan asked for never ran:" << description;
    ASSERT_FALSE(configurationOwed) << "the sheet asked for never opened:" << description;
    ASSERT_FALSE(pressOwed) << "a held press never opened a window:" << description;
}

} // namespace

TEST(MainWindowRules, EveryInterleavingServesEveryRequestSafely)
{
    const std::vector<std::string> alphabet = {"c0",   "c1",     "hotkey", "menu",  "configure", "tick",
                                               "time", "launch", "close",  "scan",  "sheet",     "loader-ends"};
    const std::size_t length = 5;
    std::vector<std::size_t> digits(length, 0);
    for (std::size_t position = 0; position < length;) {
        std::vector<std::string> events;
        for (std::size_t digit : digits)
            events.push_back(alphabet[digit]);
        expectEveryRequestServed(events);
        if (HasFatalFailure())
            return;
        for (position = 0; position < length && ++digits[position] == alphabet.size(); ++position)
            digits[position] = 0;
    }
}
