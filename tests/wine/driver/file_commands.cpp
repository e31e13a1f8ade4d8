// Fixtures that need Windows itself: shell links.
#include "driver.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

// Creates LINK_PATH pointing at TARGET_PATH.
int makeShortcut(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) {
        link->SetPath(a[1].c_str());
        IPersistFile* file = nullptr;
        result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(result)) {
            WCHAR widePath[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, a[0].c_str(), -1, widePath, MAX_PATH);
            result = file->Save(widePath, TRUE);
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
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
    {"make-shortcut", "LINK_PATH TARGET_PATH", makeShortcut},
    {"set-hidden", "PATH on|off", setHidden},
};

} // namespace
