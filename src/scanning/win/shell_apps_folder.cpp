// The calls below came with Windows 7 and 8; the rest of the program is built for older headers.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0602

#include "scanning/win/shell_apps_folder.h"

#include <windows.h>
#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "base/win/owners.h"
#include "base/win/packages_folder.h"

namespace {

// Far above any Start menu's count; a shell that never ends its listing stops here.
constexpr std::size_t MaxAppsFolderItems = 4096;

std::string utf8From(PCWSTR text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string converted(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &converted[0], size, nullptr, nullptr);
    converted.resize(static_cast<std::size_t>(size - 1));
    return converted;
}

bool nameOf(IShellItem* item, SIGDN form, std::string& name)
{
    TaskMemory<PWSTR> text;
    if (FAILED(item->GetDisplayName(form, text.out())) || text.get() == nullptr)
        return false;
    name = utf8From(text.get());
    return !name.empty();
}

} // namespace

std::vector<AppsFolderItem> ShellAppsFolder::items()
{
    std::vector<AppsFolderItem> found;
    if (packagesFolderPath().empty())
        return found;
    ComPointer<IShellItem> folder;
    if (FAILED(SHGetKnownFolderItem(FOLDERID_AppsFolder, KF_FLAG_DEFAULT, nullptr, IID_IShellItem, folder.out())))
        return found;
    ComPointer<IEnumShellItems> listing;
    if (FAILED(folder->BindToHandler(nullptr, BHID_EnumItems, IID_IEnumShellItems, listing.out())))
        return found;
    while (found.size() < MaxAppsFolderItems) {
        ComPointer<IShellItem> item;
        ULONG fetched = 0;
        if (listing->Next(1, reinterpret_cast<IShellItem**>(item.out()), &fetched) != S_OK || fetched != 1)
            break;
        AppsFolderItem entry;
        if (nameOf(item.get(), SIGDN_PARENTRELATIVEPARSING, entry.parsingName) &&
            nameOf(item.get(), SIGDN_NORMALDISPLAY, entry.displayName))
            found.push_back(entry);
    }
    return found;
}
