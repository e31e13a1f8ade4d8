#include "app/win/about_box.h"

#include "base/win/help.h"
#include "base/win/program_handles.h"
#include "resources/resource.h"

namespace {

// The link closes the box first, so the browser or mail program opens after it.
void followLink(HWND dialog, const char* address)
{
    EndDialog(dialog, IDOK);
    navigateTo(address);
}

BOOL onAboutCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, id);
        return TRUE;
    case IDC_ABOUT_WEBSITE:
        followLink(dialog, OnlineDocsBase);
        return TRUE;
    case IDC_ABOUT_MAIL:
        followLink(dialog, SupportMailAddress);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        return onAboutCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR showAboutBox(HWND owner)
{
    return DialogBoxParamA(app.appInstance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutBoxProc, 0);
}
