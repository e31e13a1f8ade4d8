// The launcher's entry point: single instance, start-up in a fixed order, the message loop
// and shutdown in a fixed order.
#include <windows.h>

#include "app/command_line.h"
#include "app/win/every_session_close.h"
#include "app/win/main_window.h"
#include "app/win/tray.h"
#include "base/legacy_text.h"
#include "base/tray_state.h"
#include "base/win/owners.h"
#include "base/win/program_handles.h"
#include "resources/resource.h"
#include "scanning/win/change_monitor.h"
#include "scanning/win/scans.h"
#include "settings/win/hotkey_registration.h"
#include "settings/win/settings_store.h"
#include "tour/win/tour_guide.h"

namespace {

const char* const MainWindowClass = "TANDOR";
const char* const MainWindowTitle = "Tandor";

// A second start hands its request to the running launcher and ends.
bool forwardedToRunningInstance(const CommandLineOptions& options)
{
    app.mainWindow = FindWindowA(MainWindowClass, MainWindowTitle);
    if (app.mainWindow == nullptr)
        return false;
    PostMessageA(app.mainWindow, options.closeRequested ? WM_QUIT : WM_SECOND_START, 0, 0);
    return true;
}

bool createMainWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = app.appInstance;
    windowClass.hIcon = LoadIconA(app.appInstance, MAKEINTRESOURCEA(IDI_TANDOR_IDLE));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = MainWindowClass;
    RegisterClassA(&windowClass);
    app.mainWindow = CreateWindowExA(0, MainWindowClass, MainWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                     CW_USEDEFAULT, 0, nullptr, nullptr, app.appInstance, nullptr);
    return app.mainWindow != nullptr;
}

void loadOrBuildCatalogue()
{
    if (!loadCatalogueFile() || (settings.global.GlobalScanFlags & ScanAtStartup))
        scanAllDirectories(true);
}

WPARAM runMessageLoop()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return message.wParam;
}

void shutDown()
{
    stopChangeMonitor();
    rescanChangesLeftAtExit();
    saveCatalogueFile();
    saveSettings();
    deleteTrayIcon();
    deleteHotkeyAtom();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    app.appInstance = instance;
    useLegacyCodePage(systemLegacyCodePage());
    showTrayStateWith(showTrayState);
    const CommandLineOptions options = parseCommandLine(commandLine);
    if (options.closeEverySession)
        closeEverySessionsLauncher();
    if (forwardedToRunningInstance(options) || options.closeRequested)
        return 0;

    settings.global.Hotkey = DefaultHotkey;
    addHotkeyAtom();
    // Shortcuts are read through COM, on this thread, until the program ends.
    const ComApartment apartment;
    if (!createMainWindow())
        return 0;
    const EverySessionCloseListener closeFromAnySession(app.mainWindow);
    startChangeMonitor(app.mainWindow, WM_DIRECTORY_CHANGED);
    waitForMonitorReady(); // its pause and resume signals must exist before the first scan
    initialiseSettings(options.tourRequested);
    loadOrBuildCatalogue();
    resumeChangeMonitor();
    enterTourState(0);
    ShowWindow(app.mainWindow, SW_HIDE);
    registerTaskbarCreatedMessage();
    addTrayIcon();
    registerHotkey();

    const WPARAM exitCode = runMessageLoop();
    shutDown();
    return static_cast<int>(exitCode);
}
