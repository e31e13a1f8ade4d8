// The modeless window that a full scan shows: a heading, the directory being scanned and a
// button that cancels the scan.
#pragma once

#include <windows.h>

// Null when the window cannot be created; the scan then runs without it.
HWND createScanProgressWindow();
INT_PTR CALLBACK ScanProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Whether the window's button was pressed since the scan last forgot it.
bool scanCancelRequested();
void forgetScanCancelRequest();
