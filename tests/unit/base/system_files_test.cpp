#include "base/system_files.h"
#include "catalogue/scratch_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool exists(const std::string& path)
{
    std::string ignored;
    return readWholeFile(path, ignored);
}

// What a save cut short by a killed process leaves beside the file.
void leaveUnfinishedSave(const std::string& path)
{
    appendToFile(path + ".new", "cut sh");
}

TEST(ReplaceFileAtomically, ReplacesWholeAndLeavesNothingBeside)
{
    ScratchFile file("replaced");
    file.write("old");
    leaveUnfinishedSave(file.path());
    EXPECT_TRUE(replaceFileAtomically(file.path(), "new contents"));
    EXPECT_EQ(file.read(), "new contents");
    EXPECT_FALSE(exists(file.path() + ".new"));
}

TEST(ReplaceFileAtomically, FailureSaysWhyAndKeepsTheOldFile)
{
    const std::string path = testing::TempDir() + "tandor-no-such-folder/Settings.ini";
    std::string failure;
    EXPECT_FALSE(replaceFileAtomically(path, "text", &failure));
    EXPECT_FALSE(failure.empty());
    EXPECT_FALSE(exists(path + ".new"));
}

TEST(DiscardUnfinishedSave, RemovesOnlyTheFileBeside)
{
    ScratchFile file("kept");
    file.write("saved");
    leaveUnfinishedSave(file.path());
    discardUnfinishedSave(file.path());
    EXPECT_FALSE(exists(file.path() + ".new"));
    EXPECT_EQ(file.read(), "saved");
}

} // namespace
