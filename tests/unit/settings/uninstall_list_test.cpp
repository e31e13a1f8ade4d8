#include "settings/uninstall_list.h"

#include "catalogue/scratch_file.h"

#include <gtest/gtest.h>

namespace {

const char* const Folder = "C:\\Users\\Ann\\AppData\\Roaming";
const char* const FolderLine = "C:\\USERS\\ANN\\APPDATA\\ROAMING\r\n";

TEST(UninstallList, AddsTheUpperCasedFolderOnlyWhenNoLineNamesIt)
{
    const struct {
        const char* contents;
        const char* addition;
    } cases[] = {
        {"", FolderLine},                                                   // missing or empty file
        {"C:\\USERS\\ANN\\APPDATA\\ROAMING\r\n", ""},
        {"c:\\users\\ann\\appdata\\roaming\n", ""},                        // any case, LF only
        {"C:\\USERS\\BOB\\APPDATA\\ROAMING\r\nC:\\USERS\\ANN\\APPDATA\\ROAMING\r\n", ""}, // not on line one
        {"D:\\X\r\nC:\\USERS\\ANN\\APPDATA\\ROAMING", ""},                  // last line without line end
        {"C:\\USERS\\ANN\\APPDATA\\ROAMING\\OLD\r\n", FolderLine},          // a longer line is another folder
        {"C:\\USERS\\ANN\\APPDATA\r\n", FolderLine},                        // so is a prefix
        {"D:\\X", "\r\nC:\\USERS\\ANN\\APPDATA\\ROAMING\r\n"},              // never glued onto a last line
        {"\r\n\r\n", FolderLine},
    };
    for (const auto& c : cases)
        EXPECT_EQ(uninstallListAddition(Folder, c.contents), c.addition) << c.contents;
}

TEST(UninstallList, EmptyPathAddsNothing)
{
    EXPECT_EQ(uninstallListAddition("", ""), "");
    EXPECT_EQ(uninstallListAddition("", "C:\\X\r\n"), "");
}

TEST(UninstallList, SecondSaveBySameUserWritesNothingMore)
{
    std::string file;
    file += uninstallListAddition(Folder, file);
    file += uninstallListAddition(Folder, file);
    EXPECT_EQ(file, FolderLine);
}

// Any user may write the list: lines far longer than a folder's, across the reading chunks,
// are skipped without being kept, and a line that only starts with the folder is another one.
TEST(UninstallList, LongLinesAcrossChunksAreSkippedAndTheLinesAfterThemStillSearched)
{
    const std::string huge(3 * UninstallListChunkSize + 5, '\0');
    const std::string startsWithFolder = Folder + huge + "\r\n";
    ScratchFile list("uninst");
    list.write(startsWithFolder);
    UninstallListSearch notThere(Folder);
    notThere.readFile(list.path());
    EXPECT_EQ(notThere.addition(), FolderLine);

    list.write(huge + "\n" + huge + FolderLine + FolderLine + huge);
    UninstallListSearch there(Folder);
    there.readFile(list.path());
    EXPECT_EQ(there.addition(), "");

    UninstallListSearch missing(Folder);
    missing.readFile(list.path() + ".missing");
    EXPECT_EQ(missing.addition(), FolderLine);
}

TEST(UninstallList, ReadingInPiecesFindsWhatReadingWholeFinds)
{
    const std::string list = "D:\\X\r\nC:\\users\\ann\\appdata\\roaming\r";
    for (std::size_t split = 0; split <= list.size(); ++split) {
        UninstallListSearch search(Folder);
        search.read(list.data(), split);
        search.read(list.data() + split, list.size() - split);
        EXPECT_EQ(search.addition(), "") << split;
    }
}

} // namespace
