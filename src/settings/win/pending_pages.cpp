// Plain stand-ins for the Directories and Scan definitions pages in builds that lack them.
#include "settings/win/configuration_sheet.h"

INT_PTR CALLBACK DirectoriesPageProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

INT_PTR CALLBACK ScanDefinitionsPageProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}
