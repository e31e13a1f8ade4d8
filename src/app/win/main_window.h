// The hidden main window: hotkey, tray icon callback, change reports and second starts.
#pragma once

#include <windows.h>

#include "base/private_messages.h"

// Its private messages; the change monitor and the icon loader are handed theirs at start.
constexpr unsigned WM_DIRECTORY_CHANGED = FirstPrivateMessage + 7; // from the change monitor; wParam: directory index
constexpr unsigned WM_SECOND_START = FirstPrivateMessage + 12;     // from a second start: open the configuration
constexpr unsigned WM_ICON_LOADER_ENDED = FirstPrivateMessage + 13; // from an icon loader thread as it ends

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// At program end, after the change monitor has stopped: rescans the folders whose changes were
// not served yet, so that the saved catalogue holds them.
void rescanChangesLeftAtExit();
// Opens the configuration sheet, or brings it forward; while a launcher window still refers to the
// catalogue, once it has let go.
void requestConfiguration();
