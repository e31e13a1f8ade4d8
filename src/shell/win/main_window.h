// The hidden main window: hotkey, tray icon callback, change reports and second starts.
#pragma once

#include <windows.h>

constexpr UINT WM_DIRECTORY_CHANGED = WM_USER + 7;
constexpr UINT WM_SECOND_START = WM_USER + 12;
// Posted by the icon loader thread as it ends.
constexpr UINT WM_ICON_LOADER_ENDED = WM_USER + 13;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void openLauncherOnHotkey();
// True while a launcher window, or its icon loader, may still refer to catalogue entries.
bool launcherHoldsCatalogue();
// At program end, after the change monitor has stopped: rescans the folders whose changes were
// not served yet, so that the saved catalogue holds them.
void rescanChangesLeftAtExit();
// Opens the configuration sheet once no launcher window refers to the catalogue any more.
void openConfigurationAfterLauncher();
