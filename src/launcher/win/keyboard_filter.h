// Takes Up, Down, F1, F9 and F12 out of the launcher dialog's loop before the dialog manager sees
// them and hands them to the window as private messages.
#pragma once

#include <windows.h>

void installKeyboardFilter(HWND launcherWindow);
void removeKeyboardFilter();
