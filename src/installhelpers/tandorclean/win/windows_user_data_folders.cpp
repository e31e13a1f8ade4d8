#include "windows_user_data_folders.h"

#include <windows.h>

bool WindowsUserDataFolders::canOpenFolder(const std::string& folder)
{
    // Backup semantics let CreateFile open a folder rather than a file.
    HANDLE handle = CreateFileA(folder.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    return true;
}

bool WindowsUserDataFolders::listNames(const std::string& pattern, std::vector<std::string>& names)
{
    WIN32_FIND_DATAA found;
    HANDLE listing = FindFirstFileA(pattern.c_str(), &found);
    if (listing == INVALID_HANDLE_VALUE)
        return false;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(listing, &found));
    FindClose(listing);
    return true;
}

void WindowsUserDataFolders::deleteAsFile(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

bool WindowsUserDataFolders::removeFolder(const std::string& folder)
{
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    // Writing back the error value would set every attribute bit.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(folder.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return RemoveDirectoryA(folder.c_str()) != FALSE;
}
