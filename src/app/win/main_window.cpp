#include "app/win/main_window.h"

#include <cstdint>
#include <string>

#include <windowsx.h>

#include "app/main_window_rules.h"
#include "app/win/about_box.h"
#include "app/win/tray.h"
#include "base/tray_state.h"
#include "base/win/help.h"
#include "base/win/message_boxes.h"
#include "base/win/owners.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
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

// How often the rules look again while they wait.
constexpr UINT DeferredWorkTimer = 1;
constexpr UINT DeferredWorkRetryMs = 100;
constexpr UINT HeldPressTimer = 2;
constexpr UINT HeldPressRetryMs = 25;

UINT timerId(RulesTimer timer)
{
    return timer == RulesTimer::DeferredWork ? DeferredWorkTimer : HeldPressTimer;
}

UINT timerPeriodMs(RulesTimer timer)
{
    return timer == RulesTimer::DeferredWork ? DeferredWorkRetryMs : HeldPressRetryMs;
}

// The rules' view of the program: the busy gate, the launcher, the sheet, the scans and the settings.
class Win32Program : public MainWindowProgram {
public:
    TrayState busyState() override { return trayState(); }
    bool launcherHoldsCatalogue() override { return ::launcherHoldsCatalogue(); }
    bool launcherWindowOpen() override { return launcherWindowHandle() != nullptr; }
    bool launcherWindowLaunching() override { return ::launcherWindowLaunching(); }
    bool iconLoaderRunning() override { return ::iconLoaderRunning(); }
    bool configurationSheetOpen() override { return ::configurationSheetOpen(); }
    unsigned fullScansStarted() override { return ::fullScansStarted(); }
    std::size_t directoryCount() override { return settings.directories.size(); }
    std::string directoryPath(std::size_t directoryIndex) override
    {
        return settings.directories[directoryIndex].path;
    }
    std::uint32_t now() override { return GetTickCount(); }
    void startTimer(RulesTimer timer) override
    {
        SetTimer(app.mainWindow, timerId(timer), timerPeriodMs(timer), nullptr);
    }
    void stopTimer(RulesTimer timer) override { KillTimer(app.mainWindow, timerId(timer)); }
    void rescanDirectory(std::size_t directoryIndex) override { ::rescanDirectory(directoryIndex); }
    void scanAllDirectories() override { ::scanAllDirectories(false); }
    void openConfiguration() override { ::openConfiguration(); }
    void openLauncherWindow() override { ::openLauncherWindow(app.mainWindow); }
    bool lastScanAborted() override { return (settings.global.GlobalScanFlags & LastScanAborted) != 0; }
    bool askToRescanAfterAbort() override
    {
        settings.global.GlobalScanFlags &= ~LastScanAborted;
        return askYesOrNo(app.mainWindow, loadText(IDS_SCAN_ABORTED));
    }
};

Win32Program program;
MainWindowRules rules(program);

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
        rules.onRescanAllFromMenu();
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
    const OwnedMenu menu(LoadMenuA(app.appInstance, MAKEINTRESOURCEA(IDM_TRAY)));
    if (menu.get() == nullptr)
        return;
    HMENU popup = GetSubMenu(menu.get(), 0);
    SetMenuDefaultItem(popup, IDC_TRAY_CONFIGURE, FALSE);
    SetForegroundWindow(app.mainWindow);
    UINT command = static_cast<UINT>(TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RETURNCMD, cursor.x, cursor.y, 0,
                                                    app.mainWindow, nullptr));
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
        rules.onHotkey();
        break;
    default:
        break;
    }
}

// A launched entry's file had gone: its directory is scanned again, as after a reported change.
void onEntryVanished(int directoryIndex)
{
    if (directoryIndex >= 0)
        rules.onDirectoryChanged(static_cast<std::size_t>(directoryIndex));
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
    connectLauncherWindow({reportToTour, tourLetsLauncherMarkText, onEntryVanished});
    connectTour({launcherWindowHandle, requestConfiguration});
    notifyWhenIconLoaderEnds(window, WM_ICON_LOADER_ENDED);
}

} // namespace

void rescanChangesLeftAtExit()
{
    rules.rescanChangesLeftAtExit(changesUnreportedAtStop());
}

void requestConfiguration()
{
    rules.requestConfiguration();
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
        rules.onHeldPressTimer();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_HOTKEY:
        rules.onHotkey();
        return 0;
    case WM_TIMER:
        if (wParam == DeferredWorkTimer) {
            rules.onDeferredWorkTimer();
            return 0;
        }
        if (wParam == HeldPressTimer) {
            rules.onHeldPressTimer();
            return 0;
        }
        break;
    case WM_DIRECTORY_CHANGED:
        rules.onDirectoryChanged(wParam);
        return 0;
    case WM_SECOND_START:
        requestConfiguration();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
