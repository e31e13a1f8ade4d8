#include "settings/uninstall_list.h"

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

} // namespace
