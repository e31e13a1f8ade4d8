// The hidden main window: hotkey, tray icon callback, change reports and second starts.
#pragma once

#include <windows.h>

constexpr UINT WM_DIRECTORY_CHANGED = WM_USER + 7;
constexpr UINT WM_SECOND_START = WM_USER + 12;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void openLauncherOnHotkey();
// Opens the configuration sheet once no launcher window refers to the catalogue any more.
void openConfigurationAfterLauncher();
