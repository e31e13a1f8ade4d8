#include "scanning/win/scan_progress_window.h"

#include "resources/resource.h"
#include "scanning/win/scans.h"
#include "shell/win/app_state.h"

#include <windowsx.h>

namespace {

constexpr LONG BoldWeight = 700;

// The two fonts the window creates, and the dialog font they were derived from.
struct ProgressFonts {
    HFONT dialogFont = nullptr;
    HFONT italicFont = nullptr;
    HFONT boldFont = nullptr;
};

ProgressFonts* fontsOf(HWND window)
{
    return reinterpret_cast<ProgressFonts*>(GetWindowLongPtrA(window, DWLP_USER));
}

BOOL onInitDialog(HWND window, HWND, LPARAM)
{
    auto* fonts = new ProgressFonts;
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(fonts));
    HWND directoryLine = GetDlgItem(window, IDC_SCAN_DIRECTORY);
    fonts->dialogFont = reinterpret_cast<HFONT>(SendMessageA(directoryLine, WM_GETFONT, 0, 0));
    LOGFONTA description;
    if (fonts->dialogFont == nullptr || GetObjectA(fonts->dialogFont, sizeof description, &description) == 0)
        return TRUE;
    description.lfItalic = 1;
    fonts->italicFont = CreateFontIndirectA(&description);
    SendMessageA(directoryLine, WM_SETFONT, reinterpret_cast<WPARAM>(fonts->italicFont), TRUE);
    description.lfItalic = 0;
    description.lfWeight = BoldWeight;
    fonts->boldFont = CreateFontIndirectA(&description);
    SendDlgItemMessageA(window, IDC_SCAN_HEADING, WM_SETFONT, reinterpret_cast<WPARAM>(fonts->boldFont), TRUE);
    return TRUE;
}

void onCommand(HWND, int, HWND, UINT notificationCode)
{
    // The scan's caller closes the window once the walk has noticed.
    if (notificationCode == BN_CLICKED)
        scanCancelled = 1;
}

void onDestroy(HWND window)
{
    ProgressFonts* fonts = fontsOf(window);
    if (fonts == nullptr)
        return;
    SetWindowLongPtrA(window, DWLP_USER, 0);
    const WPARAM dialogFont = reinterpret_cast<WPARAM>(fonts->dialogFont);
    SendDlgItemMessageA(window, IDC_SCAN_HEADING, WM_SETFONT, dialogFont, TRUE);
    SendDlgItemMessageA(window, IDC_SCAN_DIRECTORY, WM_SETFONT, dialogFont, TRUE);
    if (fonts->boldFont != nullptr)
        DeleteObject(fonts->boldFont);
    if (fonts->italicFont != nullptr)
        DeleteObject(fonts->italicFont);
    delete fonts;
}

} // namespace

HWND createScanProgressWindow()
{
    return CreateDialogParamA(app.appInstance, MAKEINTRESOURCEA(IDD_SCAN_PROGRESS), nullptr, ScanProgressProc, 0);
}

INT_PTR CALLBACK ScanProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(window, wParam, lParam, onInitDialog);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(window, wParam, lParam, onCommand);
        return FALSE;
    case WM_DESTROY:
        HANDLE_WM_DESTROY(window, wParam, lParam, onDestroy);
        return FALSE;
    default:
        return FALSE;
    }
}
