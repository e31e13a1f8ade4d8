// The directory walk over a file system made of the input: names of any bytes, folders that
// lead back to where they came from, shortcuts to anything. Every entry lies in the directory
// walked and fits the system's path buffers, and the walk always ends.
#include "fuzz_target.h"

#include "base/utf8.h"
#include "scanning/folder_walk.h"

#include <functional>

namespace {

constexpr int MaxItems = 4;
constexpr int MaxListings = 4;
// Longer patterns only make the wildcard tables bigger; the walk sees nothing new.
constexpr std::size_t MaxPatternLength = 40;

struct InputItem {
    FolderItem item;
    bool leadsBack = false; // a link to the walked directory itself
};

class ItemListing : public FolderListing {
public:
    explicit ItemListing(const std::vector<InputItem>& items) : items_(items) {}
    bool next(FolderItem& item) override
    {
        if (at_ == items_.size())
            return false;
        item = items_[at_++].item;
        return true;
    }

private:
    const std::vector<InputItem>& items_;
    std::size_t at_ = 0;
};

// Every folder lists the same items; a folder reached through a link back has the walked
// directory's identity.
class InputFileSystem : public FileSystemAccess {
public:
    InputFileSystem(std::string root, std::vector<InputItem> items, std::string shortcutTarget)
        : root_(std::move(root)), items_(std::move(items)), shortcutTarget_(std::move(shortcutTarget))
    {
    }

    std::unique_ptr<FolderListing> openListing(const std::string& folderPath) override
    {
        FUZZ_CHECK(folderPath.compare(0, root_.size(), root_) == 0 && utf16Length(folderPath) < MaxPathChars);
        if (++listings_ > MaxListings)
            return nullptr;
        return std::unique_ptr<FolderListing>(new ItemListing(items_));
    }

    FolderIdentity identify(const std::string& folderPath) override
    {
        FolderIdentity identity;
        identity.known = true;
        identity.index = leadsBack(folderPath) ? 0 : std::hash<std::string>()(folderPath) | 1;
        return identity;
    }

    std::string resolveShortcut(const std::string& shortcutPath) override
    {
        FUZZ_CHECK(shortcutPath.compare(0, root_.size(), root_) == 0);
        return shortcutTarget_;
    }

private:
    bool leadsBack(const std::string& folderPath) const
    {
        for (const InputItem& item : items_) {
            const std::string link = "\\" + item.item.name + "\\";
            if (item.leadsBack && folderPath.size() >= link.size() &&
                folderPath.compare(folderPath.size() - link.size(), link.size(), link) == 0)
                return true;
        }
        return false;
    }

    std::string root_;
    std::vector<InputItem> items_;
    std::string shortcutTarget_;
    int listings_ = 0;
};

class QuietFeedback : public ScanFeedback {
public:
    void folderVisited(const ScanDirectory&) override {}
    void showDirectoryName(const std::string&) override {}
    void dispatchPendingMessages() override {}
    bool cancelRequested() override { return false; }
};

} // namespace

TANDOR_FUZZ_TARGET(folder_walk)
{
    FuzzInput input(data, size);
    const std::uint8_t choices = input.byte();
    Settings settings;
    settings.global.ShowExt = choices & 1;
    ScanDefinition definition;
    definition.flags = (choices & 2) ? AddFolderNames : 0;
    definition.include = input.text().substr(0, MaxPatternLength);
    definition.exclude = input.text().substr(0, MaxPatternLength);
    settings.definitions.push_back(definition);
    ScanDirectory directory;
    directory.path = input.text();
    directory.flags = static_cast<std::uint8_t>(((choices & 4) ? Recursive : 0) | ((choices & 8) ? IgnoreHidden : 0));
    settings.directories.push_back(directory);

    const std::string shortcutTarget = input.text();
    std::vector<InputItem> items(input.byte() % (MaxItems + 1));
    for (InputItem& item : items) {
        const std::uint8_t kind = input.byte();
        item.item.isFolder = (kind & 1) != 0;
        item.item.isHidden = (kind & 2) != 0;
        item.leadsBack = (kind & 4) != 0;
        item.item.name = input.text();
    }

    InputFileSystem fileSystem(directory.path, items, shortcutTarget);
    QuietFeedback feedback;
    ScoreStore scores;
    Catalogue catalogue;
    ScanContext context{settings, catalogue, scores, fileSystem, feedback};
    scanDirectory(context, 0);
    for (const CatalogueEntry& entry : catalogue.entries) {
        FUZZ_CHECK(entry.path.compare(0, directory.path.size(), directory.path) == 0);
        FUZZ_CHECK(utf16Length(entry.path) < MaxPathChars && entry.directoryIndex == 0);
    }
}
