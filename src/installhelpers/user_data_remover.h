// Deletes the launcher's per-user data folders listed in `uninst.dir`: for each listed
// application-data folder, the files directly inside its `Tandor` sub-folder, then that folder.
//
// Every user who runs the launcher can write `uninst.dir`, and the uninstaller usually runs
// the remover with an administrator's rights. So a line is trusted only as far as it can be
// proved harmless: it must name an absolute path on a local drive, the data folder it leads
// to must be a real folder (not a junction or symbolic link into somebody else's files), and
// entries inside it that are links are left alone.
#pragma once

#include "installhelpers/line_piece_reader.h"

#include <string>
#include <vector>

constexpr char UninstallListName[] = "uninst.dir";
constexpr char DataFolderName[] = "Tandor";

// What stands at a data folder's path.
enum class FolderKind { Missing, Link, Folder };

struct FolderEntry {
    std::string name;
    bool isLink = false; // a junction, symbolic link or other reparse point
};

// The folder operations the remover needs; Windows provides them, tests fake them.
class UserDataFolders {
public:
    virtual ~UserDataFolders() = default;

    // Opens the folder itself, never following a link, and keeps it from being renamed or
    // replaced until `removeFolder` or the next `openFolder`.
    virtual FolderKind openFolder(const std::string& folder) = 0;
    // Every entry the listing of `pattern` yields, in its order, "." and ".." included.
    // False when the listing cannot be started.
    virtual bool listEntries(const std::string& pattern, std::vector<FolderEntry>& entries) = 0;
    // Clears read-only, hidden and system, then deletes the path as a file; failures are
    // ignored, and a path that has become a link meanwhile is left alone.
    virtual void deleteAsFile(const std::string& path) = 0;
    // Lets go of the open folder, clears its read-only bit and removes it; false when it remains.
    virtual bool removeFolder(const std::string& folder) = 0;
};

// The uninstaller passes "42"; anything else was started by hand.
bool isUninstallerArgument(const char* commandLine);

// The text of one piece of `uninst.dir`: up to its line feed or its first NUL byte.
std::string lineOfPiece(const std::string& piece);

// True for an absolute path on a drive ("X:\..."), free of the characters that no folder
// name can hold: never a relative path, a network share or a device.
bool isLocalAbsolutePath(const std::string& line);

// The data folder for one line: the line, a backslash unless it ends with one, then "Tandor".
std::string dataFolderForLine(const std::string& line);

// Removes the data folder of every listed user, in list order, one level deep. A line that is
// not a local absolute path, is longer than one piece, or whose folder is missing, a link or
// cannot be removed counts as failed, and the lines after it are still tried. Returns the
// exit code: HelperFailed when any line failed, HelperSucceeded when every folder went.
int removeListedDataFolders(LinePieceReader& list, UserDataFolders& folders);
