// When the main window's requests may run: a change report, a press of the hotkey, a full rescan
// from the menu and a request for the configuration sheet each wait while what they would disturb
// is busy, and run once it is over. The window keeps only the timers and messages that drive this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/tray_state.h"

// The two timers by which the rules look again.
enum class RulesTimer {
    DeferredWork, // work that changes the catalogue, waiting for the way to be clear
    HeldPress,    // a hotkey press, waiting for a scan or a closing window
};

// A held hotkey press older than this is dropped.
constexpr std::uint32_t HeldPressLifetimeMs = 2000;

// The rest of the program as the rules see it; faked in tests.
class MainWindowProgram {
public:
    virtual ~MainWindowProgram() = default;
    virtual TrayState busyState() = 0;
    // True while a launcher window, or its icon loader, may still refer to catalogue entries.
    virtual bool launcherHoldsCatalogue() = 0;
    virtual bool launcherWindowOpen() = 0;
    // True once the open window has started launching: it is about to close.
    virtual bool launcherWindowLaunching() = 0;
    virtual bool iconLoaderRunning() = 0;
    virtual bool configurationSheetOpen() = 0;
    // Counts the full scans started so far.
    virtual unsigned fullScansStarted() = 0;
    virtual std::size_t directoryCount() = 0;
    virtual std::string directoryPath(std::size_t directoryIndex) = 0;
    // Milliseconds on a clock that wraps around at 2^32, as the system's tick count does.
    virtual std::uint32_t now() = 0;
    virtual void startTimer(RulesTimer timer) = 0;
    virtual void stopTimer(RulesTimer timer) = 0;
    virtual void rescanDirectory(std::size_t directoryIndex) = 0;
    virtual void scanAllDirectories() = 0;
    virtual void openConfiguration() = 0;
    // Opens the launcher window; returns when it has closed.
    virtual void openLauncherWindow() = 0;
    virtual bool lastScanAborted() = 0;
    // Forgets that the last scan was aborted and asks the user whether to scan again.
    virtual bool askToRescanAfterAbort() = 0;
};

class MainWindowRules {
public:
    explicit MainWindowRules(MainWindowProgram& program) : program_(program) {}

    void onHotkey();
    void onDirectoryChanged(std::size_t directoryIndex);
    void onRescanAllFromMenu();
    // Opens the configuration sheet, or brings it forward; while a launcher window still refers to
    // the catalogue, once it has let go.
    void requestConfiguration();
    void onDeferredWorkTimer();
    // The held-press timer fired, or an icon loader ended.
    void onHeldPressTimer();
    // At program end: rescans the folders whose changes were not served yet, those still queued
    // and `unreported`, the ones the stopped change monitor handed back.
    void rescanChangesLeftAtExit(const std::vector<std::size_t>& unreported);

private:
    // A change report that could not be served at once. The folder is kept by path, so that the
    // report still finds it if the configuration sheet reorders the list meanwhile.
    struct DeferredRescan {
        std::string path;
        unsigned fullScansBefore = 0; // a full scan started after the report covers it
    };

    bool deferredWorkMustWait();
    bool hotkeyMustWait();
    bool nothingDeferred() const;
    void waitForLauncherToLetGo();
    void deferRescan(std::size_t directoryIndex);
    void runDeferredRescan(const DeferredRescan& rescan);
    void runDeferredScans();
    void holdPress();
    void offerRescanAfterAbort();

    MainWindowProgram& program_;
    std::vector<DeferredRescan> rescans_;
    bool fullRescan_ = false;
    bool configuration_ = false;
    bool pressHeld_ = false;
    std::uint32_t pressHeldSince_ = 0;
};
