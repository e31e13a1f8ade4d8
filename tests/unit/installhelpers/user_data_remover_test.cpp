#include "installhelpers/helper_exit_codes.h"
#include "installhelpers/user_data_remover.h"
#include "text_bytes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// A file system of data folders, each with entries that are files or sub-folders.
class FakeFolders : public UserDataFolders {
public:
    struct Entry {
        std::string name;
        bool isFolder;
    };

    void addFolder(const std::string& folder, std::vector<Entry> entries) { folders_[folder] = std::move(entries); }

    bool canOpenFolder(const std::string& folder) override
    {
        touched.push_back(folder);
        return folders_.count(folder) != 0;
    }

    bool listNames(const std::string& pattern, std::vector<std::string>& names) override
    {
        patterns.push_back(pattern);
        if (unlistable.count(pattern))
            return false;
        const std::string folder = pattern.substr(0, pattern.size() - 4);
        names.push_back(".");
        names.push_back("..");
        for (const Entry& entry : folders_.at(folder))
            names.push_back(entry.name);
        return true;
    }

    void deleteAsFile(const std::string& path) override
    {
        deleted.push_back(path);
        for (auto& [folder, entries] : folders_) {
            for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
                if (!entry->isFolder && folder + '\\' + entry->name == path) {
                    entries.erase(entry);
                    return;
                }
            }
        }
    }

    bool removeFolder(const std::string& folder) override
    {
        if (!folders_.at(folder).empty())
            return false;
        folders_.erase(folder);
        removed.push_back(folder);
        return true;
    }

    bool exists(const std::string& folder) const { return folders_.count(folder) != 0; }

    std::vector<std::string> touched;
    std::vector<std::string> patterns;
    std::vector<std::string> deleted;
    std::vector<std::string> removed;
    std::set<std::string> unlistable;

private:
    std::map<std::string, std::vector<Entry>> folders_;
};

int runRemover(const std::string& listText, FakeFolders& folders)
{
    TextBytes bytes(listText);
    LinePieceReader reader(bytes);
    return removeListedDataFolders(reader, folders);
}

const char JoeAppData[] = "C:\\Documents and Settings\\Joe\\Application Data";
const char JoeData[] = "C:\\Documents and Settings\\Joe\\Application Data\\Tandor";
const char AnnData[] = "D:\\Users\\Ann\\AppData\\Tandor";

TEST(UninstallerArgument, OnlyFortyTwoAtTheStartRuns)
{
    const struct {
        const char* commandLine;
        bool runs;
    } cases[] = {
        {"42", true}, {"42 please", true}, {"421", true}, {"", false}, {"4", false},
        {"2", false}, {"24", false},       {" 42", false}, {"4 2", false}, {nullptr, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isUninstallerArgument(c.commandLine), c.runs) << (c.commandLine ? c.commandLine : "(null)");
}

TEST(DataFolderForLine, AddsOneBackslashAndTheFolderName)
{
    const struct {
        std::string piece;
        std::string folder;
    } cases[] = {
        {std::string(JoeAppData) + "\n", JoeData},
        {std::string(JoeAppData) + "\\\n", JoeData},
        {JoeAppData, JoeData},
        {"C:\\", "C:\\Tandor"},
        {"C:\\\\\n", "C:\\\\Tandor"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dataFolderForLine(c.piece), c.folder) << c.piece;
}

TEST(UserDataRemover, RemovesEveryListedFolderWithItsHiddenAndReadOnlyFiles)
{
    FakeFolders folders;
    folders.addFolder(JoeData, {{"Settings.ini", false}, {"scandb.dat", false}});
    folders.addFolder(AnnData, {{"scores.dat", false}});
    const std::string list = std::string(JoeAppData) + "\r\n\r\n" + "D:\\Users\\Ann\\AppData\\";

    EXPECT_EQ(runRemover(list, folders), HelperSucceeded);
    EXPECT_EQ(folders.removed, (std::vector<std::string>{JoeData, AnnData}));
    EXPECT_EQ(folders.deleted, (std::vector<std::string>{std::string(JoeData) + "\\Settings.ini",
                                                         std::string(JoeData) + "\\scandb.dat",
                                                         std::string(AnnData) + "\\scores.dat"}));
    EXPECT_EQ(folders.patterns, (std::vector<std::string>{std::string(JoeData) + "\\*.*",
                                                          std::string(AnnData) + "\\*.*"}));
}

TEST(UserDataRemover, SubFolderIsLeftAndEndsTheRunWithFailure)
{
    FakeFolders folders;
    folders.addFolder(JoeData, {{"keep", true}, {"Settings.ini", false}});
    folders.addFolder(AnnData, {});

    EXPECT_EQ(runRemover(std::string(JoeAppData) + "\nD:\\Users\\Ann\\AppData\n", folders), HelperFailed);
    // The sub-folder is tried as a file, which cannot delete it; the files beside it still go.
    EXPECT_EQ(folders.deleted, (std::vector<std::string>{std::string(JoeData) + "\\keep",
                                                         std::string(JoeData) + "\\Settings.ini"}));
    EXPECT_TRUE(folders.exists(JoeData));
    EXPECT_TRUE(folders.exists(AnnData));
}

TEST(UserDataRemover, MissingFolderStopsBeforeLaterUsers)
{
    FakeFolders folders;
    folders.addFolder(AnnData, {{"scores.dat", false}});

    EXPECT_EQ(runRemover(std::string(JoeAppData) + "\r\nD:\\Users\\Ann\\AppData\r\n", folders), HelperFailed);
    EXPECT_EQ(folders.touched, std::vector<std::string>{JoeData});
    EXPECT_TRUE(folders.deleted.empty());
    EXPECT_TRUE(folders.exists(AnnData));
}

TEST(UserDataRemover, FolderThatCannotBeListedFails)
{
    FakeFolders folders;
    folders.addFolder(AnnData, {{"scores.dat", false}});
    folders.unlistable.insert(std::string(AnnData) + "\\*.*");

    EXPECT_EQ(runRemover("D:\\Users\\Ann\\AppData", folders), HelperFailed);
    EXPECT_TRUE(folders.deleted.empty());
    EXPECT_TRUE(folders.exists(AnnData));
}

TEST(UserDataRemover, ListOfBlankLinesRemovesNothing)
{
    FakeFolders folders;
    EXPECT_EQ(runRemover("", folders), HelperSucceeded);
    EXPECT_EQ(runRemover("\r\n\n\r\n", folders), HelperSucceeded);
    EXPECT_TRUE(folders.touched.empty());
}

TEST(UserDataRemover, OverlongLineIsTakenAsSeveralFolders)
{
    const std::string first(LinePieceLength, 'x');
    const std::string rest = "yz";
    FakeFolders folders;
    folders.addFolder(first + "\\Tandor", {});
    folders.addFolder(rest + "\\Tandor", {});

    EXPECT_EQ(runRemover(first + rest + "\r\n", folders), HelperSucceeded);
    EXPECT_EQ(folders.removed, (std::vector<std::string>{first + "\\Tandor", rest + "\\Tandor"}));
}

} // namespace
