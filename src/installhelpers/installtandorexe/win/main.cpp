// InstallTandorExe: run by the installer with the target path as its whole command line;
// writes the launcher it carries to that path, closing a launcher that runs from it first.
#include "installhelpers/program_placer.h"
#include "windows_placer_system.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    WindowsPlacerSystem system(instance);
    return placeProgram(commandLine, system);
}
