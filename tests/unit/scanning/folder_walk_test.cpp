#include "scanning/folder_walk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// A folder tree in memory. Junctions map a folder path onto another folder, as a junction
// or directory symbolic link does on disk.
class FakeFileSystem : public FileSystemAccess {
public:
    void addFolder(const std::string& path, std::vector<FolderItem> items) { folders_[path] = std::move(items); }
    void addJunction(const std::string& path, const std::string& target) { junctions_[path] = target; }
    void addShortcut(const std::string& path, const std::string& target) { shortcuts_[path] = target; }

    std::unique_ptr<FolderListing> openListing(const std::string& folderPath) override
    {
        listed.push_back(folderPath);
        auto found = folders_.find(canonical(folderPath));
        if (found == folders_.end())
            return nullptr;
        return std::make_unique<Listing>(found->second);
    }

    FolderIdentity identify(const std::string& folderPath) override
    {
        FolderIdentity identity;
        const std::string real = canonical(folderPath);
        auto found = folders_.find(real);
        if (found == folders_.end())
            return identity;
        identity.known = true;
        identity.volume = 7;
        identity.index = static_cast<std::uint64_t>(std::distance(folders_.begin(), found));
        return identity;
    }

    std::string resolveShortcut(const std::string& shortcutPath) override
    {
        auto found = shortcuts_.find(shortcutPath);
        return found == shortcuts_.end() ? std::string() : found->second;
    }

    std::vector<std::string> listed;

private:
    class Listing : public FolderListing {
    public:
        explicit Listing(const std::vector<FolderItem>& items) : items_(items) {}
        bool next(FolderItem& item) override
        {
            if (position_ == items_.size())
                return false;
            item = items_[position_++];
            return true;
        }

    private:
        const std::vector<FolderItem>& items_;
        std::size_t position_ = 0;
    };

    std::string canonical(std::string path) const
    {
        for (bool changed = true; changed;) {
            changed = false;
            for (const auto& [from, to] : junctions_) {
                if (path.compare(0, from.size(), from) == 0) {
                    path = to + path.substr(from.size());
                    changed = true;
                }
            }
        }
        return path;
    }

    std::map<std::string, std::vector<FolderItem>> folders_;
    std::map<std::string, std::string> junctions_;
    std::map<std::string, std::string> shortcuts_;
};

class FakeFeedback : public ScanFeedback {
public:
    void folderVisited(const ScanDirectory& directory) override { visits.push_back(directory.name); }
    void showDirectoryName(const std::string& name) override { shownNames.push_back(name); }
    void dispatchPendingMessages() override
    {
        ++dispatches;
        if (onDispatch)
            onDispatch(dispatches);
    }
    bool cancelRequested() override { return cancelled; }

    std::vector<std::string> visits;
    std::vector<std::string> shownNames;
    int dispatches = 0;
    bool cancelled = false;
    std::function<void(int)> onDispatch;
};

FolderItem file(const std::string& name) { return FolderItem{name, false, false}; }
FolderItem folder(const std::string& name) { return FolderItem{name, true, false}; }
FolderItem hiddenFile(const std::string& name) { return FolderItem{name, false, true}; }
FolderItem hiddenFolder(const std::string& name) { return FolderItem{name, true, true}; }

constexpr std::int32_t Applications = 1;
constexpr std::int32_t FilesAndFolders = 2;
constexpr std::int32_t Everything = 3;

class FolderWalk : public testing::Test {
protected:
    FolderWalk()
    {
        settings.definitions.push_back({"Applications only", Applications, "*.exe;*.com;*.bat;*.msc;*.ico",
                                        "*unins*;*unvise*", 0});
        settings.definitions.push_back({"Files and folders", FilesAndFolders, "*", "*.inf;*.ini;*.db", AddFolderNames});
        settings.definitions.push_back({"Everything", Everything, "*", "", 0});
        settings.global.GlobalScanFlags = ShowScannedDirectory;
    }

    std::size_t addDirectory(const std::string& path, std::int32_t definitionId, std::uint8_t flags = Recursive)
    {
        ScanDirectory directory;
        directory.path = path;
        directory.name = "dir " + std::to_string(settings.directories.size());
        directory.flags = flags;
        directory.definitionId = definitionId;
        settings.directories.push_back(directory);
        return settings.directories.size() - 1;
    }

    void scan(std::size_t directoryIndex)
    {
        ScanContext context{settings, catalogue, scores, fileSystem, feedback};
        scanDirectory(context, directoryIndex);
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const CatalogueEntry& entry : catalogue.entries)
            result.push_back(entry.name);
        return result;
    }

    std::vector<std::string> paths() const
    {
        std::vector<std::string> result;
        for (const CatalogueEntry& entry : catalogue.entries)
            result.push_back(entry.path);
        return result;
    }

    Settings settings;
    Catalogue catalogue;
    ScoreStore scores;
    FakeFileSystem fileSystem;
    FakeFeedback feedback;
};

using Names = std::vector<std::string>;

TEST_F(FolderWalk, ApplicationsOnlyKeepsProgramsAndDropsUninstallers)
{
    fileSystem.addFolder("C:\\Menu\\", {folder("."), folder(".."), file("Setup.EXE"), file("readme.txt"),
                                       file("Uninstall Foo.lnk"), file("Foo.lnk"), file("Control.lnk"),
                                       file("Old.pif"), file("Tool.LNK")});
    fileSystem.addShortcut("C:\\Menu\\Uninstall Foo.lnk", "C:\\Program Files\\Foo\\unins000.exe");
    fileSystem.addShortcut("C:\\Menu\\Foo.lnk", "C:\\Program Files\\Foo\\foo.exe");
    fileSystem.addShortcut("C:\\Menu\\Tool.LNK", "C:\\Tools\\tool.bat");
    // Control.lnk points at no file-system path and Old.pif cannot be loaded: both resolve to nothing.
    const std::size_t menu = addDirectory("C:\\Menu\\", Applications);
    scan(menu);

    EXPECT_EQ(names(), (Names{"Setup", "Foo", "Tool"}));
    EXPECT_EQ(paths(), (Names{"C:\\Menu\\Setup.EXE", "C:\\Menu\\Foo.lnk", "C:\\Menu\\Tool.LNK"}));
    for (const CatalogueEntry& entry : catalogue.entries) {
        EXPECT_EQ(entry.directoryIndex, 0);
        EXPECT_EQ(entry.iconIndex, -1);
        EXPECT_EQ(entry.charMask, computeCharMask(entry.name.c_str()));
    }
}

TEST_F(FolderWalk, ShowExtKeepsTheExtension)
{
    settings.global.ShowExt = 1;
    fileSystem.addFolder("C:\\A\\", {file("Setup.exe")});
    scan(addDirectory("C:\\A\\", Applications));
    EXPECT_EQ(names(), (Names{"Setup.exe"}));
}

TEST_F(FolderWalk, HiddenItemsAreSkippedOnlyWhenTheDirectorySaysSo)
{
    const std::vector<FolderItem> items = {file("shown.txt"), hiddenFile("secret.txt"), hiddenFolder("Private")};
    fileSystem.addFolder("C:\\H\\", items);
    fileSystem.addFolder("C:\\H\\Private\\", {file("inner.txt")});

    scan(addDirectory("C:\\H\\", FilesAndFolders, Recursive | IgnoreHidden));
    EXPECT_EQ(names(), (Names{"shown"}));
    EXPECT_EQ(fileSystem.listed, (Names{"C:\\H\\"})); // the hidden folder is not descended into
    EXPECT_EQ(feedback.dispatches, 1);                // skipped items are not examined

    clearCatalogue(catalogue);
    scan(addDirectory("C:\\H\\", FilesAndFolders, Recursive));
    EXPECT_EQ(names(), (Names{"shown", "secret", "Private", "inner"}));
}

TEST_F(FolderWalk, FolderNamesFollowThePatternsButDescentDoesNot)
{
    fileSystem.addFolder("C:\\F\\", {folder("Projects"), folder("old.db"), folder("Tools 2.0"), file("x.ini")});
    fileSystem.addFolder("C:\\F\\Projects\\", {file("plan.doc")});
    fileSystem.addFolder("C:\\F\\old.db\\", {file("kept.txt")});
    fileSystem.addFolder("C:\\F\\Tools 2.0\\", {});

    scan(addDirectory("C:\\F\\", FilesAndFolders));
    EXPECT_EQ(names(), (Names{"Projects", "plan", "kept", "Tools 2"}));
    EXPECT_EQ(paths()[3], "C:\\F\\Tools 2.0");
}

TEST_F(FolderWalk, WithoutFolderNamesFoldersAreOnlyDescended)
{
    fileSystem.addFolder("C:\\F\\", {folder("Sub"), file("a.txt")});
    fileSystem.addFolder("C:\\F\\Sub\\", {folder("Deeper")});
    fileSystem.addFolder("C:\\F\\Sub\\Deeper\\", {file("b.txt")});

    scan(addDirectory("C:\\F\\", Everything));
    EXPECT_EQ(names(), (Names{"b", "a"})); // depth first, in listing order
    EXPECT_EQ(feedback.visits.size(), 3u); // the tooltip follows every folder visit

    clearCatalogue(catalogue);
    fileSystem.listed.clear();
    scan(addDirectory("C:\\F\\", Everything, 0));
    EXPECT_EQ(names(), (Names{"a"}));
    EXPECT_EQ(fileSystem.listed, (Names{"C:\\F\\"}));
}

TEST_F(FolderWalk, DirectoryNameIsShownOnlyWhenAskedFor)
{
    fileSystem.addFolder("C:\\F\\", {folder("Sub")});
    fileSystem.addFolder("C:\\F\\Sub\\", {});
    const std::size_t directory = addDirectory("C:\\F\\", Everything);
    scan(directory);
    EXPECT_EQ(feedback.shownNames, (Names{"dir 0", "dir 0"}));

    feedback.shownNames.clear();
    settings.global.GlobalScanFlags = 0;
    scan(directory);
    EXPECT_TRUE(feedback.shownNames.empty());
    EXPECT_EQ(feedback.visits.size(), 4u);
}

TEST_F(FolderWalk, LaunchScoresComeFromTheStoreByExactPath)
{
    // The store is filled the way the launcher fills it: through its file.
    const std::string scoresFile = testing::TempDir() + "walk_scores.dat";
    Catalogue launched;
    CatalogueEntry entry;
    entry.path = "C:\\S\\first.exe";
    entry.launchScore = 5;
    appendEntry(launched, entry);
    ScoreStore writer;
    ASSERT_TRUE(saveScoreStore(writer, launched, scoresFile));
    ASSERT_TRUE(loadScoreStore(scores, scoresFile));
    std::remove(scoresFile.c_str());

    fileSystem.addFolder("C:\\S\\", {file("first.exe"), file("second.exe"), file("FIRST.EXE")});
    scan(addDirectory("C:\\S\\", Applications));
    ASSERT_EQ(catalogue.entries.size(), 3u);
    EXPECT_EQ(catalogue.entries[0].launchScore, 5);
    EXPECT_EQ(catalogue.entries[1].launchScore, 0);
    EXPECT_EQ(catalogue.entries[2].launchScore, 0); // paths compare with case
}

TEST_F(FolderWalk, CancelKeepsWhatWasFoundAndStopsEveryLaterDirectory)
{
    fileSystem.addFolder("C:\\One\\", {file("a.txt"), file("b.txt"), folder("Sub"), file("c.txt")});
    fileSystem.addFolder("C:\\One\\Sub\\", {file("d.txt")});
    fileSystem.addFolder("C:\\Two\\", {file("e.txt")});
    const std::size_t one = addDirectory("C:\\One\\", Everything);
    const std::size_t two = addDirectory("C:\\Two\\", Everything);
    feedback.onDispatch = [&](int count) {
        if (count == 2)
            feedback.cancelled = true;
    };

    scan(one);
    scan(two);
    EXPECT_EQ(names(), (Names{"a", "b"}));
    EXPECT_NE(settings.global.GlobalScanFlags & LastScanAborted, 0);
    EXPECT_EQ(feedback.dispatches, 2);
}

TEST_F(FolderWalk, OverlappingDirectoriesCatalogueAnItemOncePerDirectory)
{
    fileSystem.addFolder("C:\\Top\\", {folder("Inner")});
    fileSystem.addFolder("C:\\Top\\Inner\\", {file("tool.exe")});
    scan(addDirectory("C:\\Top\\", Applications));
    scan(addDirectory("C:\\Top\\Inner\\", Applications));
    ASSERT_EQ(catalogue.entries.size(), 2u);
    EXPECT_EQ(catalogue.entries[0].path, catalogue.entries[1].path);
    EXPECT_EQ(catalogue.entries[0].directoryIndex, 0);
    EXPECT_EQ(catalogue.entries[1].directoryIndex, 1);
}

TEST_F(FolderWalk, PathsThatDoNotFitTheSystemBufferAreSkipped)
{
    const std::string folderPath = "C:\\" + std::string(240, 'f') + "\\"; // 244 characters
    const std::string fits(MaxPathChars - 1 - folderPath.size(), 'n');   // full path of 259
    const std::string tooLong = fits + "x";
    // A sub-folder path whose search pattern (path, '\', '*') needs 261 characters.
    const std::string deepFolder(MaxPathChars - folderPath.size() - 2, 'd');
    fileSystem.addFolder(folderPath, {file(fits), file(tooLong), folder(deepFolder)});
    fileSystem.addFolder(folderPath + deepFolder + "\\", {file("x")});

    scan(addDirectory(folderPath, Everything));
    EXPECT_EQ(names(), (Names{fits}));
    EXPECT_EQ(fileSystem.listed, (Names{folderPath}));
}

TEST_F(FolderWalk, PathLengthsAreCountedInTheSystemsUnitsNotInBytes)
{
    // Three bytes a character in UTF-8, one UTF-16 unit; an emoji is four bytes and two units.
    const std::string folderPath = "C:\\" + std::string(200, 'f') + "\\"; // 204 characters
    std::string base;
    for (int i = 0; i < 53; ++i)
        base += "\xE6\x97\xA5";
    const std::string fits = base + "\xE6\x97\xA5x";                   // 259 units, 367 bytes
    const std::string emojiTooLong = base + "\xF0\x9F\x98\x80x";       // 260 units
    const std::string tooLong = base + "\xE6\x97\xA5\xE6\x97\xA5x";   // 260 units
    fileSystem.addFolder(folderPath, {file(fits), file(emojiTooLong), file(tooLong)});

    scan(addDirectory(folderPath, Everything));
    EXPECT_EQ(names(), (Names{fits}));
}

TEST_F(FolderWalk, AFolderReachedAgainThroughAJunctionIsNotWalkedForever)
{
    // Two links back to the top: without protection the walk would branch twice per level.
    fileSystem.addFolder("C:\\Loop\\", {file("top.txt"), folder("Sub")});
    fileSystem.addFolder("C:\\Loop\\Sub\\", {file("inner.txt"), folder("BackA"), folder("BackB")});
    fileSystem.addJunction("C:\\Loop\\Sub\\BackA\\", "C:\\Loop\\");
    fileSystem.addJunction("C:\\Loop\\Sub\\BackB\\", "C:\\Loop\\");

    scan(addDirectory("C:\\Loop\\", Everything));
    EXPECT_EQ(names(), (Names{"top", "inner"}));
}

TEST_F(FolderWalk, ASecondLinkToASiblingIsStillWalked)
{
    // Only folders above on the same descent count: a link to a sibling is content, not a loop.
    fileSystem.addFolder("C:\\R\\", {folder("Real"), folder("Alias")});
    fileSystem.addFolder("C:\\R\\Real\\", {file("doc.txt")});
    fileSystem.addJunction("C:\\R\\Alias\\", "C:\\R\\Real\\");

    scan(addDirectory("C:\\R\\", Everything));
    EXPECT_EQ(paths(), (Names{"C:\\R\\Real\\doc.txt", "C:\\R\\Alias\\doc.txt"}));
}

TEST_F(FolderWalk, NothingHappensForAMissingDefinitionOrFolder)
{
    fileSystem.addFolder("C:\\A\\", {file("a.exe")});
    scan(addDirectory("C:\\A\\", 99));
    EXPECT_TRUE(fileSystem.listed.empty());
    EXPECT_TRUE(feedback.visits.empty());

    scan(addDirectory("C:\\Missing\\", Everything));
    EXPECT_TRUE(catalogue.entries.empty());
    scan(7); // no such directory
    EXPECT_TRUE(catalogue.entries.empty());
}

TEST_F(FolderWalk, ADriveRootCataloguesItsFirstItem)
{
    fileSystem.addFolder("D:\\", {file("first.exe"), file("second.exe")});
    scan(addDirectory("D:\\", Applications));
    EXPECT_EQ(names(), (Names{"first", "second"}));
}

} // namespace
