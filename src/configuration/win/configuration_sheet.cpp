#include "configuration/win/configuration_sheet.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include "base/tray_state.h"
#include "base/win/message_boxes.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
#include "configuration/win/configuration_session.h"
#include "configuration/win/sheet_page.h"
#include "resources/resource.h"
#include "scanning/win/change_monitor.h"
#include "scanning/win/scans.h"
#include "settings/win/hotkey_registration.h"
#include "settings/win/settings_store.h"

namespace {

struct PageTemplate {
    int templateId;
    UINT titleStringId;
    const SheetPage& page;
};

const PageTemplate SheetPages[] = {
    {IDD_WELCOME_PAGE, IDS_PAGE_HELP, WelcomePage},
    {IDD_DIRECTORIES_PAGE, IDS_PAGE_DIRECTORIES, DirectoriesPage},
    {IDD_USER_INTERFACE_PAGE, IDS_PAGE_USER_INTERFACE, UserInterfacePage},
    {IDD_SCAN_DEFINITIONS_PAGE, IDS_PAGE_SCAN_DEFINITIONS, ScanDefinitionsPage},
    {IDD_SCAN_OPTIONS_PAGE, IDS_PAGE_SCAN_OPTIONS, ScanOptionsPage},
};
constexpr int PageCount = sizeof SheetPages / sizeof SheetPages[0];

// The sheet's window while it is open; set and cleared here alone.
HWND sheetWindow = nullptr;

// Titles outlive the sheet's creation.
std::string pageTitles[PageCount];
std::string sheetCaption;

void describePages(PROPSHEETPAGEA (&pages)[PageCount])
{
    for (int i = 0; i < PageCount; ++i) {
        PROPSHEETPAGEA& page = pages[i];
        page = PROPSHEETPAGEA{};
        page.dwSize = sizeof page;
        page.dwFlags = PSP_USETITLE | PSP_HASHELP;
        page.hInstance = app.appInstance;
        page.pszTemplate = MAKEINTRESOURCEA(SheetPages[i].templateId);
        pageTitles[i] = loadText(SheetPages[i].titleStringId);
        page.pszTitle = pageTitles[i].c_str();
        page.pfnDlgProc = SheetPageProc;
        page.lParam = reinterpret_cast<LPARAM>(&SheetPages[i].page);
    }
}

void bringSheetForward()
{
    HWND sheet = sheetWindow;
    ShowWindow(sheet, SW_RESTORE);
    BringWindowToTop(sheet);
    SetForegroundWindow(sheet);
    UpdateWindow(sheet);
}

void startSession()
{
    setTrayState(Configuring, nullptr);
    configuration.editDefinitions = settings.definitions;
    configuration.currentDefinition = -1;
    configuration.changedSinceOpen = false;
    configuration.rescanRecommended = false;
}

// The sheet has no owner to stand over, so it opens in the middle of the work area.
void centreOnScreen(HWND window)
{
    RECT frame;
    RECT work;
    GetWindowRect(window, &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - (frame.right - frame.left)) / 2;
    const int y = work.top + ((work.bottom - work.top) - (frame.bottom - frame.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CALLBACK onSheetEvent(HWND sheet, UINT event, LPARAM)
{
    if (event == PSCB_INITIALIZED) {
        sheetWindow = sheet;
        centreOnScreen(sheet);
    }
    return 0;
}

void runSheet()
{
    // The hotkey and list view classes must be registered before a page uses them.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_HOTKEY_CLASS | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    PROPSHEETPAGEA pages[PageCount];
    describePages(pages);
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_USECALLBACK;
    header.hwndParent = nullptr;
    header.hInstance = app.appInstance;
    sheetCaption = loadText(IDS_CONFIG_CAPTION);
    header.pszCaption = sheetCaption.c_str();
    header.nPages = PageCount;
    header.nStartPage = 0;
    header.ppsp = pages;
    header.pfnCallback = onSheetEvent;

    // Without the hotkey the User interface page's hotkey control can take the current
    // combination without the launcher window opening.
    unregisterHotkey();
    configuration.editDirectories = settings.directories;
    PropertySheetA(&header);
    // The sheet's window is gone; a stale handle must not be raised by a later request.
    sheetWindow = nullptr;
}

void offerRescan()
{
    if (askYesOrNo(app.mainWindow, loadText(IDS_RESCAN_RECOMMENDED)))
        scanAllDirectories(false);
}

void finishSession()
{
    saveSettingsOrTell(app.mainWindow); // also after Cancel: what pages applied stays applied
    registerHotkey();
    pauseChangeMonitor();
    if (configuration.rescanRecommended)
        offerRescan();
    resumeChangeMonitor(); // re-arms the watches from the committed lists and flags
    setTrayState(Idle, nullptr);
}

} // namespace

void openConfiguration()
{
    if (sheetWindow != nullptr) {
        bringSheetForward();
        return;
    }
    if (trayState() != Idle)
        return; // a scan runs, or the sheet is just closing
    startSession();
    runSheet();
    finishSession();
}

bool configurationSheetOpen()
{
    return sheetWindow != nullptr;
}
