// Decisions of the Directories page and its directory editor, kept apart from the controls.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_model.h"

// Longest text taken from one of the editor's or the definitions page's edit boxes.
constexpr std::size_t MaxEditText = 269;

// Where a directory lies, as far as the editor's warnings care.
enum class DirectoryLocation { Local, Network, Removable };

// What the system tells about the drive of a root path.
enum class DriveKind { Unknown, NoRoot, Removable, Fixed, Remote, CdRom, RamDisk };

// The root of a path: its leading '\' characters, the characters up to the next '\', and that '\'
// ("C:\" for "C:\Games\"). A path without a further '\' is its own root.
std::string driveRootOf(const std::string& path);

// A path that begins with '\' is a network path; otherwise the kind of its drive decides.
// `driveKindOf` is asked only for paths that need it.
template <typename DriveKindOf>
DirectoryLocation locateDirectory(const std::string& path, DriveKindOf driveKindOf);
DirectoryLocation locationOfDriveKind(DriveKind kind);

// The GlobalScanFlags bit that silences the warning for a location; 0 for a local directory.
std::int32_t warningBitFor(DirectoryLocation location);
// The string id of the warning to show, or 0 when none is due (local, or switched off for good).
int warningTextFor(DirectoryLocation location, std::int32_t globalScanFlags);

// What the user left in the editor's controls when pressing OK.
struct DirectoryEditorValues {
    std::string path;
    std::string name;
    bool recursive = true;
    bool ignoreHidden = false;
    int priorityItem = -1;   // selected item of the priority list, -1 for none
    bool hasDefinition = false;
    std::int32_t definitionId = 0;
};

// Writes the editor's values into the directory: the path gets its closing '\', a name shorter than
// two characters is made from the path, and the priority always ends up between -2 and +2.
void applyEditorValues(ScanDirectory& directory, const DirectoryEditorValues& values);

// The priority list's item for a priority, or -1 when the list has none for it.
int priorityItemOf(int priority);

// Removes the elements at the given positions (in any order, duplicates allowed); positions outside
// the list are ignored.
void removeDirectoriesAt(std::vector<ScanDirectory>& list, std::vector<int> positions);

// The four cells of a row of the directories list: name, "Yes"/"No", committed definition name, path.
std::array<std::string, 4> directoryRowCells(const ScanDirectory& directory,
                                             const std::vector<ScanDefinition>& committedDefinitions,
                                             const std::string& yesText, const std::string& noText);

template <typename DriveKindOf>
DirectoryLocation locateDirectory(const std::string& path, DriveKindOf driveKindOf)
{
    if (!path.empty() && path[0] == '\\')
        return DirectoryLocation::Network;
    return locationOfDriveKind(driveKindOf(driveRootOf(path)));
}
