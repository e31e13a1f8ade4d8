#include "scanning/win/scan_progress_window.h"

#include "base/win/fonts.h"
#include "base/win/program_handles.h"
#include "resources/resource.h"

#include <windowsx.h>

namespace {

bool cancelRequested = false;

// The heading in bold and the directory line in italics, lent to the controls while the window lives.
struct ProgressFonts {
    ControlFont heading;
    ControlFont directoryLine;
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
    const HFONT dialogFont = fontOf(directoryLine);
    if (dialogFont == nullptr)
        return TRUE;
    fonts->directoryLine.lend(directoryLine, fontVariant(dialogFont, NormalWeight, true), true);
    fonts->heading.lend(GetDlgItem(window, IDC_SCAN_HEADING), fontVariant(dialogFont, BoldWeight, false), true);
    return TRUE;
}

void onCommand(HWND, int, HWND, UINT notificationCode)
{
    // The scan's caller closes the window once the walk has noticed.
    if (notificationCode == BN_CLICKED)
        cancelRequested = true;
}

void onDestroy(HWND window)
{
    delete fontsOf(window); // gives the controls their dialog font back
    SetWindowLongPtrA(window, DWLP_USER, 0);
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

bool scanCancelRequested()
{
    return cancelRequested;
}

void forgetScanCancelRequest()
{
    cancelRequested = false;
}
