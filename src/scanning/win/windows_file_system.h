// The walk's file-system access on Windows: wide listings, folder identities and
// the shell-link resolver.
#pragma once

#include "scanning/folder_walk.h"

class WindowsFileSystem : public FileSystemAccess {
public:
    std::unique_ptr<FolderListing> openListing(const std::string& folderPath) override;
    FolderIdentity identify(const std::string& folderPath) override;
    std::string resolveShortcut(const std::string& shortcutPath) override;
};
