#include "scanning/folder_walk.h"

#include "scanning/displayed_name.h"
#include "scanning/wildcard.h"

#include <algorithm>

#include "base/ascii.h"
#include "base/utf8.h"
#include "settings/apps_source.h"

const char* const ShortcutExtensions[2] = {".lnk", ".pif"};

bool operator==(const FolderIdentity& a, const FolderIdentity& b)
{
    return a.known && b.known && a.volume == b.volume && a.index == b.index;
}

namespace {

// Room for the terminator that the system's fixed path buffers need. They count UTF-16 units,
// not the bytes of the program's UTF-8: the system takes a path of 259 characters whatever
// its length in bytes.
bool fitsPathBuffer(const std::string& path, std::size_t extraUnits = 0)
{
    return utf16Length(path) + extraUnits < MaxPathChars;
}

bool isDotEntry(const std::string& name)
{
    return name == "." || name == "..";
}

bool endsWithAscii(const std::string& name, const std::string& suffix)
{
    if (name.size() < suffix.size())
        return false;
    const std::size_t start = name.size() - suffix.size();
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if (toUpperAscii(name[start + i]) != toUpperAscii(suffix[i]))
            return false;
    }
    return true;
}

// The same answer as the lists "*.lnk" and "*.pif", without building the wildcard matcher's
// tables for every listed item.
bool isShortcutName(const std::string& name)
{
    for (const char* extension : ShortcutExtensions) {
        if (endsWithAscii(name, extension))
            return true;
    }
    return false;
}

// Keeps a folder on the descent path while it is being listed.
class DescentStep {
public:
    DescentStep(std::vector<FolderIdentity>& ancestors, const FolderIdentity& identity)
        : ancestors_(ancestors), pushed_(identity.known)
    {
        if (pushed_)
            ancestors_.push_back(identity);
    }
    ~DescentStep()
    {
        if (pushed_)
            ancestors_.pop_back();
    }
    DescentStep(const DescentStep&) = delete;
    DescentStep& operator=(const DescentStep&) = delete;

private:
    std::vector<FolderIdentity>& ancestors_;
    bool pushed_;
};

bool isOnDescentPath(const std::vector<FolderIdentity>& ancestors, const FolderIdentity& identity)
{
    return std::find(ancestors.begin(), ancestors.end(), identity) != ancestors.end();
}

CatalogueEntry makeEntry(const ScanContext& context, std::size_t directoryIndex,
                         const std::string& fullPath, const std::string& fileName)
{
    CatalogueEntry entry;
    entry.path = fullPath;
    setName(entry, displayedName(fileName, context.settings.global.ShowExt != 0));
    entry.launchScore = storedLaunchScore(context.scores, fullPath);
    entry.directoryIndex = static_cast<std::int32_t>(directoryIndex);
    entry.iconIndex = -1;
    return entry;
}

// One listed item: whether it is a shortcut, whether it becomes an entry, and whether the walk descends into it.
void examineItem(ScanContext& context, std::size_t directoryIndex, const ScanDefinition& definition,
                 const std::string& folderPath, const FolderItem& item,
                 std::vector<FolderIdentity>& ancestors)
{
    const ScanDirectory& directory = context.settings.directories[directoryIndex];
    const std::string fullPath = folderPath + item.name;
    if (!fitsPathBuffer(fullPath))
        return;

    std::string target = fullPath;
    std::string textToMatch = item.name;
    if (isShortcutName(item.name)) {
        target = context.fileSystem.resolveShortcut(fullPath);
        if (!fitsPathBuffer(target))
            target.clear();
        textToMatch = target;
    }
    if (textToMatch.empty() || target.empty())
        return;

    if (!item.isFolder || addsFolderNames(definition)) {
        if (matchPatternList(textToMatch, definition.include) &&
            !matchPatternList(textToMatch, definition.exclude))
            appendEntry(context.catalogue, makeEntry(context, directoryIndex, fullPath, item.name));
    }
    if (item.isFolder && isRecursive(directory))
        scanFolder(context, directoryIndex, fullPath + "\\", ancestors);
}

} // namespace

void scanDirectory(ScanContext& context, std::size_t directoryIndex)
{
    // The packaged apps source is no folder: its line is read through the shell instead.
    if (directoryIndex >= context.settings.directories.size() ||
        isAppsSource(context.settings.directories[directoryIndex]))
        return;
    std::vector<FolderIdentity> ancestors;
    scanFolder(context, directoryIndex, context.settings.directories[directoryIndex].path, ancestors);
}

void scanFolder(ScanContext& context, std::size_t directoryIndex, const std::string& folderPath,
                std::vector<FolderIdentity>& ancestors)
{
    Settings& settings = context.settings;
    const ScanDirectory& directory = settings.directories[directoryIndex];
    const ScanDefinition* definition = findScanDefinition(settings.definitions, directory.definitionId);
    if (definition == nullptr)
        return;

    if ((settings.global.GlobalScanFlags & ShowScannedDirectory) != 0)
        context.feedback.showDirectoryName(directory.name);
    context.feedback.folderVisited(directory);

    // The search pattern is the folder path and a '*'.
    if (!fitsPathBuffer(folderPath, 1))
        return;
    // A junction or link back to a folder above would otherwise be descended without end.
    const FolderIdentity identity = context.fileSystem.identify(folderPath);
    if (isOnDescentPath(ancestors, identity))
        return;
    const DescentStep step(ancestors, identity);

    std::unique_ptr<FolderListing> listing = context.fileSystem.openListing(folderPath);
    if (!listing)
        return;
    FolderItem item;
    while (listing->next(item)) {
        if (context.feedback.cancelRequested()) {
            settings.global.GlobalScanFlags |= LastScanAborted;
            return;
        }
        if (isDotEntry(item.name) || (item.isHidden && ignoresHidden(directory)))
            continue;
        examineItem(context, directoryIndex, *definition, folderPath, item, ancestors);
        context.feedback.dispatchPendingMessages();
    }
}
