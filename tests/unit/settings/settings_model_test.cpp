#include "settings/settings_model.h"

#include <gtest/gtest.h>

namespace {

TEST(PriorityWeight, TableLevelsAndOutOfRangeValues)
{
    const struct {
        int priority;
        int weight;
    } cases[] = {
        {-2, -20}, {-1, -8}, {0, 0}, {1, 8}, {2, 20},
        // A hand-edited file can hold any int8; those weigh nothing rather than read past the table.
        {-3, 0}, {3, 0}, {-128, 0}, {127, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(priorityWeight(c.priority), c.weight) << c.priority;
}

TEST(DisplayNameFromPath, Examples)
{
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"", "---"},
        {"\\", "---"},
        {"C:\\Program Files\\", "Program Files"},
        {"C:\\WINDOWS\\START MENU\\", "Start Menu"},
        {"c:\\games\\", "Games"},
        {"\\\\SERVER\\MUSIC\\", "Music"},
        {"C:\\PROGRA~1\\", "Progra~1"},
        {"D:\\", "Drive D"},
        {"d:", "Drive d"},                    // the letter as written
        {"C:\\Data", "Data"},                 // no trailing backslash
        {"C:\\my Stuff\\", "My Stuff"},       // mixed case: only word starts change
        {"\\\\", "\\\\"},                     // nothing but separators: the path itself
        {"x:relative", "Relative"},           // a colon ends the component too
        {"C:\\TWO  BLANKS\\", "Two  Blanks"},
        {"C:\\\xC4RGER\\", "\xC4rger"},       // bytes beyond ASCII are left alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(displayNameFromPath(c.path), c.name) << c.path;
}

TEST(DisplayNameFromPath, DriveFormatIsSubstitutedOnce)
{
    EXPECT_EQ(displayNameFromPath("E:\\", "Lecteur %s"), "Lecteur E");
    EXPECT_EQ(displayNameFromPath("E:\\", "%s: 100%d %s"), "E: 100%d %s");
    EXPECT_EQ(displayNameFromPath("E:\\", "Drive"), "Drive");
}

TEST(AddScanDirectory, AppendsOneTrailingBackslashAndDefaults)
{
    std::vector<ScanDirectory> list;
    ScanDirectory& first = addScanDirectory(list, "C:\\Data", 4);
    EXPECT_EQ(first.path, "C:\\Data\\");
    EXPECT_EQ(first.name, "");
    EXPECT_EQ(first.flags, Recursive);
    EXPECT_EQ(first.priority, 0);
    EXPECT_EQ(first.definitionId, 4);
    EXPECT_EQ(addScanDirectory(list, "C:\\Data\\", 0).path, "C:\\Data\\");
    EXPECT_EQ(addScanDirectory(list, "", 0).path, "\\");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].definitionId, 4);
}

TEST(AddScanDefinition, IdsAreNeverReused)
{
    std::vector<ScanDefinition> list;
    std::int32_t next = 0;
    EXPECT_EQ(addScanDefinition(list, next, "A", "*", "", 1), 0);
    EXPECT_EQ(addScanDefinition(list, next, "B", "*.exe", "*unins*", 0), 1);
    list.pop_back(); // delete the newest
    EXPECT_EQ(addScanDefinition(list, next, "C", "*", "", 0), 2);
    EXPECT_EQ(next, 3);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].name, "C");
    EXPECT_EQ(list[1].id, 2);
}

TEST(FindScanDefinition, FirstMatchOrNothing)
{
    std::vector<ScanDefinition> list(3);
    list[0].id = 5;
    list[1].id = 7;
    list[1].name = "first seven";
    list[2].id = 7;
    EXPECT_EQ(findScanDefinition(list, 7), &list[1]);
    EXPECT_EQ(findScanDefinition(list, 6), nullptr);
    EXPECT_EQ(findScanDefinition({}, 0), nullptr);
}

TEST(IsDefinitionInUse, LooksAtEveryDirectory)
{
    std::vector<ScanDirectory> list;
    addScanDirectory(list, "C:\\A", 1);
    addScanDirectory(list, "C:\\B", 3);
    EXPECT_TRUE(isDefinitionInUse(list, 3));
    EXPECT_FALSE(isDefinitionInUse(list, 2));
    EXPECT_FALSE(isDefinitionInUse({}, 0));
}

} // namespace
