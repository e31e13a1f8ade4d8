#include "scanning/win/scans.h"

#include <string>
#include <utility>
#include <vector>

#include "base/tray_state.h"
#include "base/win/texts.h"
#include "catalogue/win/program_catalogue.h"
#include "resources/resource.h"
#include "scanning/catalogue_file.h"
#include "scanning/folder_walk.h"
#include "scanning/packaged_apps.h"
#include "scanning/win/change_monitor.h"
#include "scanning/win/scan_progress_window.h"
#include "scanning/win/shell_apps_folder.h"
#include "scanning/win/windows_file_system.h"
#include "settings/apps_source.h"
#include "settings/win/settings_store.h"

namespace {

// Both scans refuse to start inside a running one, so this is 0 or 1; counted all the same
// so that only the outermost scan hands a kept quit back to the main loop.
int runningScans = 0;
unsigned fullScanCount = 0;
bool quitPending = false; // a quit request that arrived while a scan ran

// Connects the walk to the user-interface thread: tray tooltip, progress window, message
// dispatch and the cancel flag that the progress window's button sets.
class WindowsScanFeedback : public ScanFeedback {
public:
    explicit WindowsScanFeedback(HWND progressWindow) : progressWindow_(progressWindow) {}

    void folderVisited(const ScanDirectory& directory) override
    {
        setTrayState(Scanning, directory.name.c_str());
    }

    void showDirectoryName(const std::string& name) override
    {
        if (progressWindow_ != nullptr)
            SetDlgItemTextA(progressWindow_, IDC_SCAN_DIRECTORY, name.c_str());
    }

    void dispatchPendingMessages() override
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            // A quit taken out of the queue here would be lost to the main loop: keep it
            // until the scan is over.
            if (message.message == WM_QUIT) {
                quitPending = true;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    bool cancelRequested() override { return scanCancelRequested(); }

private:
    HWND progressWindow_;
};

// Marks one running scan; when the outermost one ends, a quit that arrived meanwhile is
// posted again for the main loop.
class RunningScan {
public:
    RunningScan() { ++runningScans; }
    ~RunningScan()
    {
        if (--runningScans == 0 && quitPending)
            PostQuitMessage(0);
    }
    RunningScan(const RunningScan&) = delete;
    RunningScan& operator=(const RunningScan&) = delete;
};

bool wantsProgressWindow(bool duringStartup)
{
    switch (statusBoxMode(settings.global.GlobalScanFlags)) {
    case StatusBoxAlways:
        return true;
    case StatusBoxExceptAtStartup:
        return !duringStartup;
    default:
        return false;
    }
}

void loadScores()
{
    loadScoreStore(scoreStore, dataFolderPath(ScoresFileName));
}

// What the catalogue file keeps of one directory's entries, in order.
std::vector<std::pair<std::string, std::string>> savedFormOf(std::size_t directoryIndex)
{
    std::vector<std::pair<std::string, std::string>> form;
    for (const CatalogueEntry& entry : catalogue.entries)
        if (entry.directoryIndex == static_cast<std::int32_t>(directoryIndex))
            form.emplace_back(entry.path, entry.name);
    return form;
}

// The packaged apps source is read through the shell, the other directories from their folders.
void walkDirectory(std::size_t directoryIndex, HWND progressWindow)
{
    if (isAppsSource(settings.directories[directoryIndex])) {
        addPackagedApps(catalogue, scoreStore, directoryIndex, ShellAppsFolder().items());
        return;
    }
    WindowsFileSystem fileSystem;
    WindowsScanFeedback feedback(progressWindow);
    ScanContext context{settings, catalogue, scoreStore, fileSystem, feedback};
    scanDirectory(context, directoryIndex);
}

} // namespace

void scanAllDirectories(bool duringStartup)
{
    // A scan inside a scan would append the rest of the outer walk to the rebuilt catalogue.
    if (trayState() == Scanning)
        return;
    RunningScan running;
    ++fullScanCount;
    const TrayState previousState = trayState();
    setTrayState(Scanning, nullptr);
    pauseChangeMonitor(PauseScope::EveryDirectory);
    loadScores();
    settings.global.GlobalScanFlags &= ~LastScanAborted;
    HWND progressWindow = wantsProgressWindow(duringStartup) ? createScanProgressWindow() : nullptr;
    forgetScanCancelRequest();
    clearCatalogue(catalogue);
    // Packaged apps come last, so that the shortcuts that already list some of them are known.
    for (bool appsSources : {false, true}) {
        for (std::size_t i = 0; i < settings.directories.size(); ++i) {
            if (isAppsSource(settings.directories[i]) != appsSources)
                continue;
            setTrayState(Scanning, settings.directories[i].name.c_str());
            walkDirectory(i, progressWindow);
        }
    }
    if (progressWindow != nullptr)
        DestroyWindow(progressWindow);
    saveCatalogueFile();
    resumeChangeMonitor();
    setTrayState(previousState, nullptr);
    clearScoreStore(scoreStore);
}

void rescanDirectory(std::size_t directoryIndex)
{
    if (trayState() == Scanning || directoryIndex >= settings.directories.size())
        return;
    RunningScan running;
    const TrayState previousState = trayState();
    setTrayState(Scanning, loadText(IDS_SCAN_DETAIL_SCORES).c_str());
    pauseChangeMonitor();
    loadScores();
    const auto before = savedFormOf(directoryIndex);
    removeDirectoryEntries(catalogue, static_cast<int>(directoryIndex));
    forgetScanCancelRequest();
    walkDirectory(directoryIndex, nullptr);
    // The monitor keeps watching during the rescan, so the save is itself a change when the
    // data folder lies in a watched one: saving only what differs ends that echo.
    if (savedFormOf(directoryIndex) != before)
        saveCatalogueFile();
    resumeChangeMonitor();
    setTrayState(previousState, nullptr);
    clearScoreStore(scoreStore);
}

unsigned fullScansStarted()
{
    return fullScanCount;
}

bool saveCatalogueFile()
{
    return saveCatalogueFile(catalogue, dataFolderPath(CatalogueFileName));
}

bool loadCatalogueFile()
{
    loadScores();
    return loadCatalogueFile(catalogue, scoreStore, dataFolderPath(CatalogueFileName), settings.directories);
}
