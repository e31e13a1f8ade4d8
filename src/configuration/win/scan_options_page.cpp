// The Scan options page: change monitoring, scanning at every start, and the scan status box.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "base/win/texts.h"
#include "configuration/scan_options.h"
#include "configuration/win/configuration_session.h"
#include "configuration/win/sheet_page.h"
#include "resources/resource.h"
#include "scanning/win/change_monitor.h"
#include "settings/win/settings_store.h"

namespace {

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
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(loadText(textId).c_str()));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(choice.statusBoxItem), 0); // mode 3 selects nothing
    enableShowDirectory(page);
    return TRUE;
}

void onCommand(HWND page, int, HWND, UINT notification)
{
    if (notification != BN_CLICKED && notification != CBN_SELENDOK)
        return;
    notifySheetChanged(page);
    enableShowDirectory(page);
}

void onApply(HWND page)
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
}

} // namespace

const SheetPage ScanOptionsPage = {onInitDialog, onCommand, onApply, "config4.html", nullptr, nullptr};
