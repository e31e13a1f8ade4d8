// The hidden main window: hotkey, tray icon callback, change reports and second starts.
#pragma once

#include <windows.h>

constexpr UINT WM_DIRECTORY_CHANGED = WM_USER + 7;
constexpr UINT WM_SECOND_START = WM_USER + 12;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void openLauncherOnHotkey();
// Brings an open configuration sheet forward or opens one when idle.
void openConfiguration();
// Starts the tour guide at a state.
void enterTourState(int state);
