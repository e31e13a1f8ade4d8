#include "scanning/win/windows_file_system.h"

#include "scanning/win/shortcut_resolver.h"

#include "base/win/owners.h"

#include <windows.h>

namespace {

class FindFileListing : public FolderListing {
public:
    FindFileListing(HANDLE search, const WIN32_FIND_DATAA& first) : search_(search), pending_(first) {}
    ~FindFileListing() override { FindClose(search_); }
    FindFileListing(const FindFileListing&) = delete;
    FindFileListing& operator=(const FindFileListing&) = delete;

    bool next(FolderItem& item) override
    {
        if (!havePending_) {
            if (!FindNextFileA(search_, &pending_))
                return false;
        }
        havePending_ = false;
        item.name = pending_.cFileName;
        item.isFolder = (pending_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.isHidden = (pending_.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        return true;
    }

private:
    HANDLE search_;
    WIN32_FIND_DATAA pending_;
    bool havePending_ = true; // FindFirstFileA already delivered the first item
};

} // namespace

std::unique_ptr<FolderListing> WindowsFileSystem::openListing(const std::string& folderPath)
{
    const std::string searchPattern = folderPath + "*";
    WIN32_FIND_DATAA first;
    HANDLE search = FindFirstFileA(searchPattern.c_str(), &first);
    if (search == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<FindFileListing>(search, first);
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
    char target[MAX_PATH];
    char matchText[MAX_PATH];
    ::resolveShortcut(shortcutPath.c_str(), target, matchText);
    return target;
}
