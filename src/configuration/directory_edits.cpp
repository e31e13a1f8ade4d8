#include "configuration/directory_edits.h"

#include "settings/apps_source.h"

#include <algorithm>

#include "resources/resource.h"

// A name this short says nothing; the folder's own name is shown instead.
static const std::size_t ShortestUsefulName = 2;

std::string driveRootOf(const std::string& path)
{
    std::size_t end = 0;
    while (end < path.size() && path[end] == '\\')
        ++end;
    while (end < path.size() && path[end] != '\\')
        ++end;
    if (end < path.size())
        ++end; // the '\' that closes the root
    return path.substr(0, end);
}

DirectoryLocation locationOfDriveKind(DriveKind kind)
{
    switch (kind) {
    case DriveKind::Remote:
        return DirectoryLocation::Network;
    case DriveKind::Removable:
    case DriveKind::CdRom:
        return DirectoryLocation::Removable;
    default:
        // An undetermined drive is taken for a local disk: a warning would only guess.
        return DirectoryLocation::Local;
    }
}

std::int32_t warningBitFor(DirectoryLocation location)
{
    switch (location) {
    case DirectoryLocation::Network:
        return NoNetworkWarning;
    case DirectoryLocation::Removable:
        return NoRemovableWarning;
    default:
        return 0;
    }
}

int warningTextFor(DirectoryLocation location, std::int32_t globalScanFlags)
{
    const std::int32_t bit = warningBitFor(location);
    if (bit == 0 || (globalScanFlags & bit) != 0)
        return 0;
    return location == DirectoryLocation::Network ? IDS_WARN_NETWORK : IDS_WARN_REMOVABLE;
}

int priorityItemOf(int priority)
{
    if (priority < LowestPriority || priority > HighestPriority)
        return -1;
    return priority - LowestPriority;
}

// No item selected means the stored value lies outside the list (a hand-edited file): the nearest
// level keeps what the user meant.
static int priorityFromEditor(int priorityItem, int previous)
{
    if (priorityItem >= 0 && priorityItem <= HighestPriority - LowestPriority)
        return priorityItem + LowestPriority;
    return std::clamp(previous, LowestPriority, HighestPriority);
}

void applyEditorValues(ScanDirectory& directory, const DirectoryEditorValues& values)
{
    directory.path = values.path.substr(0, MaxEditText);
    directory.name = values.name.substr(0, MaxEditText);
    if (directory.name.size() < ShortestUsefulName)
        directory.name = displayNameFromPath(directory.path);
    directory.priority = static_cast<std::int8_t>(priorityFromEditor(values.priorityItem, directory.priority));
    if (directory.path.empty() || directory.path.back() != '\\')
        directory.path += '\\';
    directory.flags = static_cast<std::uint8_t>(directory.flags & ~(Recursive | IgnoreHidden));
    if (values.recursive)
        directory.flags |= Recursive;
    if (values.ignoreHidden)
        directory.flags |= IgnoreHidden;
    if (values.hasDefinition)
        directory.definitionId = values.definitionId;
    // The apps source keeps its stored form, whatever the folder controls said: an older
    // launcher then still skips it without listing anything.
    if (isAppsSource(directory)) {
        directory.flags = 0;
        directory.definitionId = AppsSourceDefinitionId;
    }
}

void removeDirectoriesAt(std::vector<ScanDirectory>& list, std::vector<int> positions)
{
    // Back to front, so that the positions still to remove stay right.
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        if (*it >= 0 && static_cast<std::size_t>(*it) < list.size())
            list.erase(list.begin() + *it);
    }
}

std::array<std::string, 4> directoryRowCells(const ScanDirectory& directory,
                                             const std::vector<ScanDefinition>& committedDefinitions,
                                             const std::string& yesText, const std::string& noText)
{
    const ScanDefinition* definition = findScanDefinition(committedDefinitions, directory.definitionId);
    // The apps source has no folders to descend into.
    if (isAppsSource(directory))
        return {directory.name, std::string(), std::string(), directory.path};
    return {directory.name, isRecursive(directory) ? yesText : noText,
            definition ? definition->name : std::string(), directory.path};
}
