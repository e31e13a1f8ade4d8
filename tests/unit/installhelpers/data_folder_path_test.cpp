#include "installhelpers/data_folder_path.h"
#include "installhelpers/user_data_remover.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;

TEST(DataFolderForLine, AddsOneBackslashAndTheFolderName)
{
    const struct {
        std::string piece;
        std::string folder;
    } cases[] = {
        {"C:\\Users\\Joe\\AppData\n", "C:\\Users\\Joe\\AppData\\Tandor"},
        {"C:\\Users\\Joe\\AppData\\\n", "C:\\Users\\Joe\\AppData\\Tandor"},
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

TEST(PathParts, EveryPartFromTheDriveDown)
{
    EXPECT_EQ(pathPartsOf("C:\\"), Paths{"C:\\"});
    EXPECT_EQ(pathPartsOf("C:\\Tandor"), (Paths{"C:\\", "C:\\Tandor"}));
    EXPECT_EQ(pathPartsOf("d:\\Documents and Settings\\Joe\\Tandor"),
              (Paths{"d:\\", "d:\\Documents and Settings", "d:\\Documents and Settings\\Joe",
                     "d:\\Documents and Settings\\Joe\\Tandor"}));
    EXPECT_EQ(pathPartsOf("C:\\a.b\\.x\\Tandor"), (Paths{"C:\\", "C:\\a.b", "C:\\a.b\\.x", "C:\\a.b\\.x\\Tandor"}));
}

// Each of these names another folder than its parts read: the system skips "." and empty parts,
// goes up for "..", and drops a final dot or blank.
TEST(PathParts, PartsTheSystemWouldReadOtherwiseAreRefused)
{
    for (const char* folder : {"C:\\\\Tandor", "C:\\a\\\\Tandor", "C:\\.\\Tandor", "C:\\a\\..\\Tandor",
                               "C:\\a.\\Tandor", "C:\\a \\Tandor", "C:\\a\\", "\\\\host\\share\\Tandor",
                               "Users\\Tandor"})
        EXPECT_TRUE(pathPartsOf(folder).empty()) << folder;
}

} // namespace
