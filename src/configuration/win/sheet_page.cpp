#include "configuration/win/sheet_page.h"

#include <windowsx.h>

#include "base/win/help.h"
#include "base/win/window_alpha.h"
#include "configuration/directory_edits.h"

namespace {

constexpr BYTE DimmedSheetAlpha = 128;
constexpr BYTE OpaqueSheetAlpha = 255;

const SheetPage* descriptionOf(HWND page)
{
    return reinterpret_cast<const SheetPage*>(GetWindowLongPtrA(page, DWLP_USER));
}

BOOL onInitDialog(HWND page, HWND, LPARAM pageSheet)
{
    // The sheet hands the page its own copy of the PROPSHEETPAGE, lParam intact.
    const LPARAM description = reinterpret_cast<const PROPSHEETPAGEA*>(pageSheet)->lParam;
    SetWindowLongPtrA(page, DWLP_USER, description);
    return reinterpret_cast<const SheetPage*>(description)->initialise(page);
}

// Every notification the page answers gets its result set, as a dialog procedure must.
INT_PTR onNotify(HWND page, const SheetPage& description, const NMHDR& header)
{
    LONG_PTR result = 0;
    switch (header.code) {
    case PSN_APPLY:
        if (description.apply != nullptr)
            description.apply(page);
        result = PSNRET_NOERROR;
        break;
    case PSN_HELP:
        openHelp(description.helpPage);
        result = TRUE;
        break;
    default:
        return FALSE;
    }
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace

INT_PTR CALLBACK SheetPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return HANDLE_WM_INITDIALOG(page, wParam, lParam, onInitDialog);
    const SheetPage* description = descriptionOf(page);
    if (description == nullptr)
        return FALSE; // a message that comes before WM_INITDIALOG
    switch (message) {
    case WM_COMMAND:
        description->command(page, LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return TRUE;
    case WM_HSCROLL:
        if (description->scroll == nullptr)
            return FALSE;
        description->scroll(page, reinterpret_cast<HWND>(lParam), LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return TRUE;
    case WM_NOTIFY:
        return onNotify(page, *description, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_DESTROY:
        if (description->destroy != nullptr)
            description->destroy(page);
        return FALSE;
    default:
        return FALSE;
    }
}

std::string controlText(HWND dialog, int controlId)
{
    char text[MaxEditText + 1] = "";
    GetDlgItemTextA(dialog, controlId, text, sizeof text);
    return text;
}

DimmedSheet::DimmedSheet(HWND page) : sheet_(GetParent(page))
{
    setWindowAlpha(sheet_, DimmedSheetAlpha);
    EnableWindow(sheet_, FALSE);
}

DimmedSheet::~DimmedSheet()
{
    setWindowAlpha(sheet_, OpaqueSheetAlpha);
    EnableWindow(sheet_, TRUE);
    BringWindowToTop(sheet_);
}
