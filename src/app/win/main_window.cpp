#include "app/win/main_window.h"

#include <string>
#include <utility>
#include <vector>

#include <windowsx.h>

#include "app/win/about_box.h"
#include "app/win/tray.h"
#include "base/tray_state.h"
#include "base/win/help.h"
#include "base/win/program_handles.h"
#include "configuration/win/configuration_sheet.h"
#include "launcher/win/icon_loader_thread.h"
#include "launcher/win/launcher_window.h"
#include "resources/resource.h"
#include "scanning/win/change_monitor.h"
#include "scanning/win/scans.h"
#include "settings/win/settings_store.h"
#include "tour/win/tour_guide.h"

static_assert(FirstPrivateMessage == WM_USER, "private messages start at WM_USER");

namespace {

// Work that changes the catalogue waits while a launcher window (or its icon loader) may still refer
// to entries, or while a scan or the configuration sheet runs: a menu, the tour window, a change
// report or a second start can be served inside a modal loop or a scan's message dispatch. The
// timer looks again until the way is clear.
constexpr UINT DeferredWorkTimer = 1;
constexpr UINT DeferredWorkRetryMs = 100;

// A hotkey press that arrives while the last launcher window's icon loader is still ending, or
// while a scan runs, opens the window as soon as that is over; one older than this is dropped.
constexpr UINT HeldPressTimer = 2;
constexpr UINT HeldPressRetryMs = 25;
constexpr DWORD HeldPressLifetimeMs = 2000;

// A change report that could not be served at once. The folder is kept by path, so that the
// report still finds it if the configuration sheet reorders the list meanwhile.
struct DeferredRescan {
    std::string path;
    unsigned fullScansBefore = 0; // a full scan started after the report covers it
};

struct DeferredWork {
    std::vector<DeferredRescan> rescans;
    bool fullRescan = false;
    bool configuration = false;

    bool empty() const { return rescans.empty() && !fullRescan && !configuration; }
};

DeferredWork deferred;
bool pressHeld = false;
DWORD pressHeldSince = 0;

void waitForLauncherToLetGo()
{
    SetTimer(app.mainWindow, DeferredWorkTimer, DeferredWorkRetryMs, nullptr);
}

void deferRescan(std::size_t directoryIndex)
{
    const std::string& path = settings.directories[directoryIndex].path;
    for (const DeferredRescan& rescan : deferred.rescans)
        if (rescan.path == path && rescan.fullScansBefore == fullScansStarted())
            return;
    deferred.rescans.push_back(DeferredRescan{path, fullScansStarted()});
    waitForLauncherToLetGo();
}

void runDeferredRescan(const DeferredRescan& rescan)
{
    if (rescan.fullScansBefore != fullScansStarted())
        return;
    for (std::size_t index = 0; index < settings.directories.size(); ++index) {
        if (settings.directories[index].path == rescan.path) {
            rescanDirectory(index);
            return;
        }
    }
}

bool deferredWorkMustWait()
{
    return launcherHoldsCatalogue() || trayState() != Idle;
}

void runDeferredScans()
{
    DeferredWork work;
    std::swap(work.rescans, deferred.rescans);
    std::swap(work.fullRescan, deferred.fullRescan);
    if (work.fullRescan)
        scanAllDirectories(false);
    for (const DeferredRescan& rescan : work.rescans)
        runDeferredRescan(rescan);
}

void runDeferredWork()
{
    if (deferredWorkMustWait())
        return; // the timer looks again
    KillTimer(app.mainWindow, DeferredWorkTimer);
    runDeferredScans();
    if (std::exchange(deferred.configuration, false))
        requestConfiguration();
}

// The hotkey waits for a scan, or for a window that is closing: one that launches (a launch may
// serve messages before the window is gone) or whose icon loader is still ending. While a window
// is open otherwise its press is dropped, as it always was: the window is already there.
bool hotkeyMustWait()
{
    const bool windowClosing = launcherWindowHandle() == nullptr ? iconLoaderRunning() : launcherWindowLaunching();
    return trayState() == Scanning || windowClosing;
}

void holdPress()
{
    if (!pressHeld)
        pressHeldSince = GetTickCount();
    pressHeld = true;
    SetTimer(app.mainWindow, HeldPressTimer, HeldPressRetryMs, nullptr);
}

void releaseHeldPress()
{
    if (!pressHeld)
        return;
    if (hotkeyMustWait() && GetTickCount() - pressHeldSince < HeldPressLifetimeMs)
        return; // the timer or the loader's end looks again
    KillTimer(app.mainWindow, HeldPressTimer);
    pressHeld = false;
    if (!hotkeyMustWait())
        openLauncherOnHotkey();
}

void askToRescanAfterAbort()
{
    settings.global.GlobalScanFlags &= ~LastScanAborted;
    if (MessageBoxA(app.mainWindow, loadText(IDS_SCAN_ABORTED), "Tandor", MB_YESNO | MB_ICONQUESTION) == IDYES)
        scanAllDirectories(false);
}

// A full scan must never start inside a running one, nor under an open configuration sheet: one
// asked for during a scan runs once that scan has ended.
void rescanAllFromMenu()
{
    if (trayState() == Configuring)
        return;
    if (trayState() == Scanning || launcherHoldsCatalogue()) {
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

// Defined by Windows 2000's shell headers past the version the build targets: Enter or Space on
// the icon selected with the keyboard (Win+B, arrows).
constexpr UINT TrayKeySelect = WM_USER + 1;

// A left click configures, a right click or the keyboard's menu key opens the menu at the icon,
// and Enter opens the launcher. Version-4 callbacks bring the event in the low word and the
// anchor in wParam; a shell that refused that version sends the mouse message alone.
void onTrayIconCallback(WPARAM anchor, LPARAM callback)
{
    POINT cursor;
    GetCursorPos(&cursor);
    switch (LOWORD(callback)) {
    case WM_LBUTTONUP:
        requestConfiguration();
        break;
    case WM_RBUTTONUP:
        if (!trayCallbacksTellKeyboard())
            showTrayMenu(cursor);
        break;
    case WM_CONTEXTMENU:
        showTrayMenu(POINT{GET_X_LPARAM(anchor), GET_Y_LPARAM(anchor)});
        break;
    case TrayKeySelect:
        openLauncherOnHotkey();
        break;
    default:
        break;
    }
}

void onDirectoryChanged(WPARAM directoryIndex)
{
    if (directoryIndex >= settings.directories.size())
        return;
    if (trayState() != Idle || launcherHoldsCatalogue()) {
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
void connectWindows(HWND window)
{
    connectLauncherWindow({reportToTour, tourLetsLauncherMarkText});
    connectTour({launcherWindowHandle, requestConfiguration});
    notifyWhenIconLoaderEnds(window, WM_ICON_LOADER_ENDED);
}

} // namespace

void openLauncherOnHotkey()
{
    if (trayState() == Configuring) {
        requestConfiguration();
        return;
    }
    if (hotkeyMustWait()) {
        holdPress();
        return;
    }
    if (iconLoaderRunning())
        return; // a window is open
    // Changes that arrived while the last window was open are served first, so that the new
    // window lists them; a folder's rescan is quick next to the user's typing.
    if (!deferredWorkMustWait())
        runDeferredScans();
    if (settings.global.GlobalScanFlags & LastScanAborted)
        askToRescanAfterAbort();
    openLauncherWindow(app.mainWindow);
    if (!deferred.empty())
        runDeferredWork();
}

void rescanChangesLeftAtExit()
{
    std::vector<DeferredRescan> rescans;
    std::swap(rescans, deferred.rescans);
    for (std::size_t index : changesUnreportedAtStop())
        if (index < settings.directories.size())
            rescans.push_back(DeferredRescan{settings.directories[index].path, fullScansStarted()});
    for (const DeferredRescan& rescan : rescans)
        runDeferredRescan(rescan);
}

void requestConfiguration()
{
    // Applying the sheet changes the catalogue, which a launcher window may still show.
    if (!configurationSheetOpen() && trayState() == Idle && launcherHoldsCatalogue()) {
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
    if (taskbarCreatedMessage() != 0 && message == taskbarCreatedMessage()) {
        onTrayIconCallback(wParam, lParam);
        addTrayIcon();
    }

    switch (message) {
    case WM_CREATE:
        connectWindows(window);
        break;
    case WM_ICON_LOADER_ENDED:
        releaseHeldPress();
        return 0;
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
        if (wParam == HeldPressTimer) {
            releaseHeldPress();
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
