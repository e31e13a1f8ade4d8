// The remover's folder operations on the Windows file system.
#pragma once

#include "installhelpers/user_data_remover.h"

#include <windows.h>

#include "base/win/owners.h"

class WindowsUserDataFolders : public UserDataFolders {
public:
    WindowsUserDataFolders() = default;
    ~WindowsUserDataFolders() override;
    WindowsUserDataFolders(const WindowsUserDataFolders&) = delete;
    WindowsUserDataFolders& operator=(const WindowsUserDataFolders&) = delete;

    FolderKind openFolder(const std::string& folder) override;
    bool listEntries(const std::string& pattern, std::vector<FolderEntry>& entries) override;
    void deleteAsFile(const std::string& path) override;
    bool removeFolder(const std::string& folder) override;

private:
    void letGo();

    // The open data folder, shared for reading and writing but not for deleting, so that
    // nobody can move it away and put a link in its place while its files are deleted.
    OwnedHandle held_;
};
