// The Scan options page: change monitoring, scanning at every start, and the scan status box.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "resources/resource.h"
#include "scanning/win/change_monitor.h"
#include "settings/scan_options.h"
#include "settings/win/configuration_sheet.h"
#include "settings/win/settings_store.h"
#include "settings/win/sheet_page.h"
#include "shell/win/app_state.h"
#include "shell/win/help.h"

namespace {

const char* const ScanOptionsHelpPage = "config4.html";

const UINT StatusBoxItemTexts[] = {IDS_STATUS_BOX_ALWAYS, IDS_STATUS_BOX_NOT_AT_STARTUP, IDS_STATUS_BOX_NEVER};

int selectedStatusBoxItem(HWND page)
{
    return static_cast<int>(SendDlgItemMessageA(page, IDC_SCAN_STATUS_BOX, CB_GETCURSEL, 0, 0));
}

void enableShowDirectory(HWND page)
{
    EnableWindow(GetDlgItem(page, IDC_SCAN_SHOW_DIRECTORY), showDirectoryChoiceEnabled(selectedStatusBoxItem(page)));
}

BOOL onInitDialog(HWND page)
{
    const ScanOptionsChoice choice = scanOptionsFromFlags(settings.global.GlobalScanFlags);
    setChecked(page, IDC_SCAN_MONITOR, choice.monitorChanges);
    setChecked(page, IDC_SCAN_AT_STARTUP, choice.scanAtStartup);
    setChecked(page, IDC_SCAN_SHOW_DIRECTORY, choice.showScannedDirectory);
    HWND list = GetDlgItem(page, IDC_SCAN_STATUS_BOX);
    for (UINT textId : StatusBoxItemTexts)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(loadText(textId)));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(choice.statusBoxItem), 0); // mode 3 selects nothing
    enableShowDirectory(page);
    return TRUE;
}

void onCommand(HWND page, int notification)
{
    if (notification != BN_CLICKED && notification != CBN_SELENDOK)
        return;
    notifySheetChanged(page);
    enableShowDirectory(page);
}

INT_PTR onApply(HWND page)
{
    ScanOptionsChoice choice;
    choice.monitorChanges = isChecked(page, IDC_SCAN_MONITOR);
    choice.scanAtStartup = isChecked(page, IDC_SCAN_AT_STARTUP);
    choice.showScannedDirectory = isChecked(page, IDC_SCAN_SHOW_DIRECTORY); // kept also while disabled
    choice.statusBoxItem = selectedStatusBoxItem(page);
    {
        // The change monitor reads the monitor bit while it arms its watches.
        DirectoryListLock lock;
        settings.global.GlobalScanFlags = flagsWithScanOptions(settings.global.GlobalScanFlags, choice);
    }
    saveSettings();
    return answerNotification(page, PSNRET_NOERROR);
}

INT_PTR onNotify(HWND page, const NMHDR& header)
{
    switch (header.code) {
    case PSN_APPLY:
        return onApply(page);
    case PSN_HELP:
        openHelp(ScanOptionsHelpPage);
        return answerNotification(page, TRUE);
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK ScanOptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(page);
    case WM_COMMAND:
        onCommand(page, HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        return onNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
    default:
        return FALSE;
    }
}
