// The launcher's hotkey, registered with the system for the main window as the settings choose it.
#pragma once

#include <windows.h>

// The process-wide atom that names the hotkey: added once at start, deleted at the end.
void addHotkeyAtom();
void deleteHotkeyAtom();
// False when the key cannot be had, another program holding it for one.
BOOL registerHotkey();
void unregisterHotkey();
