#include <windows.h>

#include "shell/win/app_state.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    app.appInstance = instance;
    return 0;
}
