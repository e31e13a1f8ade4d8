#include "installhelpers/user_data_remover.h"

#include "base/ascii.h"
#include "base/legacy_text.h"
#include "base/utf8.h"
#include "installhelpers/data_folder_path.h"
#include "installhelpers/helper_exit_codes.h"
#include "settings/data_files.h"

#include <vector>

namespace {

// A line ends at its line feed, and also at a NUL byte: the system would end the path there.
const std::string LineEnds("\n\0", 2);
const char* const OwnFileNames[] = {SettingsFileName, CatalogueFileName, ScoresFileName};
// A folder that does not tell letter cases apart holds each own name once, with its unfinished
// save; one that does may hold more spellings, which are left for the user.
constexpr std::size_t MostOwnFiles = 2 * (sizeof OwnFileNames / sizeof OwnFileNames[0]);

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

// Counted as the system counts a path, in the text the line is read as: a line in a legacy
// double-byte code page takes two bytes for many of its characters, in UTF-8 up to three.
bool isWithinPathLimit(const std::string& folder)
{
    return utf16Length(folder) <= kLongestClassicPathCharacters;
}

bool equalsIgnoringAsciiCase(const std::string& text, const std::string& other)
{
    if (text.size() != other.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (toLowerAscii(text[i]) != toLowerAscii(other[i]))
            return false;
    }
    return true;
}

bool isSelfOrParent(const std::string& name)
{
    return name == "." || name == "..";
}

bool isOwnFile(const FolderEntry& entry)
{
    return !entry.isLink && !entry.isFolder && isOwnDataFileName(entry.name);
}

// Lets go of the held path however the work on it ends.
class HeldPath {
public:
    explicit HeldPath(UserDataFolders& folders) : folders_(folders) {}
    ~HeldPath() { folders_.letGo(); }
    HeldPath(const HeldPath&) = delete;
    HeldPath& operator=(const HeldPath&) = delete;

private:
    UserDataFolders& folders_;
};

bool holdEveryPart(const std::vector<std::string>& paths, UserDataFolders& folders)
{
    for (std::size_t i = 0; i + 1 < paths.size(); ++i) {
        if (folders.holdPathPart(paths[i]) != FolderKind::Folder)
            return false;
    }
    return folders.holdDataFolder(paths.back()) == FolderKind::Folder;
}

struct DataFolderListing {
    std::vector<FolderEntry> ownFiles;
    bool onlyOwnFiles = true;
};

bool listOwnFiles(UserDataFolders& folders, DataFolderListing& listing)
{
    return folders.listDataFolder([&listing](const FolderEntry& entry) {
        if (isSelfOrParent(entry.name))
            return;
        if (isOwnFile(entry) && listing.ownFiles.size() < MostOwnFiles)
            listing.ownFiles.push_back(entry);
        else
            listing.onlyOwnFiles = false;
    });
}

// Asked once the entry is open, when none of its names can change any more.
bool isStillListed(const FolderEntry& entry, UserDataFolders& folders)
{
    bool found = false;
    const bool listed = folders.listDataFolder([&entry, &found](const FolderEntry& now) {
        found = found || (now.id == entry.id && now.name == entry.name);
    });
    return listed && found;
}

// Between the listing and the opening the user may have deleted the name or linked another
// file to it: only a plain file whose one name is still this entry is the launcher's own.
bool deleteOwnFile(const FolderEntry& entry, UserDataFolders& folders)
{
    const OpenedEntry opened = folders.openEntry(entry.id);
    return opened.opened && !opened.isLink && !opened.isFolder && opened.linkCount == 1 &&
           isStillListed(entry, folders) && folders.deleteOpenEntry();
}

// True when the folder held nothing but the launcher's own files and every one of them went.
bool emptyDataFolder(UserDataFolders& folders)
{
    DataFolderListing listing;
    if (!listOwnFiles(folders, listing))
        return false;
    bool everyOneWent = listing.onlyOwnFiles;
    for (const FolderEntry& entry : listing.ownFiles)
        everyOneWent = deleteOwnFile(entry, folders) && everyOneWent;
    return everyOneWent;
}

bool removeDataFolder(const std::string& folder, UserDataFolders& folders)
{
    const std::vector<std::string> paths = pathPartsOf(folder);
    if (paths.empty())
        return false;
    const HeldPath held(folders);
    return holdEveryPart(paths, folders) && emptyDataFolder(folders) && folders.deleteDataFolder();
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

bool isOwnDataFileName(const std::string& name)
{
    for (const char* file : OwnFileNames) {
        const std::string unfinished = file + std::string(UnfinishedSaveSuffix);
        if (equalsIgnoringAsciiCase(name, file) || equalsIgnoringAsciiCase(name, unfinished))
            return true;
    }
    return false;
}

int removeListedDataFolders(LinePieceReader& list, UserDataFolders& folders)
{
    bool everyFolderWent = true;
    while (!list.atEnd()) {
        const std::string piece = list.readPiece();
        if (!isWholeLine(piece)) {
            skipRestOfLine(list);
            everyFolderWent = false;
            continue;
        }
        if (isBlankPiece(piece))
            continue;
        // A line written before UTF-8 names its folder in the legacy code page.
        const std::string folder = textFromDataFile(lineOfPiece(piece));
        if (!isWithinPathLimit(folder) || !removeDataFolder(dataFolderForLine(folder), folders))
            everyFolderWent = false;
    }
    return everyFolderWent ? HelperSucceeded : HelperFailed;
}
