// The remover's folder operations on the Windows file system.
#pragma once

#include "installhelpers/user_data_remover.h"

class WindowsUserDataFolders : public UserDataFolders {
public:
    bool canOpenFolder(const std::string& folder) override;
    bool listNames(const std::string& pattern, std::vector<std::string>& names) override;
    void deleteAsFile(const std::string& path) override;
    bool removeFolder(const std::string& folder) override;
};
