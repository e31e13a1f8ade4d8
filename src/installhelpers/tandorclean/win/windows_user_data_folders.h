// The remover's file system on Windows: handles held from the drive down, and a data folder
// listed, opened and deleted only through its handle.
#pragma once

#include "base/win/owners.h"
#include "installhelpers/user_data_folders.h"

#include <windows.h>

#include <vector>

class WindowsUserDataFolders : public UserDataFolders {
public:
    FolderKind holdPathPart(const std::string& path) override;
    FolderKind holdDataFolder(const std::string& path) override;
    bool listDataFolder(const std::function<void(const FolderEntry&)>& visit) override;
    OpenedEntry openEntry(std::uint64_t id) override;
    bool deleteOpenEntry() override;
    bool deleteDataFolder() override;
    void letGo() override;

private:
    FolderKind hold(const std::string& path, DWORD access, DWORD& attributes);

    // From the drive's root down to the data folder; shared for reading and writing but not for
    // deleting, so that nobody can move a part away and put a link in its place meanwhile.
    std::vector<OwnedHandle> heldParts_;
    DWORD dataFolderAttributes_ = 0;
    OwnedHandle openEntry_;
    DWORD openEntryAttributes_ = 0;
};
