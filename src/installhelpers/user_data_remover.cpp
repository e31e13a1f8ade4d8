#include "installhelpers/user_data_remover.h"

#include "installhelpers/helper_exit_codes.h"

namespace {

constexpr char ListingPatternSuffix[] = "\\*.*";

bool isBlankPiece(const std::string& piece)
{
    return piece.empty() || piece.front() == '\n';
}

bool isSelfOrParent(const std::string& name)
{
    return name == "." || name == "..";
}

// Deletes the files directly inside the folder; sub-folders stay and make the removal fail.
bool emptyFolder(const std::string& folder, UserDataFolders& folders)
{
    std::vector<std::string> names;
    if (!folders.listNames(folder + ListingPatternSuffix, names))
        return false;
    std::vector<std::string> pending;
    for (const std::string& name : names) {
        if (!isSelfOrParent(name))
            pending.push_back(folder + '\\' + name);
    }
    for (const std::string& path : pending)
        folders.deleteAsFile(path);
    return true;
}

bool removeDataFolder(const std::string& folder, UserDataFolders& folders)
{
    return folders.canOpenFolder(folder) && emptyFolder(folder, folders) && folders.removeFolder(folder);
}

} // namespace

bool isUninstallerArgument(const char* commandLine)
{
    return commandLine != nullptr && commandLine[0] == '4' && commandLine[1] == '2';
}

std::string dataFolderForLine(const std::string& piece)
{
    std::string folder = piece.substr(0, piece.find('\n'));
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder + DataFolderName;
}

int removeListedDataFolders(LinePieceReader& list, UserDataFolders& folders)
{
    while (!list.atEnd()) {
        const std::string piece = list.readPiece();
        if (isBlankPiece(piece))
            continue;
        if (!removeDataFolder(dataFolderForLine(piece), folders))
            return HelperFailed;
    }
    return HelperSucceeded;
}
