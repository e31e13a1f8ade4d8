#include "data_folder.h"

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>

#include "settings/data_files.h"

std::string launcherDataFolder()
{
    char appData[MAX_PATH];
    if (!SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE))
        return std::string();
    // Only read from: a query never creates the folder.
    return std::string(appData) + "\\" + DataFolderName + "\\";
}
#else
std::string launcherDataFolder()
{
    return std::string();
}
#endif
