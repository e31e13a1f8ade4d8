#include "shell/win/main_window.h"

#include <vector>

#include "launcher/win/icon_loader_thread.h"
#include "launcher/win/launcher_window.h"
#include "resources/resource.h"
#include "scanning/win/change_monitor.h"
#include "scanning/win/scans.h"
#include "settings/win/configuration_sheet.h"
#include "shell/win/about_box.h"
#include "shell/win/app_state.h"
#include "shell/win/help.h"
#include "shell/win/tour_guide.h"
#include "shell/win/tray.h"

namespace {

// Work that changes the catalogue waits while a launcher window (or its icon loader) may still refer
// to entries: a menu, the tour window or a second start can be served inside the launcher window's own
// message loop, before it has ended. The timer looks again until the launcher has let go.
constexpr UINT DeferredWorkTimer = 1;
constexpr UINT DeferredWorkRetryMs = 100;

struct DeferredWork {
    std::vector<bool> rescans; // directories whose change arrived meanwhile
    bool fullRescan = false;
    bool configuration = false;

    bool empty() const { return rescans.empty() && !fullRescan && !configuration; }
};

DeferredWork deferred;

void waitForLauncherToLetGo()
{
    SetTimer(app.mainWindow, DeferredWorkTimer, DeferredWorkRetryMs, nullptr);
}

void deferRescan(std::size_t directoryIndex)
{
    if (deferred.rescans.size() <= directoryIndex)
        deferred.rescans.resize(directoryIndex + 1, false);
    deferred.rescans[directoryIndex] = true;
    waitForLauncherToLetGo();
}

void runDeferredWork()
{
    if (launcherHoldsCatalogue() || trayState != Idle)
        return; // the timer looks again
    KillTimer(app.mainWindow, DeferredWorkTimer);
    DeferredWork work;
    std::swap(work, deferred);
    if (work.fullRescan) {
        scanAllDirectories(false);
    } else {
        for (std::size_t index = 0; index < work.rescans.size(); ++index)
            if (work.rescans[index] && index < settings.directories.size())
                rescanDirectory(index);
    }
    if (work.configuration)
        openConfiguration();
}

void askToRescanAfterAbort()
{
    settings.global.GlobalScanFlags &= ~LastScanAborted;
    if (MessageBoxA(app.mainWindow, loadText(IDS_SCAN_ABORTED), "Tandor", MB_YESNO | MB_ICONQUESTION) == IDYES)
        scanAllDirectories(false);
}

// A full scan must never start inside a running one, nor under an open configuration sheet.
void rescanAllFromMenu()
{
    if (trayState != Idle)
        return;
    if (launcherHoldsCatalogue()) {
        deferred.fullRescan = true;
        waitForLauncherToLetGo();
        return;
    }
    scanAllDirectories(false);
}

void onTrayCommand(UINT command)
{
    switch (command) {
    case IDC_TRAY_TOUR:
        enterTourState(1);
        break;
    case IDC_TRAY_ABOUT:
        showAboutBox(app.mainWindow);
        break;
    case IDC_TRAY_HELP:
        openHelp("index.html");
        break;
    case IDC_TRAY_RESCAN:
        rescanAllFromMenu();
        break;
    case IDC_TRAY_CONFIGURE:
        openConfiguration();
        break;
    case IDC_TRAY_QUIT:
        PostQuitMessage(0);
        break;
    default:
        break;
    }
}

void showTrayMenu(POINT cursor)
{
    HMENU menu = LoadMenuA(app.appInstance, MAKEINTRESOURCEA(IDM_TRAY));
    if (menu == nullptr)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    SetMenuDefaultItem(popup, IDC_TRAY_CONFIGURE, FALSE);
    SetForegroundWindow(app.mainWindow);
    UINT command = static_cast<UINT>(TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RETURNCMD, cursor.x, cursor.y, 0,
                                                    app.mainWindow, nullptr));
    DestroyMenu(menu);
    onTrayCommand(command);
}

void onTrayIconCallback(LPARAM mouseMessage)
{
    POINT cursor;
    GetCursorPos(&cursor);
    switch (mouseMessage) {
    case WM_LBUTTONUP:
        openConfiguration();
        break;
    case WM_RBUTTONUP:
        showTrayMenu(cursor);
        break;
    default:
        break;
    }
}

void onDirectoryChanged(WPARAM directoryIndex)
{
    if (trayState != Idle) {
        resumeChangeMonitor();
        return;
    }
    if (directoryIndex >= settings.directories.size())
        return;
    if (launcherHoldsCatalogue()) {
        deferRescan(directoryIndex);
        return;
    }
    rescanDirectory(directoryIndex);
}

} // namespace

void openLauncherOnHotkey()
{
    if (trayState == Configuring) {
        openConfiguration();
        return;
    }
    if (trayState == Scanning || iconLoaderRunning())
        return;
    if (settings.global.GlobalScanFlags & LastScanAborted)
        askToRescanAfterAbort();
    openLauncherWindow(app.mainWindow);
    if (!deferred.empty())
        runDeferredWork();
}

void openConfigurationAfterLauncher()
{
    deferred.configuration = true;
    waitForLauncherToLetGo();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == trayIconCallbackMessage())
        onTrayIconCallback(lParam);
    if (message == app.taskbarCreatedMessage)
        addTrayIcon();

    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_HOTKEY:
        openLauncherOnHotkey();
        return 0;
    case WM_TIMER:
        if (wParam == DeferredWorkTimer) {
            runDeferredWork();
            return 0;
        }
        break;
    case WM_DIRECTORY_CHANGED:
        onDirectoryChanged(wParam);
        return 0;
    case WM_SECOND_START:
        openConfiguration();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
