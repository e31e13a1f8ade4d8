// The program's instance and its hidden main window: every window loads its resources from the one
// and may be owned by the other. Set by the program's entry before any window opens.
#pragma once

#include <windows.h>

struct ProgramHandles {
    HINSTANCE appInstance = nullptr;
    HWND mainWindow = nullptr;
};

extern ProgramHandles app;
