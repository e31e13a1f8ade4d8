#include "configuration/win/startup_shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "base/win/narrow_text.h"
#include "base/win/owners.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
#include "resources/resource.h"

namespace {

const char* const ShortcutFileName = "\\Tandor.lnk";
// Where the setup records an install made just for the current user, and in which value.
const wchar_t* const UserInstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tandor";
const wchar_t* const InstallLocationValue = L"InstallLocation";

// An install just for the current user is the one the setup recorded for that user with this
// program's folder, the test its uninstaller makes too.
bool runsFromUserInstall()
{
    WCHAR location[MAX_PATH] = L"";
    DWORD size = sizeof location;
    if (RegGetValueW(HKEY_CURRENT_USER, UserInstallKey, InstallLocationValue, RRF_RT_REG_SZ, nullptr, location,
                     &size) != ERROR_SUCCESS)
        return false;
    WCHAR program[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return false;
    WCHAR* const lastSeparator = wcsrchr(program, L'\\');
    if (lastSeparator == nullptr)
        return false;
    *lastSeparator = L'\0';
    return lstrcmpiW(program, location) == 0;
}

// An install just for the current user keeps the shortcut in that user's own Startup folder: such
// a user need not be allowed to write in every user's, and that install's uninstaller removes the
// user's own.
std::string shortcutPath()
{
    const int folderId = runsFromUserInstall() ? CSIDL_STARTUP : CSIDL_COMMON_STARTUP;
    char folder[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(app.mainWindow, folder, folderId, FALSE))
        return std::string();
    return std::string(folder) + ShortcutFileName;
}

std::wstring widened(const std::string& text)
{
    wchar_t wide[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH);
    return wide;
}

void saveLink(IShellLinkA* link, const std::string& path)
{
    ComPointer<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.out())))
        return;
    file->Save(widened(path).c_str(), TRUE);
}

} // namespace

bool startupShortcutExists()
{
    const std::string path = shortcutPath();
    if (path.empty())
        return false;
    const OwnedHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.valid();
}

void createStartupShortcut()
{
    const std::string path = shortcutPath();
    if (path.empty())
        return;
    ComPointer<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.out())))
        return;
    WCHAR program[MAX_PATH] = L""; // a path of MAX_PATH characters may take more bytes
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return;
    link->SetPath(narrowFromWide(program).c_str());
    // The launcher keeps uninst.dir in its working folder, so started at logon it must start in its own.
    std::wstring folder(program, length);
    folder.erase(std::min(folder.size(), folder.rfind(L'\\')));
    link->SetWorkingDirectory(narrowFromWide(folder.c_str()).c_str());
    link->SetDescription(loadText(IDS_STARTUP_DESCRIPTION).c_str());
    saveLink(link.get(), path);
}

void deleteStartupShortcut()
{
    const std::string path = shortcutPath();
    if (!path.empty())
        DeleteFileA(path.c_str());
}
