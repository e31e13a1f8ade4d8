#include "settings/win/configuration_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include "resources/resource.h"
#include "scanning/win/change_monitor.h"
#include "scanning/win/scans.h"
#include "settings/win/settings_store.h"
#include "settings/win/sheet_page.h"
#include "shell/win/app_state.h"
#include "shell/win/help.h"
#include "shell/win/main_window.h"
#include "shell/win/tray.h"

ConfigurationSession configuration;

namespace {

struct PageDescription {
    int templateId;
    UINT titleStringId;
    DLGPROC procedure;
};

const PageDescription SheetPages[] = {
    {IDD_WELCOME_PAGE, IDS_PAGE_HELP, WelcomePageProc},
    {IDD_DIRECTORIES_PAGE, IDS_PAGE_DIRECTORIES, DirectoriesPageProc},
    {IDD_USER_INTERFACE_PAGE, IDS_PAGE_USER_INTERFACE, UserInterfacePageProc},
    {IDD_SCAN_DEFINITIONS_PAGE, IDS_PAGE_SCAN_DEFINITIONS, ScanDefinitionsPageProc},
    {IDD_SCAN_OPTIONS_PAGE, IDS_PAGE_SCAN_OPTIONS, ScanOptionsPageProc},
};
constexpr int PageCount = sizeof SheetPages / sizeof SheetPages[0];

const char* const WelcomeHelpPage = "configure.html";
const char* const HowToUsePage = "howto.html";
const char* const QuestionsPage = "faq-fr.html";

// Titles outlive the sheet's creation; loadText's buffer would not.
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
        page.pszTitle = loadTextInto(SheetPages[i].titleStringId, pageTitles[i]);
        page.pfnDlgProc = SheetPages[i].procedure;
    }
}

void bringSheetForward()
{
    HWND sheet = configuration.sheetWindow;
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
    configuration.changedSinceOpen = 0;
    configuration.rescanRecommended = 0;
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
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP;
    header.hwndParent = nullptr;
    header.hInstance = app.appInstance;
    header.pszCaption = loadTextInto(IDS_CONFIG_CAPTION, sheetCaption);
    header.nPages = PageCount;
    header.nStartPage = 0;
    header.ppsp = pages;

    // Without the hotkey the User interface page's hotkey control can take the current
    // combination without the launcher window opening.
    unregisterHotkey();
    configuration.editDirectories = settings.directories;
    PropertySheetA(&header);
    // The sheet's window is gone; a stale handle must not be raised by a later request.
    configuration.sheetWindow = nullptr;
}

void offerRescan()
{
    const int answer = MessageBoxA(app.mainWindow, loadText(IDS_RESCAN_RECOMMENDED), "Tandor",
                                   MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES)
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
    configuration.sheetWindow = nullptr;
}

// Welcome page ------------------------------------------------------------------------------

HFONT welcomeTextFont = nullptr; // the static's own font, given back when the page goes

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

BOOL onWelcomeInit(HWND page)
{
    welcomeTextFont = makeBold(GetDlgItem(page, IDC_WELCOME_TEXT));
    configuration.sheetWindow = GetParent(page);
    centreOnScreen(configuration.sheetWindow);
    return FALSE;
}

void onWelcomeDestroy(HWND page)
{
    restoreFont(GetDlgItem(page, IDC_WELCOME_TEXT), welcomeTextFont);
    welcomeTextFont = nullptr;
}

// A help button opens its document and closes the sheet as OK would.
void openDocumentAndClose(HWND page, const char* document)
{
    openHelp(document);
    PostMessageA(GetParent(page), PSM_PRESSBUTTON, PSBTN_OK, 0);
}

BOOL onWelcomeCommand(HWND page, int id)
{
    switch (id) {
    case IDC_WELCOME_HOW_TO_CONFIGURE:
        openDocumentAndClose(page, WelcomeHelpPage);
        return TRUE;
    case IDC_WELCOME_HOW_TO_USE:
        openDocumentAndClose(page, HowToUsePage);
        return TRUE;
    case IDC_WELCOME_FAQ:
        openDocumentAndClose(page, QuestionsPage);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR onWelcomeNotify(HWND page, const NMHDR& header)
{
    if (header.code != PSN_HELP)
        return FALSE;
    openHelp(WelcomeHelpPage);
    return answerNotification(page, TRUE);
}

} // namespace

void openConfiguration()
{
    if (configuration.sheetWindow != nullptr) {
        bringSheetForward();
        return;
    }
    if (trayState != Idle)
        return; // a scan runs, or the sheet is just closing
    if (launcherHoldsCatalogue()) {
        // Applying the sheet changes the catalogue, which the launcher window still shows.
        openConfigurationAfterLauncher();
        return;
    }
    startSession();
    runSheet();
    finishSession();
}

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return onWelcomeInit(page);
    case WM_DESTROY:
        onWelcomeDestroy(page);
        return FALSE;
    case WM_COMMAND:
        return HIWORD(wParam) == BN_CLICKED ? onWelcomeCommand(page, LOWORD(wParam)) : FALSE;
    case WM_NOTIFY:
        return onWelcomeNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
    default:
        return FALSE;
    }
}
