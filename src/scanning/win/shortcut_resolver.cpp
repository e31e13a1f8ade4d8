#include "scanning/win/shortcut_resolver.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>

#include "base/win/owners.h"

HRESULT resolveShortcut(const char* shortcutPath, char* target, char* matchText)
{
    target[0] = '\0';
    ComPointer<IShellLinkA> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.out());
    if (FAILED(result))
        return result;
    ComPointer<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.out());
    if (FAILED(result))
        return result;
    WCHAR widePath[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, shortcutPath, -1, widePath, MAX_PATH) == 0)
        widePath[0] = L'\0';
    result = file->Load(widePath, STGM_READ);
    if (SUCCEEDED(result)) {
        WIN32_FIND_DATAA findData;
        result = link->GetPath(target, MAX_PATH, &findData, SLGP_UNCPRIORITY);
        target[MAX_PATH - 1] = '\0';
        if (FAILED(result))
            target[0] = '\0';
        std::strcpy(matchText, target);
    }
    return result;
}
