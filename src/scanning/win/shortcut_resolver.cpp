#include "scanning/win/shortcut_resolver.h"

#include <objbase.h>
#include <shlobj.h>

#include "base/win/narrow_text.h"
#include "base/win/owners.h"

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
    ComPointer<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out())))
        return std::string();
    ComPointer<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.out())) ||
        FAILED(file->Load(wideFromNarrow(shortcutPath).c_str(), STGM_READ)))
        return std::string();
    return targetOfLoadedLink(*link.get());
}
