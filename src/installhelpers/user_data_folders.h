// The file system as the remover of the users' data folders sees it: a path held part by part
// from the drive down, and a data folder whose entries are listed, opened and deleted only
// through its held handle, so that nothing is looked up by path once a part has been checked.
// Windows provides it, tests fake it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// What stands at one part of a path, seen without following a link.
enum class FolderKind { Missing, Link, Folder };

struct FolderEntry {
    std::string name;
    std::uint64_t id = 0; // the file system's number of the file, the same for each of its hard links
    bool isLink = false;  // a junction, symbolic link or other reparse point
    bool isFolder = false;
};

// An entry opened by its id, as it is now.
struct OpenedEntry {
    bool opened = false;
    bool isLink = false;
    bool isFolder = false;
    unsigned linkCount = 0; // how many names the file has, in any folder
};

class UserDataFolders {
public:
    virtual ~UserDataFolders() = default;

    // Opens one folder on the way to a data folder, the drive's root first and one part more
    // each time, never following a link, and holds it so that nobody can rename, delete or
    // replace it until `letGo`.
    virtual FolderKind holdPathPart(const std::string& path) = 0;
    // The same for the last part, the data folder, held so that it can be deleted itself.
    virtual FolderKind holdDataFolder(const std::string& path) = 0;
    // Hands every entry of the held data folder to `visit`, "." and ".." included.
    // False when the listing failed; entries seen before the failure were handed on.
    virtual bool listDataFolder(const std::function<void(const FolderEntry&)>& visit) = 0;
    // Opens the file with this id on the held data folder's drive, never following a link, and
    // keeps it open until the next `openEntry` or `letGo`; meanwhile none of its names can be
    // deleted or renamed by anybody else.
    virtual OpenedEntry openEntry(std::uint64_t id) = 0;
    // Deletes the open entry through its handle, also when it is read-only, and closes it;
    // false when it stays.
    virtual bool deleteOpenEntry() = 0;
    // Deletes the held data folder through its handle; false when it stays, as when not empty.
    virtual bool deleteDataFolder() = 0;
    // Closes everything held and opened.
    virtual void letGo() = 0;
};
