#include "launcher/icon_loader.h"

#include "fake_result_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

class FakeIconSource : public IconSource {
public:
    std::vector<std::string> lookups;
    int answer = 42;
    std::function<void()> duringLookup; // what the window does while the shell is busy

    int smallIconIndex(const std::string& path) override
    {
        lookups.push_back(path);
        if (duringLookup)
            duringLookup();
        return answer;
    }
};

class RecordingPoster : public IconPoster {
public:
    std::vector<std::pair<std::uint32_t, int>> posts;
    void postIcon(std::uint32_t rowAndGeneration, int image) override { posts.emplace_back(rowAndGeneration, image); }
};

class LoadNextIcon : public ::testing::Test {
protected:
    std::vector<CatalogueEntry> entries = std::vector<CatalogueEntry>(4);
    SharedResultList shared;
    CountingLock lock;
    FakeIconSource source;
    RecordingPoster poster;

    void SetUp() override
    {
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i].path = "C:\\entry" + std::to_string(i) + ".lnk";
        list({0, 1, 2});
        shared.listGeneration = 3;
    }
    void list(const std::vector<int>& which)
    {
        shared.resultSlots.clear();
        for (int index : which)
            shared.resultSlots.push_back(ResultSlot{&entries[index], 0, 0});
        shared.rowsShown = static_cast<int>(which.size());
        shared.iconLoaderPaused = 0;
    }
    void step() { loadNextIcon(shared, lock, source, poster); }
};

TEST_F(LoadNextIcon, PostsTheRowsInOrderWithTheCurrentGeneration)
{
    step();
    step();
    ASSERT_EQ(poster.posts.size(), 2u);
    EXPECT_EQ(poster.posts[0], std::make_pair(packIconMessage(3, 0), 42));
    EXPECT_EQ(poster.posts[1], std::make_pair(packIconMessage(3, 1), 42));
    EXPECT_EQ(shared.resultSlots[1].iconPosted, 1);
    EXPECT_EQ(entries[0].iconIndex, 42);
    EXPECT_FALSE(lock.held);
    EXPECT_FALSE(lock.nested);
}

TEST_F(LoadNextIcon, PausesItselfWhenEveryShownRowIsDone)
{
    shared.rowsShown = 2; // the third slot did not fit
    step();
    step();
    EXPECT_EQ(shared.iconLoaderPaused, 0);
    step();
    EXPECT_EQ(shared.iconLoaderPaused, 1);
    EXPECT_EQ(poster.posts.size(), 2u);
}

TEST_F(LoadNextIcon, DoesNothingButPauseWithoutWork)
{
    struct Case {
        const char* what;
        std::function<void(SharedResultList&)> arrange;
    };
    const Case cases[] = {
        {"no rows shown", [](SharedResultList& s) { s.rowsShown = 0; }},
        {"no result list", [](SharedResultList& s) { s.resultSlots.clear(); }},
        {"icons switched off", [](SharedResultList& s) { s.showIcons = false; }},
        {"paused", [](SharedResultList& s) { s.iconLoaderPaused = 1; }},
    };
    for (const Case& c : cases) {
        list({0, 1});
        c.arrange(shared);
        step();
        EXPECT_TRUE(poster.posts.empty()) << c.what;
        EXPECT_TRUE(source.lookups.empty()) << c.what;
        EXPECT_EQ(shared.iconLoaderPaused, 1) << c.what;
    }
}

TEST_F(LoadNextIcon, AKnownIconIsPostedWithoutAskingTheShell)
{
    entries[0].iconIndex = 7;
    step();
    EXPECT_TRUE(source.lookups.empty());
    ASSERT_EQ(poster.posts.size(), 1u);
    EXPECT_EQ(poster.posts[0].second, 7);
}

TEST_F(LoadNextIcon, APathWithoutIconPostsNoImageOnceAndIsNotLookedUpAgain)
{
    source.answer = -1;
    step();
    ASSERT_EQ(poster.posts.size(), 1u);
    EXPECT_EQ(poster.posts[0].second, NoImage);
    EXPECT_EQ(entries[0].iconIndex, IconIndexNone);

    list({0}); // the same entry listed by a later fill
    step();
    step();
    EXPECT_EQ(source.lookups.size(), 1u);
    EXPECT_EQ(poster.posts.size(), 2u);
    EXPECT_EQ(poster.posts[1].second, NoImage);
}

TEST_F(LoadNextIcon, AFillDuringTheLookupKeepsTheIconButPostsNothing)
{
    source.duringLookup = [this] {
        shared.iconLoaderPaused = 1; // the fill has started
    };
    step();
    EXPECT_TRUE(poster.posts.empty());
    EXPECT_EQ(shared.resultSlots[0].iconPosted, 0);
    EXPECT_EQ(entries[0].iconIndex, 42); // the next listing needs no lookup
}

TEST_F(LoadNextIcon, ARowNowShowingAnotherEntryGetsNoStaleIcon)
{
    source.duringLookup = [this] {
        list({3, 0}); // a fill finished meanwhile: entry 0 moved to row 1
        ++shared.listGeneration;
        source.duringLookup = nullptr;
    };
    step();
    EXPECT_TRUE(poster.posts.empty());
    EXPECT_EQ(entries[0].iconIndex, 42);

    step(); // row 0 now: entry 3 is looked up
    step(); // row 1: entry 0, already known
    ASSERT_EQ(poster.posts.size(), 2u);
    EXPECT_EQ(poster.posts[1], std::make_pair(packIconMessage(4, 1), 42));
    EXPECT_EQ(source.lookups.size(), 2u);
}

TEST_F(LoadNextIcon, AClosingWindowDuringTheLookupGetsNothingAndTheEntryIsLeftAlone)
{
    source.duringLookup = [this] {
        shared.iconLoaderPaused = 1;
        shared.loaderStopRequested = 1;
        shared.resultSlots.clear();
        shared.rowsShown = 0;
    };
    step();
    EXPECT_TRUE(poster.posts.empty());
    EXPECT_EQ(entries[0].iconIndex, IconIndexUnknown);
}

TEST(IconMessage, CarriesGenerationAndRowThroughTheWholeRange)
{
    const std::pair<std::uint16_t, int> cases[] = {{0, 0}, {1, 2}, {0xFFFF, 0xFFFF}, {0x8000, 15}};
    for (const auto& [generation, row] : cases) {
        const std::uint32_t packed = packIconMessage(generation, row);
        EXPECT_EQ(iconMessageGeneration(packed), generation);
        EXPECT_EQ(iconMessageRow(packed), row);
    }
    EXPECT_EQ(packIconMessage(2, 5), 0x00020005u);
}

} // namespace
