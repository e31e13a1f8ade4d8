// Fixtures that need Windows itself: shell links.
#include "driver.h"

#include "base/win/owners.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>

namespace {

// Hands a shell link object and its file interface to `use`; the link is saved to or loaded
// from LINK_PATH by `use` itself.
template <typename Use>
HRESULT withShellLink(const std::string& linkPath, Use use)
{
    const ComApartment apartment;
    ComPointer<IShellLinkA> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.out());
    if (FAILED(result))
        return result;
    ComPointer<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.out());
    if (FAILED(result))
        return result;
    WCHAR widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
    return use(*link.get(), *file.get(), widePath);
}

// Creates LINK_PATH pointing at TARGET_PATH, with ARGUMENTS, DESCRIPTION and WORKING_FOLDER when given.
int makeShortcut(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    const HRESULT result = withShellLink(a[0], [&](IShellLinkA& link, IPersistFile& file, const WCHAR* path) {
        link.SetPath(a[1].c_str());
        if (a.size() > 2)
            link.SetArguments(a[2].c_str());
        if (a.size() > 3)
            link.SetDescription(a[3].c_str());
        if (a.size() > 4)
            link.SetWorkingDirectory(a[4].c_str());
        return file.Save(path, TRUE);
    });
    return SUCCEEDED(result) ? Success : Failure;
}

// Prints a shortcut's target, its working folder and its description, each on a line of its own.
int showShortcut(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    const HRESULT result = withShellLink(a[0], [](IShellLinkA& link, IPersistFile& file, const WCHAR* path) {
        HRESULT loaded = file.Load(path, STGM_READ);
        if (FAILED(loaded))
            return loaded;
        char target[MAX_PATH] = "";
        char folder[MAX_PATH] = "";
        char description[INFOTIPSIZE] = "";
        link.GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link.GetWorkingDirectory(folder, MAX_PATH);
        link.GetDescription(description, INFOTIPSIZE);
        std::printf("%s\n%s\n%s\n", target, folder, description);
        return S_OK;
    });
    return SUCCEEDED(result) ? Success : Failure;
}

// Sets or clears the hidden attribute: PATH on|off.
int setHidden(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    DWORD attributes = GetFileAttributesA(a[0].c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Failure;
    attributes = a[1] == "on" ? (attributes | FILE_ATTRIBUTE_HIDDEN) : (attributes & ~FILE_ATTRIBUTE_HIDDEN);
    return SetFileAttributesA(a[0].c_str(), attributes) ? Success : Failure;
}

const Registration registrations[] = {
    {"make-shortcut", "LINK_PATH TARGET_PATH [ARGUMENTS [DESCRIPTION [WORKING_FOLDER]]]", makeShortcut},
    {"show-shortcut", "LINK_PATH  (target, working folder, description)", showShortcut},
    {"set-hidden", "PATH on|off", setHidden},
};

} // namespace
