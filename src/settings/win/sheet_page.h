// Small helpers that every page of the configuration sheet uses.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

// Enables the sheet's Apply button.
inline void notifySheetChanged(HWND page)
{
    PostMessageA(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
}

inline bool isChecked(HWND page, int controlId)
{
    return IsDlgButtonChecked(page, controlId) == BST_CHECKED;
}

inline void setChecked(HWND page, int controlId, bool checked)
{
    CheckDlgButton(page, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

// A dialog procedure's answer to a notification that has a result.
inline INT_PTR answerNotification(HWND page, LONG_PTR result)
{
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
    return TRUE;
}
