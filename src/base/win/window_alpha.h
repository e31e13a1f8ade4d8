// Window opacity through layered windows, where the system offers them.
#pragma once

#include <windows.h>

// True when USER32.DLL exports SetLayeredWindowAttributes; asked afresh at every call.
bool transparencySupported();
// Makes the window layered with this opacity (255 is opaque); does nothing without support.
void setWindowAlpha(HWND window, BYTE alpha);
