#include "launcher/result_list.h"

#include "fake_result_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ListCapacity, TwoRowsBeyondTheHeightOrAFixedBatchWithoutHeight)
{
    struct Case {
        int height;
        int spacing;
        int expected;
    };
    const Case cases[] = {
        {100, 16, 8}, {16, 16, 3}, {15, 16, 2}, {0, 16, 10}, {-4, 16, 10}, {100, 0, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(listCapacity(c.height, c.spacing), c.expected) << c.height << "/" << c.spacing;
}

TEST(RowFits, NeedsMoreThanFivePixelsAboveTheBottomAndThirtyLeftOfTheRightEdge)
{
    const ClientSize client{100, 100};
    EXPECT_TRUE(rowFits({0, 94}, client));
    EXPECT_FALSE(rowFits({0, 95}, client)); // top + 5 is at the bottom
    EXPECT_TRUE(rowFits({69, 0}, client));
    EXPECT_FALSE(rowFits({70, 0}, client));
    EXPECT_FALSE(rowFits({0, 0}, ClientSize{100, 0}));
}

TEST(RowFits, MarginsGrowWithTheDpi)
{
    const ClientSize client{200, 200};
    EXPECT_TRUE(rowFits({0, 189}, client, 192));
    EXPECT_FALSE(rowFits({0, 190}, client, 192)); // 10 pixels above the bottom at 200 %
    EXPECT_FALSE(rowFits({140, 0}, client, 192));
}

class RefreshResults : public ::testing::Test {
protected:
    Catalogue catalogue;
    std::vector<ScanDirectory> directories;
    FakeResultList view;
    CountingLock lock;
    SharedResultList shared;
    ListedRows listed;

    void add(const std::string& name)
    {
        CatalogueEntry entry;
        entry.path = "C:\\" + name + ".lnk";
        setName(entry, name);
        appendEntry(catalogue, entry);
    }
    void addMany(const std::string& prefix, int count)
    {
        for (int i = 0; i < count; ++i)
            add(prefix + std::to_string(10 + i));
    }
    void refresh(const std::string& upperQuery)
    {
        refreshResults(FillContext{view, lock, shared, listed, catalogue, directories}, upperQuery);
    }
    void expectConsistent()
    {
        ASSERT_EQ(listed.count, static_cast<int>(view.rows.size()));
        EXPECT_EQ(shared.rowsShown, listed.count);
        for (int row = 0; row < listed.count; ++row) {
            EXPECT_EQ(listed.entries[row], view.rows[row].entry) << row;
            EXPECT_EQ(shared.resultSlots[row].entry, view.rows[row].entry) << row;
        }
        EXPECT_FALSE(lock.held);
        EXPECT_FALSE(lock.nested);
    }
};

TEST_F(RefreshResults, KeepsOnlyTheRowsThatFitAndReleasesTheLoader)
{
    addMany("Item", 20);
    view.client = {200, 100}; // rows at 0, 16, ..., 80 fit; 96 + 5 does not
    shared.listGeneration = 7;

    refresh("ITEM");

    EXPECT_EQ(view.announced, 8); // 100 / 16 + 2
    EXPECT_EQ(view.rows.size(), 6u);
    expectConsistent();
    EXPECT_EQ(view.selectedRow, 0);
    EXPECT_EQ(shared.iconLoaderPaused, 0);
    EXPECT_EQ(shared.listGeneration, 8);
    EXPECT_EQ(view.names().front(), "Item10");
}

TEST_F(RefreshResults, ARowWithinFivePixelsOfTheBottomIsRemoved)
{
    addMany("Item", 20);
    view.client = {200, 101}; // row 6 starts at 96: 101 is not below 96 + 5
    refresh("ITEM");
    EXPECT_EQ(view.rows.size(), 6u);

    view.client = {200, 102};
    refresh("ITEM");
    EXPECT_EQ(view.rows.size(), 7u);
    expectConsistent();
}

TEST_F(RefreshResults, RowsShowingTheSameEntryAreNotRewritten)
{
    add("Notepad");
    add("Notes");
    add("Nothing");
    refresh("NOT");
    ASSERT_EQ(view.names(), (std::vector<std::string>{"Notepad", "Notes", "Nothing"}));
    const int firstWrites = view.writes;

    refresh("NOTE"); // Notepad and Notes stay in rows 0 and 1
    EXPECT_EQ(view.writes, firstWrites);
    EXPECT_EQ(view.names(), (std::vector<std::string>{"Notepad", "Notes"}));
    expectConsistent();

    refresh("NOTES"); // Notes moves to row 0
    EXPECT_EQ(view.writes, firstWrites + 1);
    EXPECT_EQ(view.names(), (std::vector<std::string>{"Notes"}));
    expectConsistent();
}

TEST_F(RefreshResults, NoMatchEmptiesTheListAndLeavesTheLoaderAsleep)
{
    add("Notepad");
    refresh("NOTE");
    const std::uint16_t generation = shared.listGeneration;

    refresh("XYZ");
    EXPECT_TRUE(view.rows.empty());
    EXPECT_EQ(listed.count, 0);
    EXPECT_TRUE(shared.resultSlots.empty());
    EXPECT_EQ(shared.iconLoaderPaused, 1);
    EXPECT_EQ(shared.listGeneration, generation);
    EXPECT_FALSE(lock.held);

    refresh("NOTE"); // the rows come back after an empty list
    EXPECT_EQ(view.names(), (std::vector<std::string>{"Notepad"}));
    expectConsistent();
}

TEST_F(RefreshResults, AnEmptyQueryEmptiesTheList)
{
    add("Notepad");
    refresh("N");
    refresh("");
    EXPECT_TRUE(view.rows.empty());
}

TEST_F(RefreshResults, AShrunkenListDropsReusedRowsThatNoLongerFit)
{
    addMany("Item", 20);
    view.client = {200, 200};
    refresh("ITEM");
    ASSERT_EQ(view.rows.size(), 13u);

    view.client = {200, 60}; // rows at 0, 16, 32, 48: 48 + 5 < 60
    refresh("ITEM");
    EXPECT_EQ(view.rows.size(), 4u);
    expectConsistent();
}

TEST_F(RefreshResults, ANarrowListShowsNoRows)
{
    addMany("Item", 3);
    view.client = {30, 100};
    refresh("ITEM");
    EXPECT_TRUE(view.rows.empty());
    expectConsistent();
}

TEST_F(RefreshResults, GrowsBeyondTheInitialCapacity)
{
    addMany("Item", 40);
    view.client = {200, 16 * 30};
    refresh("ITEM");
    EXPECT_EQ(view.rows.size(), 30u);
    EXPECT_GE(listed.entries.size(), 30u);
    expectConsistent();
}

TEST_F(RefreshResults, AttachesTheImageListOnceAndOnlyWithIcons)
{
    add("Notepad");
    shared.showIcons = false;
    refresh("N");
    EXPECT_EQ(view.imageListAttachments, 0);
    EXPECT_FALSE(view.rows.at(0).withImage);

    shared.showIcons = true;
    listed.count = 0;
    view.rows.clear();
    refresh("N");
    refresh("NO");
    EXPECT_EQ(view.imageListAttachments, 1);
    EXPECT_TRUE(view.rows.at(0).withImage);
}

TEST_F(RefreshResults, NewSlotsStartWithoutPostedIcons)
{
    addMany("Item", 3);
    refresh("ITEM");
    for (ResultSlot& slot : shared.resultSlots)
        slot.iconPosted = 1;
    refresh("ITEM");
    for (const ResultSlot& slot : shared.resultSlots)
        EXPECT_EQ(slot.iconPosted, 0);
}

} // namespace
