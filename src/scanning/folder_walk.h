// The walk of one scan directory: lists its folders, decides by the directory's scan
// definition which items become catalogue entries and appends them in listing order.
// The file system and the user interface are reached through the interfaces below, so
// the walk runs the same against Windows and against the fakes of the tests.
#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/score_store.h"
#include "settings/settings_model.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Paths, search patterns and shortcut targets fit the system's path buffers of UTF-16 units,
// terminator included; longer ones are skipped.
constexpr std::size_t MaxPathChars = 260;

// The extensions that make a file a shortcut to resolve, in any letter case.
extern const char* const ShortcutExtensions[2];

struct FolderItem {
    std::string name;
    bool isFolder = false;
    bool isHidden = false;
};

// Names one folder on its volume, so that a folder reached again through a junction or
// symbolic link is recognised. `known` is false when the system could not tell.
struct FolderIdentity {
    bool known = false;
    std::uint32_t volume = 0;
    std::uint64_t index = 0;
};

bool operator==(const FolderIdentity& a, const FolderIdentity& b);

// One open listing; closed when destroyed.
class FolderListing {
public:
    virtual ~FolderListing() = default;
    // The next item, '.' and '..' included as the system yields them; false at the end.
    virtual bool next(FolderItem& item) = 0;
};

class FileSystemAccess {
public:
    virtual ~FileSystemAccess() = default;
    // Lists `folderPath` (ends in '\'); null when the folder cannot be listed.
    virtual std::unique_ptr<FolderListing> openListing(const std::string& folderPath) = 0;
    virtual FolderIdentity identify(const std::string& folderPath) = 0;
    // The shortcut's target path; empty when it cannot be resolved or is no file-system path.
    virtual std::string resolveShortcut(const std::string& shortcutPath) = 0;
};

// What the walk tells the user interface and asks of it.
class ScanFeedback {
public:
    virtual ~ScanFeedback() = default;
    // Once per folder visit: the directory being scanned (tray tooltip).
    virtual void folderVisited(const ScanDirectory& directory) = 0;
    // Once per folder visit when the scanned directory's name is to be shown (progress window).
    virtual void showDirectoryName(const std::string& name) = 0;
    // After every examined item: keeps the interface live; a cancel arrives this way.
    virtual void dispatchPendingMessages() = 0;
    virtual bool cancelRequested() = 0;
};

struct ScanContext {
    Settings& settings; // reads the lists and ShowExt; sets lastScanAborted
    Catalogue& catalogue;
    const ScoreStore& scores;
    FileSystemAccess& fileSystem;
    ScanFeedback& feedback;
};

// Walks `directories[directoryIndex]` from its own path, recursing as its flags say.
void scanDirectory(ScanContext& context, std::size_t directoryIndex);

// Walks one folder of the directory (`folderPath` ends in '\'); used by scanDirectory and
// for each sub-folder. `ancestors` holds the identities of the folders above on this descent.
void scanFolder(ScanContext& context, std::size_t directoryIndex, const std::string& folderPath,
                std::vector<FolderIdentity>& ancestors);
