#include "windows_user_data_folders.h"

namespace {

bool isLink(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

} // namespace

WindowsUserDataFolders::~WindowsUserDataFolders()
{
    letGo();
}

void WindowsUserDataFolders::letGo()
{
    held_.close();
}

FolderKind WindowsUserDataFolders::openFolder(const std::string& folder)
{
    letGo();
    // The attributes of the path itself: a link shows as a reparse point, not as its target.
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return FolderKind::Missing;
    if (isLink(attributes))
        return FolderKind::Link;
    // Backup semantics open a folder; opening the reparse point itself never follows a link
    // that was put there after the test above.
    held_ = OwnedHandle(CreateFileA(folder.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!held_.valid())
        return FolderKind::Missing;
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(held_.get(), &information) || isLink(information.dwFileAttributes) ||
        !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        letGo();
        return FolderKind::Link;
    }
    return FolderKind::Folder;
}

bool WindowsUserDataFolders::listEntries(const std::string& pattern, std::vector<FolderEntry>& entries)
{
    WIN32_FIND_DATAA found;
    HANDLE listing = FindFirstFileA(pattern.c_str(), &found);
    if (listing == INVALID_HANDLE_VALUE)
        return false;
    do
        entries.push_back(FolderEntry{found.cFileName, isLink(found.dwFileAttributes)});
    while (FindNextFileA(listing, &found));
    FindClose(listing);
    return true;
}

void WindowsUserDataFolders::deleteAsFile(const std::string& path)
{
    // Tested again right before acting: setting attributes through a link would change its target.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || isLink(attributes))
        return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

bool WindowsUserDataFolders::removeFolder(const std::string& folder)
{
    letGo();
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || isLink(attributes))
        return false;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesA(folder.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return RemoveDirectoryA(folder.c_str()) != FALSE;
}
