#include "shell/win/main_window.h"

#include <vector>

#include "configuration/win/configuration_sheet.h"
#include "launcher/win/icon_loader_thread.h"
#include "launcher/win/launcher_window.h"
#include "resources/resource.h"
#include "scanning/win/change_monitor.h"
#include "scanning/win/scans.h"
#include "shell/win/about_box.h"
#include "shell/win/app_state.h"
#include "shell/win/help.h"
#include "shell/win/tray.h"
#include "tour/win/tour_guide.h"

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
    if (launcherHoldsCatalogue() || ui.trayState != Idle)
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
        requestConfiguration();
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
    if (ui.trayState != Idle)
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
        requestConfiguration();
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
        requestConfiguration();
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
    if (ui.trayState != Idle) {
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

void reportToTour(LauncherEvent event)
{
    switch (event) {
    case LauncherEvent::Shown:
        tourEvent(LauncherShown);
        break;
    case LauncherEvent::QueryChanged:
        tourEvent(QueryChanged);
        break;
    case LauncherEvent::EntryLaunched:
        tourEvent(EntryLaunched);
        break;
    }
}

// The launcher window and the tour talk to each other, and to this window, only through the links
// handed to them here.
void connectWindows()
{
    connectLauncherWindow({reportToTour, tourLetsLauncherMarkText});
    connectTour({launcherWindowHandle, requestConfiguration});
}

} // namespace

void openLauncherOnHotkey()
{
    if (ui.trayState == Configuring) {
        requestConfiguration();
        return;
    }
    if (ui.trayState == Scanning || iconLoaderRunning())
        return;
    if (settings.global.GlobalScanFlags & LastScanAborted)
        askToRescanAfterAbort();
    openLauncherWindow(app.mainWindow);
    if (!deferred.empty())
        runDeferredWork();
}

void requestConfiguration()
{
    // Applying the sheet changes the catalogue, which a launcher window may still show.
    if (!configurationSheetOpen() && ui.trayState == Idle && launcherHoldsCatalogue()) {
        deferred.configuration = true;
        waitForLauncherToLetGo();
        return;
    }
    openConfiguration();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The icon's callbacks come with the number registered for "TaskbarCreated", which also
    // announces a new task bar that needs the icon again.
    if (app.taskbarCreatedMessage != 0 && message == app.taskbarCreatedMessage) {
        onTrayIconCallback(lParam);
        addTrayIcon();
    }

    switch (message) {
    case WM_CREATE:
        connectWindows();
        break;
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
        requestConfiguration();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
