#include "installhelpers/user_data_remover.h"

#include "base/legacy_text.h"
#include "installhelpers/helper_exit_codes.h"

#include <cstring>

namespace {

constexpr char ListingPatternSuffix[] = "\\*.*";
// Characters that no file or folder name can hold; ':' is allowed only after the drive letter.
constexpr char ForbiddenInPath[] = "\"*/:<>?|";
constexpr char FirstPrintable = ' ';
// A line ends at its line feed, and also at a NUL byte: the system would end the path there.
const std::string LineEnds("\n\0", 2);
const std::string NotInEntryNames("\\/\0", 3);

bool isBlankPiece(const std::string& piece)
{
    return piece.empty() || piece.front() == '\n';
}

// A piece that filled the whole buffer without a line feed is the start of a longer line.
bool isWholeLine(const std::string& piece)
{
    return piece.size() < LinePieceLength || piece.back() == '\n';
}

void skipRestOfLine(LinePieceReader& list)
{
    while (!list.atEnd() && !isWholeLine(list.readPiece())) {
    }
}

// "." and ".." are the folder itself and its parent; a name with a separator, which no real
// listing yields, could lead out of the folder and is not trusted either.
bool isOwnEntryName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of(NotInEntryNames) == std::string::npos;
}

bool isDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Deletes the files directly inside the folder; sub-folders stay and make the removal fail.
// Entries that are links are not touched: what they lead to is not ours.
bool emptyFolder(const std::string& folder, UserDataFolders& folders)
{
    std::vector<FolderEntry> entries;
    if (!folders.listEntries(folder + ListingPatternSuffix, entries))
        return false;
    std::vector<std::string> pending;
    for (const FolderEntry& entry : entries) {
        if (isOwnEntryName(entry.name) && !entry.isLink)
            pending.push_back(folder + '\\' + entry.name);
    }
    for (const std::string& path : pending)
        folders.deleteAsFile(path);
    return true;
}

bool removeDataFolder(const std::string& folder, UserDataFolders& folders)
{
    return folders.openFolder(folder) == FolderKind::Folder && emptyFolder(folder, folders) &&
           folders.removeFolder(folder);
}

} // namespace

bool isUninstallerArgument(const char* commandLine)
{
    return commandLine != nullptr && commandLine[0] == '4' && commandLine[1] == '2';
}

std::string lineOfPiece(const std::string& piece)
{
    return piece.substr(0, piece.find_first_of(LineEnds));
}

bool isLocalAbsolutePath(const std::string& line)
{
    if (line.size() < 3 || !isDriveLetter(line[0]) || line[1] != ':' || line[2] != '\\')
        return false;
    for (std::size_t i = 2; i < line.size(); ++i) {
        const char c = line[i];
        if (static_cast<unsigned char>(c) < FirstPrintable || std::strchr(ForbiddenInPath, c) != nullptr)
            return false;
    }
    return true;
}

std::string dataFolderForLine(const std::string& line)
{
    std::string folder = line;
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder + DataFolderName;
}

int removeListedDataFolders(LinePieceReader& list, UserDataFolders& folders)
{
    bool everyLineDone = true;
    while (!list.atEnd()) {
        const std::string piece = list.readPiece();
        if (!isWholeLine(piece)) {
            skipRestOfLine(list);
            everyLineDone = false;
            continue;
        }
        if (isBlankPiece(piece))
            continue;
        const std::string line = textFromDataFile(lineOfPiece(piece));
        if (!isLocalAbsolutePath(line) || !removeDataFolder(dataFolderForLine(line), folders))
            everyLineDone = false;
    }
    return everyLineDone ? HelperSucceeded : HelperFailed;
}
