#include "app/main_window_rules.h"

#include <utility>

// Work that changes the catalogue waits while a launcher window (or its icon loader) may still refer
// to entries, or while a scan or the configuration sheet runs: a menu, the tour window, a change
// report or a second start can be served inside a modal loop or a scan's message dispatch. The
// timer looks again until the way is clear.
bool MainWindowRules::deferredWorkMustWait()
{
    return program_.launcherHoldsCatalogue() || program_.busyState() != Idle;
}

// The hotkey waits for a scan, or for a window that is closing: one that launches (a launch may
// serve messages before the window is gone) or whose icon loader is still ending. While a window
// is open otherwise its press is dropped, as it always was: the window is already there.
bool MainWindowRules::hotkeyMustWait()
{
    const bool windowClosing =
        program_.launcherWindowOpen() ? program_.launcherWindowLaunching() : program_.iconLoaderRunning();
    return program_.busyState() == Scanning || windowClosing;
}

bool MainWindowRules::nothingDeferred() const
{
    return rescans_.empty() && !fullRescan_ && !configuration_;
}

void MainWindowRules::waitForLauncherToLetGo()
{
    program_.startTimer(RulesTimer::DeferredWork);
}

void MainWindowRules::deferRescan(std::size_t directoryIndex)
{
    const std::string path = program_.directoryPath(directoryIndex);
    for (const DeferredRescan& rescan : rescans_)
        if (rescan.path == path && rescan.fullScansBefore == program_.fullScansStarted())
            return;
    rescans_.push_back(DeferredRescan{path, program_.fullScansStarted()});
    waitForLauncherToLetGo();
}

void MainWindowRules::runDeferredRescan(const DeferredRescan& rescan)
{
    if (rescan.fullScansBefore != program_.fullScansStarted())
        return;
    const std::size_t count = program_.directoryCount();
    for (std::size_t index = 0; index < count; ++index) {
        if (program_.directoryPath(index) == rescan.path) {
            program_.rescanDirectory(index);
            return;
        }
    }
}

void MainWindowRules::runDeferredScans()
{
    // Taken out first: a scan serves messages, and a report that arrives meanwhile queues anew.
    std::vector<DeferredRescan> rescans;
    std::swap(rescans, rescans_);
    if (std::exchange(fullRescan_, false))
        program_.scanAllDirectories();
    for (const DeferredRescan& rescan : rescans)
        runDeferredRescan(rescan);
}

void MainWindowRules::onDeferredWorkTimer()
{
    if (deferredWorkMustWait())
        return; // the timer looks again
    program_.stopTimer(RulesTimer::DeferredWork);
    runDeferredScans();
    if (std::exchange(configuration_, false))
        requestConfiguration();
}

void MainWindowRules::holdPress()
{
    if (!pressHeld_)
        pressHeldSince_ = program_.now();
    pressHeld_ = true;
    program_.startTimer(RulesTimer::HeldPress);
}

void MainWindowRules::onHeldPressTimer()
{
    if (!pressHeld_)
        return;
    if (hotkeyMustWait() && static_cast<std::uint32_t>(program_.now() - pressHeldSince_) < HeldPressLifetimeMs)
        return; // the timer or the loader's end looks again
    program_.stopTimer(RulesTimer::HeldPress);
    pressHeld_ = false;
    if (!hotkeyMustWait())
        onHotkey();
}

void MainWindowRules::offerRescanAfterAbort()
{
    // The question serves messages while it waits: a launcher window opened meanwhile may hold
    // the catalogue by the time the answer comes, so the scan takes the menu's guarded path.
    if (program_.lastScanAborted() && program_.askToRescanAfterAbort())
        onRescanAllFromMenu();
}

void MainWindowRules::onHotkey()
{
    if (program_.busyState() == Configuring) {
        requestConfiguration();
        return;
    }
    if (hotkeyMustWait()) {
        holdPress();
        return;
    }
    if (program_.iconLoaderRunning())
        return; // a window is open
    // Changes that arrived while the last window was open are served first, so that the new
    // window lists them; a folder's rescan is quick next to the user's typing.
    if (!deferredWorkMustWait())
        runDeferredScans();
    offerRescanAfterAbort();
    program_.openLauncherWindow();
    if (!nothingDeferred())
        onDeferredWorkTimer();
}

void MainWindowRules::onDirectoryChanged(std::size_t directoryIndex)
{
    if (directoryIndex >= program_.directoryCount())
        return;
    if (program_.busyState() != Idle || program_.launcherHoldsCatalogue()) {
        deferRescan(directoryIndex);
        return;
    }
    program_.rescanDirectory(directoryIndex);
}

// A full scan must never start inside a running one, nor under an open configuration sheet: one
// asked for during a scan runs once that scan has ended.
void MainWindowRules::onRescanAllFromMenu()
{
    if (program_.busyState() == Configuring)
        return;
    if (program_.busyState() == Scanning || program_.launcherHoldsCatalogue()) {
        fullRescan_ = true;
        waitForLauncherToLetGo();
        return;
    }
    program_.scanAllDirectories();
}

void MainWindowRules::requestConfiguration()
{
    // Applying the sheet changes the catalogue, which a launcher window may still show.
    if (!program_.configurationSheetOpen() && program_.busyState() == Idle && program_.launcherHoldsCatalogue()) {
        configuration_ = true;
        waitForLauncherToLetGo();
        return;
    }
    program_.openConfiguration();
}

void MainWindowRules::rescanChangesLeftAtExit(const std::vector<std::size_t>& unreported)
{
    std::vector<DeferredRescan> rescans;
    std::swap(rescans, rescans_);
    for (std::size_t index : unreported)
        if (index < program_.directoryCount())
            rescans.push_back(DeferredRescan{program_.directoryPath(index), program_.fullScansStarted()});
    for (const DeferredRescan& rescan : rescans)
        runDeferredRescan(rescan);
}
