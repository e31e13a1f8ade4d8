// The hidden main window: hotkey, tray icon callback, change reports and second starts.
#pragma once

#include <windows.h>

#include "base/private_messages.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void openLauncherOnHotkey();
// At program end, after the change monitor has stopped: rescans the folders whose changes were
// not served yet, so that the saved catalogue holds them.
void rescanChangesLeftAtExit();
// Opens the configuration sheet, or brings it forward; while a launcher window still refers to the
// catalogue, once it has let go.
void requestConfiguration();
