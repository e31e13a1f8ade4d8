#include "base/latin1_code_page.h"
#include "installhelpers/helper_exit_codes.h"
#include "installhelpers/user_data_remover.h"
#include "text_bytes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// A file system of data folders, each with entries that are files, sub-folders or links;
// a folder may itself be a link.
class FakeFolders : public UserDataFolders {
public:
    enum Kind { File, SubFolder, Link };
    struct Entry {
        std::string name;
        Kind kind;
    };

    void addFolder(const std::string& folder, std::vector<Entry> entries) { folders_[folder] = std::move(entries); }
    void addLink(const std::string& folder) { links_.insert(folder); }

    FolderKind openFolder(const std::string& folder) override
    {
        touched.push_back(folder);
        if (links_.count(folder))
            return FolderKind::Link;
        return folders_.count(folder) ? FolderKind::Folder : FolderKind::Missing;
    }

    bool listEntries(const std::string& pattern, std::vector<FolderEntry>& names) override
    {
        patterns.push_back(pattern);
        if (unlistable.count(pattern))
            return false;
        const std::string folder = pattern.substr(0, pattern.size() - 4);
        names.push_back({".", false});
        names.push_back({"..", false});
        for (const Entry& entry : folders_.at(folder))
            names.push_back({entry.name, entry.kind == Link});
        return true;
    }

    void deleteAsFile(const std::string& path) override
    {
        deleted.push_back(path);
        for (auto& [folder, entries] : folders_) {
            for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
                if (entry->kind != SubFolder && folder + '\\' + entry->name == path) {
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
    std::set<std::string> links_;
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
        // The system would end the path at the NUL and drop the folder name behind it.
        {"C:\\any\\file.txt\0junk\n"s, "C:\\any\\file.txt\\Tandor"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dataFolderForLine(lineOfPiece(c.piece)), c.folder) << c.piece;
}

TEST(LocalAbsolutePath, OnlyAPathOnADriveIsActedOn)
{
    for (const char* line : {"C:\\", "c:\\Users\\Joe\\AppData\\Roaming", "Z:\\a b\\c.d"})
        EXPECT_TRUE(isLocalAbsolutePath(line)) << line;
    for (const char* line : {"", "C:", "C:Users", "Users\\Joe", "\\Users", "\\\\host\\share", "\\\\?\\C:\\x",
                             "1:\\x", "C:/Users", "C:\\a/b", "C:\\a:b", "C:\\*", "C:\\a?", "C:\\a\tb"})
        EXPECT_FALSE(isLocalAbsolutePath(line)) << line;
}

TEST(UserDataRemover, RemovesEveryListedFolderWithItsHiddenAndReadOnlyFiles)
{
    FakeFolders folders;
    folders.addFolder(JoeData, {{"Settings.ini", FakeFolders::File}, {"scandb.dat", FakeFolders::File}});
    folders.addFolder(AnnData, {{"scores.dat", FakeFolders::File}});
    const std::string list = std::string(JoeAppData) + "\r\n\r\n" + "D:\\Users\\Ann\\AppData\\";

    EXPECT_EQ(runRemover(list, folders), HelperSucceeded);
    EXPECT_EQ(folders.removed, (std::vector<std::string>{JoeData, AnnData}));
    EXPECT_EQ(folders.deleted, (std::vector<std::string>{std::string(JoeData) + "\\Settings.ini",
                                                         std::string(JoeData) + "\\scandb.dat",
                                                         std::string(AnnData) + "\\scores.dat"}));
    EXPECT_EQ(folders.patterns, (std::vector<std::string>{std::string(JoeData) + "\\*.*",
                                                          std::string(AnnData) + "\\*.*"}));
}

TEST(UserDataRemover, SubFolderIsLeftAndTheRunFails)
{
    FakeFolders folders;
    folders.addFolder(JoeData, {{"keep", FakeFolders::SubFolder}, {"Settings.ini", FakeFolders::File}});

    EXPECT_EQ(runRemover(JoeAppData, folders), HelperFailed);
    // The sub-folder is tried as a file, which cannot delete it; the files beside it still go.
    EXPECT_EQ(folders.deleted, (std::vector<std::string>{std::string(JoeData) + "\\keep",
                                                         std::string(JoeData) + "\\Settings.ini"}));
    EXPECT_TRUE(folders.exists(JoeData));
}

TEST(UserDataRemover, FailedLineIsReportedAndLaterUsersAreStillCleaned)
{
    FakeFolders folders;
    folders.addFolder(AnnData, {{"scores.dat", FakeFolders::File}});

    EXPECT_EQ(runRemover(std::string(JoeAppData) + "\r\nD:\\Users\\Ann\\AppData\r\n", folders), HelperFailed);
    EXPECT_EQ(folders.touched, (std::vector<std::string>{JoeData, AnnData}));
    EXPECT_FALSE(folders.exists(AnnData));
}

TEST(UserDataRemover, LinksAreNeverFollowed)
{
    FakeFolders folders;
    folders.addLink(JoeData);
    folders.addFolder(AnnData, {{"elsewhere", FakeFolders::Link}, {"scores.dat", FakeFolders::File}});

    EXPECT_EQ(runRemover(std::string(JoeAppData) + "\nD:\\Users\\Ann\\AppData\n", folders), HelperFailed);
    EXPECT_EQ(folders.patterns, std::vector<std::string>{std::string(AnnData) + "\\*.*"});
    EXPECT_EQ(folders.deleted, std::vector<std::string>{std::string(AnnData) + "\\scores.dat"});
}

TEST(UserDataRemover, LinesThatAreNoLocalPathAreSkippedAndFail)
{
    const std::string overlong = "C:\\" + std::string(2 * LinePieceLength, 'x');
    for (const std::string& bad : {"AppData"s, "\\\\host\\share"s, overlong}) {
        FakeFolders folders;
        folders.addFolder(AnnData, {{"scores.dat", FakeFolders::File}});
        EXPECT_EQ(runRemover(bad + "\r\nD:\\Users\\Ann\\AppData\r\n", folders), HelperFailed) << bad;
        EXPECT_EQ(folders.touched, std::vector<std::string>{AnnData}) << bad;
        EXPECT_FALSE(folders.exists(AnnData)) << bad;
    }
}

TEST(UserDataRemover, FolderThatCannotBeListedFails)
{
    FakeFolders folders;
    folders.addFolder(AnnData, {{"scores.dat", FakeFolders::File}});
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

} // namespace

TEST(RemoveListedDataFolders, ALegacyLineIsReadInTheLegacyCodePage)
{
    Latin1CodePage latin1;
    FakeFolders folders;
    const std::string zoeData = "C:\\Users\\Zo\xC3\xAB\\AppData\\Tandor";
    const std::string zhangData = "C:\\Users\\\xE5\xBC\xA0\xE4\xBC\x9F\\AppData\\Tandor";
    folders.addFolder(zoeData, {{"Settings.ini", FakeFolders::File}});
    folders.addFolder(zhangData, {{"scores.dat", FakeFolders::File}});
    EXPECT_EQ(runRemover("C:\\Users\\Zo\xEB\\AppData\r\nC:\\Users\\\xE5\xBC\xA0\xE4\xBC\x9F\\AppData\r\n", folders),
              HelperSucceeded);
    EXPECT_FALSE(folders.exists(zoeData));
    EXPECT_FALSE(folders.exists(zhangData));
}
