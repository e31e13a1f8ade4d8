#include "configuration/win/startup_shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "base/win/narrow_text.h"
#include "base/win/owners.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
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
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    link->SetPath(narrowFromWide(program).c_str());
    link->SetDescription(loadText(IDS_STARTUP_DESCRIPTION).c_str());
    saveLink(link.get(), path);
}

void deleteStartupShortcut()
{
    const std::string path = shortcutPath();
    if (!path.empty())
        DeleteFileA(path.c_str());
}
