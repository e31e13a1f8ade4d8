// Deletes the launcher's per-user data folders listed in `uninst.dir`: for each listed
// application-data folder, the files directly inside its `Tandor` sub-folder, then that folder.
#pragma once

#include "installhelpers/line_piece_reader.h"

#include <string>
#include <vector>

constexpr char UninstallListName[] = "uninst.dir";
constexpr char DataFolderName[] = "Tandor";

// The folder operations the remover needs; Windows provides them, tests fake them.
class UserDataFolders {
public:
    virtual ~UserDataFolders() = default;

    // Opens the folder itself, which fails when it is missing or locked away from us.
    virtual bool canOpenFolder(const std::string& folder) = 0;
    // Every name the listing of `pattern` yields, in its order, "." and ".." included.
    // False when the listing cannot be started.
    virtual bool listNames(const std::string& pattern, std::vector<std::string>& names) = 0;
    // Clears read-only, hidden and system, then deletes the path as a file; failures are ignored.
    virtual void deleteAsFile(const std::string& path) = 0;
    // Clears the folder's read-only bit and removes it; false when it remains.
    virtual bool removeFolder(const std::string& folder) = 0;
};

// The uninstaller passes "42"; anything else was started by hand.
bool isUninstallerArgument(const char* commandLine);

// The data folder for one piece of `uninst.dir`: the piece without its line feed, a
// backslash unless it ends with one, then "Tandor".
std::string dataFolderForLine(const std::string& piece);

// Removes the data folder of every listed user, in list order, one level deep. Returns the
// exit code: HelperFailed at the first folder that is missing or cannot be removed (later
// folders stay untouched), HelperSucceeded when all went.
int removeListedDataFolders(LinePieceReader& list, UserDataFolders& folders);
