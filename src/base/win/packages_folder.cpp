#include "base/win/packages_folder.h"

#include <windows.h>
#include <shlobj.h>

namespace {

const char* const PackagesFolderName = "\\Packages";

} // namespace

std::string packagesFolderPath()
{
    char localData[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, localData, CSIDL_LOCAL_APPDATA, FALSE))
        return std::string();
    const std::string path = std::string(localData) + PackagesFolderName;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return std::string();
    return path;
}
