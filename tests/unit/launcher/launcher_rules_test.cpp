#include "launcher/launcher_keys.h"
#include "launcher/row_text.h"
#include "launcher/selection.h"
#include "launcher/window_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(RowAfterKey, MovesOneRowWithoutWrappingAround)
{
    struct Case {
        int rows;
        int selected;
        int key;
        int expected;
    };
    const Case cases[] = {
        {5, 2, KeyUp, 1},   {5, 2, KeyDown, 3},  {5, 0, KeyUp, -1},   {5, 4, KeyDown, -1},
        {5, 0, KeyDown, 1}, {5, 4, KeyUp, 3},    {1, 0, KeyDown, -1}, {0, -1, KeyDown, -1},
        {5, -1, KeyDown, -1}, {5, 7, KeyUp, -1}, {5, 2, KeyF12, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowAfterKey(c.rows, c.selected, c.key), c.expected)
            << c.rows << " rows, at " << c.selected << ", key " << c.key;
}

TEST(RowToKeep, SameRowOrTheLastOfAShorterList)
{
    EXPECT_EQ(rowToKeep(2, 5), 2);
    EXPECT_EQ(rowToKeep(2, 2), 1);
    EXPECT_EQ(rowToKeep(0, 1), 0);
    EXPECT_EQ(rowToKeep(2, 0), -1);
    EXPECT_EQ(rowToKeep(-1, 3), 0);
}

TEST(OpeningBox, UsesTheStoredSizeOnlyWhenBothDimensionsExceedTheTemplate)
{
    const Box templateBox{400, 300, 350, 160};
    struct Case {
        int storedWidth;
        int storedHeight;
        Box expected;
    };
    const Case cases[] = {
        {450, 260, {350, 250, 450, 260}},
        {451, 261, {349, 249, 451, 261}}, // odd growth rounds the shift down
        {450, 160, templateBox},          // only wider
        {350, 260, templateBox},          // only higher
        {0, 0, templateBox},              // never sized
        {200, 100, templateBox},
    };
    for (const Case& c : cases) {
        const Box box = openingBox(templateBox, c.storedWidth, c.storedHeight);
        EXPECT_EQ(box.left, c.expected.left) << c.storedWidth << "x" << c.storedHeight;
        EXPECT_EQ(box.top, c.expected.top) << c.storedWidth << "x" << c.storedHeight;
        EXPECT_EQ(box.width, c.expected.width);
        EXPECT_EQ(box.height, c.expected.height);
    }
}

TEST(LayoutForClient, KeepsMarginsAndTopsAndFillsTheRest)
{
    const Box edit{11, 11, 321, 19};
    const Box list{11, 34, 321, 106};
    const ControlLayout layout = layoutForClient(500, 300, edit, list);
    EXPECT_EQ(layout.edit.left, 11);
    EXPECT_EQ(layout.edit.top, 11);
    EXPECT_EQ(layout.edit.width, 478);
    EXPECT_EQ(layout.edit.height, 19);
    EXPECT_EQ(layout.list.left, 11);
    EXPECT_EQ(layout.list.top, 34);
    EXPECT_EQ(layout.list.width, 478);
    EXPECT_EQ(layout.list.height, 300 - 34 - 11);
}

TEST(RetryPeriod, TenthsOfASecondWithZeroAndTheTopValueSwitchedOff)
{
    const std::pair<int, unsigned> cases[] = {{0, 0}, {1, 100}, {20, 2000}, {254, 25400}, {255, 0}};
    for (const auto& [retry, period] : cases)
        EXPECT_EQ(retryPeriodMs(retry), period) << retry;
}

TEST(DirectoryNameOf, OnlyForAnIndexInsideTheList)
{
    std::vector<ScanDirectory> directories(2);
    directories[1].name = "Start Menu";
    CatalogueEntry entry;
    entry.directoryIndex = 1;
    ASSERT_NE(directoryNameOf(entry, directories), nullptr);
    EXPECT_STREQ(directoryNameOf(entry, directories), "Start Menu");
    for (int index : {-1, 2, 127}) {
        entry.directoryIndex = index;
        EXPECT_EQ(directoryNameOf(entry, directories), nullptr) << index;
    }
}

TEST(MenuTextOfPath, DoublesAmpersands)
{
    EXPECT_EQ(menuTextOfPath("C:\\Tom & Jerry\\A&&B.lnk"), "C:\\Tom && Jerry\\A&&&&B.lnk");
    EXPECT_EQ(menuTextOfPath(""), "");
}

} // namespace
