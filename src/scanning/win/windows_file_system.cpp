#include "scanning/win/windows_file_system.h"

#include "base/win/narrow_text.h"
#include "scanning/win/shortcut_resolver.h"

#include "base/win/owners.h"

#include <windows.h>

#include <utility>

namespace {

class FindFileListing : public FolderListing {
public:
    FindFileListing(OwnedFileSearch search, const WIN32_FIND_DATAW& first) : search_(std::move(search)), pending_(first)
    {
    }

    bool next(FolderItem& item) override
    {
        if (!havePending_) {
            if (!FindNextFileW(search_.get(), &pending_))
                return false;
        }
        havePending_ = false;
        item.name = narrowFromWide(pending_.cFileName);
        item.isFolder = (pending_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.isHidden = (pending_.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        return true;
    }

private:
    OwnedFileSearch search_;
    WIN32_FIND_DATAW pending_;
    bool havePending_ = true; // FindFirstFileW already delivered the first item
};

} // namespace

std::unique_ptr<FolderListing> WindowsFileSystem::openListing(const std::string& folderPath)
{
    // Listed through the wide functions: a name of up to 255 characters may take three times
    // as many bytes in UTF-8, more than the narrow listing's buffer holds.
    const std::wstring searchPattern = wideFromNarrow(folderPath + "*");
    WIN32_FIND_DATAW first;
    OwnedFileSearch search(FindFirstFileW(searchPattern.c_str(), &first));
    if (!search.valid())
        return nullptr;
    return std::make_unique<FindFileListing>(std::move(search), first);
}

FolderIdentity WindowsFileSystem::identify(const std::string& folderPath)
{
    FolderIdentity identity;
    // Backup semantics are what let CreateFileA open a folder at all.
    const OwnedHandle folder(CreateFileA(folderPath.c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder.valid())
        return identity;
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileInformationByHandle(folder.get(), &information)) {
        identity.known = true;
        identity.volume = information.dwVolumeSerialNumber;
        identity.index = (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    }
    return identity;
}

std::string WindowsFileSystem::resolveShortcut(const std::string& shortcutPath)
{
    return resolveShortcutTarget(shortcutPath);
}
