// The about box: name, version and two links.
#pragma once

#include <windows.h>

INT_PTR showAboutBox(HWND owner);
