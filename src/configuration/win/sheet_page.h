// One page procedure serves every page of the configuration sheet; each page describes itself
// with a small table of what it does when the page is made, clicked, applied and asked for help.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>

struct SheetPage {
    // WM_INITDIALOG: fills the controls. Returns FALSE when it has set the focus itself.
    BOOL (*initialise)(HWND page);
    // WM_COMMAND from one of the page's controls.
    void (*command)(HWND page, int controlId, HWND control, UINT notification);
    // PSN_APPLY: commits what the page shows; null on a page with nothing to commit.
    void (*apply)(HWND page);
    // PSN_HELP opens this help page.
    const char* helpPage;
    // WM_HSCROLL from a scroll bar of the page; may be null.
    void (*scroll)(HWND page, HWND scrollBar, UINT code, int position);
    // WM_DESTROY; may be null.
    void (*destroy)(HWND page);
};

// The dialog procedure of every page; the page's PROPSHEETPAGE carries its SheetPage in lParam.
INT_PTR CALLBACK SheetPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Enables the sheet's Apply button.
inline void notifySheetChanged(HWND page)
{
    PostMessageA(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
}

inline bool isChecked(HWND dialog, int controlId)
{
    return IsDlgButtonChecked(dialog, controlId) == BST_CHECKED;
}

inline void setChecked(HWND dialog, int controlId, bool checked)
{
    CheckDlgButton(dialog, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

// The text of an edit box, at most as long as the edits of the settings lists keep.
std::string controlText(HWND dialog, int controlId);

// While it lives, the sheet is dimmed and disabled under a window of the page's (a message box,
// the directory editor); afterwards it is opaque, enabled and on top again.
class DimmedSheet {
public:
    explicit DimmedSheet(HWND page);
    ~DimmedSheet();
    DimmedSheet(const DimmedSheet&) = delete;
    DimmedSheet& operator=(const DimmedSheet&) = delete;

private:
    HWND sheet_;
};
