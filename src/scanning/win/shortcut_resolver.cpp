#include "scanning/win/shortcut_resolver.h"

#include "base/win/narrow_text.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

// The wide interface: a target of 259 characters fits its buffer whatever its UTF-8 length.
std::string targetOfLoadedLink(IShellLinkW& link)
{
    WCHAR target[MAX_PATH] = L"";
    WIN32_FIND_DATAW findData;
    if (FAILED(link.GetPath(target, MAX_PATH, &findData, SLGP_UNCPRIORITY)))
        return std::string();
    target[MAX_PATH - 1] = L'\0';
    return narrowFromWide(target);
}

} // namespace

std::string resolveShortcutTarget(const std::string& shortcutPath)
{
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return std::string();
    std::string target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(wideFromNarrow(shortcutPath).c_str(), STGM_READ)))
            target = targetOfLoadedLink(*link);
        file->Release();
    }
    link->Release();
    return target;
}
