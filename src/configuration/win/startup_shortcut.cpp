#include "configuration/win/startup_shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "base/win/help.h"
#include "base/win/narrow_text.h"
#include "base/win/program_handles.h"
#include "resources/resource.h"

namespace {

const char* const ShortcutFileName = "\\Tandor.lnk";

std::string shortcutPath()
{
    char folder[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(app.mainWindow, folder, CSIDL_COMMON_STARTUP, FALSE))
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
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
        return;
    file->Save(widened(path).c_str(), TRUE);
    file->Release();
}

} // namespace

bool startupShortcutExists()
{
    const std::string path = shortcutPath();
    if (path.empty())
        return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

void createStartupShortcut()
{
    const std::string path = shortcutPath();
    if (path.empty())
        return;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return;
    WCHAR program[MAX_PATH] = L""; // a path of MAX_PATH characters may take more bytes
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    link->SetPath(narrowFromWide(program).c_str());
    link->SetDescription(loadText(IDS_STARTUP_DESCRIPTION));
    saveLink(link, path);
    link->Release();
}

void deleteStartupShortcut()
{
    const std::string path = shortcutPath();
    if (!path.empty())
        DeleteFileA(path.c_str());
}
